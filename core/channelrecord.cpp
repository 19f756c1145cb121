#include "core/channelrecord.h"

#include "core/conversions.h"

namespace rp {

void SetStoredFre(FixedText<9>& field, std::string_view stored) {
    if (stored.empty())
        field.SetEmpty();
    else
        field.Set(stored);
}

namespace {
// RxFre from a band-checked RX; its display form.
std::string StoreRx(FreDataRec& r, FreUnits rx) {
    SetStoredFre(r.RxFre, FreUnitsToData(rx));
    return FreUnitsText(rx, kChannelWholeDigits);
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
    return StoreRx(r, FreUnitsInBandBy(d, value, true, warn));
}

std::string SetRxFreData(AppData& d, FreDataRec& r, double valueMHz, bool warn) {
    return StoreRx(r, FreUnitsInBandBy(d, valueMHz, true, warn));
}

bool SetOffsetFreData(AppData& d, FreDataRec& r, std::string_view offset, std::string_view rx, bool warn) {
    const std::optional<FreValue> o = ReadFreValue(offset), x = ReadFreValue(rx);
    if (!o || !x) {
        r.OffsetFre.Set(kNoOffsetFre);
        return true;
    }
    return SetOffsetFreData(d, r, o->units, x->units, warn);
}

bool SetOffsetFreData(AppData& d, FreDataRec& r, FreUnits offset, FreUnits rx, bool warn) {
    const std::string stored = FreUnitsToData(CheckOffsetUnits(d, rx, offset, r.OffsetDir, warn));
    SetStoredFre(r.OffsetFre, stored);
    return !stored.empty();
}

}  // namespace rp
