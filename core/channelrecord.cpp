#include "core/channelrecord.h"

#include "core/conversions.h"

namespace rp {

namespace {
// A storage-form text into a fixed field; "" leaves the field empty.
template <std::size_t N>
void SetStored(FixedText<N>& f, const std::string& s) {
    if (s.empty())
        f.SetEmpty();
    else
        f.Set(s);
}
}  // namespace

void SetNewRecordFields(FreDataRec& r, int n) {
    r.No = static_cast<Integer>(n);
    r.Used = 1;
    r.ScanSkip = 0;
    r.OffsetFre.Set(kNoOffsetFre);
    r.Name.SetEmpty();
    r.Step = 0;
    r.TxForbid = 0;
    r.Reverse = 0;
    r.WN = 0;
    r.EnDCSInvert = 0;
    r.OffsetDir = 0;
    r.Power = 0;
    r.TalkAround = 0;
    r.DeDCSInvert = 0;
    r.Compander = 0;
    r.EnCTCType = 0;
    r.DeCTCType = 0;
    r.EnCTCSS = 0;
    r.DeCTCSS = 0;
    r.EnDCS = 0;
    r.DeDCS = 0;
    r.OptSig = 0;
    r.Tone2Code = 0;
    r.Tone5Code = 0;
    r.Scrambler = 0;
    r.DTMFPttID = 0;
    r.Tone5PttID = 0;
    r.SqlMode = 0;
    r.CustomCTCSS = kNewCustomCTCSS;
    r.MSKGroup = 0;
    r.PttIDOn = 0;
    r.DTMFCode = 0;
    r.ExtraDisplay = 0;
    r.BusyLock = 0;
    r.PttIDDecode = 0;
    r.PttIDCode.Set(kNewPttIDCode);
    r.SqlLevel = kNewSqlLevel;
    r.Tone2Decode = 0;
}

FreDataRec NewChannelRecord(int n) {
    FreDataRec r;
    SetNewRecordFields(r, n);
    r.RxFre.Set(kNoRxFre);
    return r;
}

std::string SetRxFreData(AppData& d, FreDataRec& r, std::string_view value, bool warn) {
    std::string rx = FormatRxFreInBand(d, value, r.Step, warn);
    SetStored(r.RxFre, FreStrToData(rx));
    return rx;
}

std::string SetRxFreData(AppData& d, FreDataRec& r, double valueMHz, bool warn) {
    std::string rx = FormatRxFreInBand(d, valueMHz, r.Step, warn);
    SetStored(r.RxFre, FreStrToData(rx));
    return rx;
}

bool SetOffsetFreData(AppData& d, FreDataRec& r, std::string_view offset, std::string_view rx, bool warn) {
    const std::string stored = FreStrToData(CheckOffsetFre(d, offset, rx, r.OffsetDir, r.Step, warn));
    SetStored(r.OffsetFre, stored);
    return !stored.empty();
}

}  // namespace rp
