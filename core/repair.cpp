#include "core/repair.h"

#include "core/conversions.h"

namespace rp {

namespace {

bool Tone2CodePresent(const AppData& d, int i) {
    const auto& t = d.WorkData.SetData.Tone2Data.Encodes;
    return i >= 0 && i < static_cast<int>(t.size()) && t[i].Empty == 0;
}
bool Tone2DecodePresent(const AppData& d, int i) {
    const auto& t = d.WorkData.SetData.Tone2Data.Decodes;
    return i >= 0 && i < static_cast<int>(t.size()) && t[i].Valid == 1;
}
bool Tone5CodePresent(const AppData& d, int i) {
    const auto& t = d.WorkData.SetData.Tone5Data.Codes;
    return i >= 0 && i < static_cast<int>(t.size()) && t[i].Empty == 0;
}
bool MSKGroupValid(const AppData& d, int i) {
    const auto& t = d.WorkData.MSKData.Groups;
    return i >= 0 && i < static_cast<int>(t.size()) && t[i].Valid == 1;
}

template <class Present>
int FirstPresent(const AppData& d, int count, int fallback, Present present) {
    for (int i = 0; i < count; ++i)
        if (present(d, i)) return i;
    return fallback;
}

// A channel reference stored as number - 1 (Integer or Byte field).
template <class T>
void RepairChannelRef(AppData& d, T& ref) {
    int r = FindChannelInBand(d, static_cast<int>(ref) + 1, 0);
    ref = static_cast<T>(r != 0 ? r - 1 : 0);
}

}  // namespace

int FindChannelInBand(AppData& d, int n, int band) {
    int last = 0;
    int count = d.WorkData.FreDataCount;
    if (count > kFreDataMax) count = kFreDataMax;
    for (int i = 0; i < count; ++i) {
        const FreDataRec& r = d.FreData[i];
        if (r.No > ChPL2) continue;
        if ((band == 1 || band == 2) && GetFreBand(d, DataToFreStr(d, r.RxFre.Trim())) != band)
            continue;
        last = r.No;
        if (r.No == n) return n;
    }
    return last;
}

void CheckOptionChannels(AppData& d) {
    OptionDataRec& o = d.WorkData.SetData.OptionData;
    RepairChannelRef(d, o.MemChannelA);
    RepairChannelRef(d, o.MemChannelB);
    RepairChannelRef(d, d.WorkData.SetData.AlarmData.EmgChannel);
    RepairChannelRef(d, d.WorkData.SetData.ScanData.PriorityCh1);
    RepairChannelRef(d, d.WorkData.SetData.ScanData.PriorityCh2);
}

int GetFirst2ToneCode(const AppData& d, int fallback) {
    return FirstPresent(d, 32, fallback, Tone2CodePresent);
}
int GetFirst5ToneCode(const AppData& d, int fallback) {
    return FirstPresent(d, 100, fallback, Tone5CodePresent);
}
int GetFirst2ToneDecode(const AppData& d, int fallback) {
    return FirstPresent(d, 16, fallback, Tone2DecodePresent);
}

int Check2ToneCodeIndex(const AppData& d, int index, int fallback) {
    return Tone2CodePresent(d, index) ? index : fallback;
}
int Check5ToneCodeIndex(const AppData& d, int index, int fallback) {
    return Tone5CodePresent(d, index) ? index : fallback;
}
int Check2ToneDecodeIndex(const AppData& d, int index, int fallback) {
    return Tone2DecodePresent(d, index) ? index : fallback;
}

int CheckMSKCodeIndex(const AppData& d, int g) {
    if (MSKGroupValid(d, g)) return g;
    return FirstPresent(d, 32, 0, MSKGroupValid);
}

void CheckFreSignalRefs(const AppData& d, FreDataRec& rec, int code2, int code5, int decode2) {
    switch (rec.OptSig) {
        case Sig2Tone:
            rec.Tone2Code = static_cast<Integer>(Check2ToneCodeIndex(d, rec.Tone2Code, code2));
            break;
        case Sig5Tone:
            rec.Tone5Code = static_cast<Integer>(Check5ToneCodeIndex(d, rec.Tone5Code, code5));
            break;
        case SigMSK:
            rec.MSKGroup = static_cast<Integer>(CheckMSKCodeIndex(d, rec.MSKGroup));
            break;
        default:
            break;
    }
    rec.Tone2Decode = static_cast<Integer>(Check2ToneDecodeIndex(d, rec.Tone2Decode, decode2));
}

void CheckAllSignalRefs(AppData& d) {
    const int code2 = GetFirst2ToneCode(d, 0);
    const int code5 = GetFirst5ToneCode(d, 0);
    const int decode2 = GetFirst2ToneDecode(d, 0);
    for (FreDataRec& r : d.WorkData.GMRSFreData) CheckFreSignalRefs(d, r, code2, code5, decode2);
    for (FreDataRec& r : d.WorkData.MURSFreData) CheckFreSignalRefs(d, r, code2, code5, decode2);
    int count = d.WorkData.FreDataCount;
    if (count > kFreDataMax) count = kFreDataMax;
    for (int i = 0; i < count; ++i) CheckFreSignalRefs(d, d.FreData[i], code2, code5, decode2);
    d.Ui.View->ReShowListByData(d.ShowListType);
}

void Check5ToneOptionRef(AppData& d) {
    const int code5 = GetFirst5ToneCode(d, 0);
    AlarmDataRec& a = d.WorkData.SetData.AlarmData;
    if (a.IDCodeType == 2)
        a.IDCodeGroup = static_cast<Byte>(Check5ToneCodeIndex(d, a.IDCodeGroup, code5));
}

void EmptyOptionHook(AppData&) {}

}  // namespace rp
