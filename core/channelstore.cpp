#include "core/channelstore.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "core/banks.h"
#include "core/channelrecord.h"
#include "core/conversions.h"
#include "core/numtext.h"

namespace rp {

namespace {

int Count(const AppData& d) {
    int c = d.WorkData.FreDataCount;
    return c < 0 ? 0 : (c > kFreDataMax ? kFreDataMax : c);
}

bool CanAppend(const AppData& d, int n) {
    return n >= 1 && n <= kFreDataMax && Count(d) < kFreDataMax && !IsFreDataExist(d, n);
}

void Append(AppData& d, const FreDataRec& r) {
    int c = Count(d);
    d.FreData[c] = r;
    d.WorkData.FreDataCount = static_cast<Integer>(c + 1);
}

// The record that the grid addresses: a preset by position for list kinds
// 1..3, else the first memory record numbered n. nullptr when none.
FreDataRec* SelectRecord(AppData& d, int n) {
    auto pick = [n](auto& list) -> FreDataRec* {
        return (n >= 1 && n <= static_cast<int>(list.size())) ? &list[n - 1] : nullptr;
    };
    switch (d.ShowListType) {
        case ListGMRS: return pick(d.WorkData.GMRSFreData);
        case ListMURS: return pick(d.WorkData.MURSFreData);
        case ListWeather: return pick(d.WorkData.WXFreData);
        default: {
            int i = FindFreDataIndex(d, n);
            return i < 0 ? nullptr : &d.FreData[i];
        }
    }
}

const FreDataRec* SelectRecord(const AppData& d, int n) {
    return SelectRecord(const_cast<AppData&>(d), n);
}

// Writes a packed DCS value (invert × 512 + code) into a code and flag.
void SetDCS(Integer& code, Integer& invert, int v) {
    code = static_cast<Integer>(v % 512);
    invert = static_cast<Integer>(v / 512);
}

// The whole number a numeric column takes, when it fits the column's field.
std::optional<int> ColumnNumber(std::string_view value, int column, int sub) {
    std::optional<std::int64_t> v = ParseWhole(value);
    if (!v || *v < INT16_MIN || *v > INT16_MAX) return std::nullopt;
    // A packed DCS value holds a code 0..511 and an invert flag 0..1.
    if ((column == ColDecode || column == ColEncode) && sub == 2 && (*v < 0 || *v > 1023))
        return std::nullopt;
    return static_cast<int>(*v);
}

bool IsNumericColumn(int column) {
    switch (column) {
        case ColStep: case ColWN: case ColPower: case ColDecode: case ColEncode: case ColOptSig:
            return true;
        default:
            return false;
    }
}

bool IsBlank(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

void SetTxColumn(AppData& d, FreDataRec& r, std::string_view value) {
    // No transmit frequency: simplex, as the channel dialog sets it.
    if (IsBlank(value)) {
        r.OffsetDir = OffsetNone;
        r.OffsetFre.Set(kNoOffsetFre);
        return;
    }
    const std::optional<FreUnits> rx = FreTextToUnits(DataToFreStr(d, r.RxFre.Trim()));
    const FreUnits tx = FreUnitsInBandBy(d, value, false, true);
    // Without an RX frequency the direction stays and no offset is left.
    if (!rx) {
        r.OffsetFre.Set(kNoOffsetFre);
        return;
    }
    const FreOffset o = OffsetBetween(*rx, tx);
    r.OffsetDir = static_cast<Integer>(o.dir);
    SetOffsetFreData(d, r, o.offset, *rx, true);
}

}  // namespace

int FindFreDataIndex(const AppData& d, int n) {
    int c = Count(d);
    for (int i = 0; i < c; ++i)
        if (d.FreData[i].No == n) return i;
    return -1;
}

bool IsFreDataExist(const AppData& d, int n) { return FindFreDataIndex(d, n) >= 0; }

bool AppendFreData(AppData& d, const FreDataRec& r) {
    if (!CanAppend(d, r.No)) return false;
    Append(d, r);
    return true;
}

int GetMemChannelCount(const AppData& d) {
    int c = Count(d), k = 0;
    for (int i = 0; i < c; ++i)
        if (d.FreData[i].No < ChPL1) ++k;
    return k;
}

bool AddFreDataByFre(AppData& d, int n, std::string_view rxText) {
    if (!CanAppend(d, n)) return false;
    const std::optional<double> v = ParseNumber(rxText);
    if (!v) return false;
    const std::string rx = FreDataTo100Hz(*v);
    if (rx.empty()) return false;

    FreDataRec r = NewChannelRecord(n);
    r.ScanSkip = 1;
    r.RxFre.Set(rx);
    r.EnCTCSS = 20;
    r.DeCTCSS = 20;
    AddChannelToBank(d, n, 0);
    Append(d, r);
    return true;
}

bool AddNewFreData(AppData& d, int n) {
    if (!CanAppend(d, n)) return false;
    FreDataRec r = d.FreData[Count(d)];  // reserved fields stay as the slot held them
    SetNewRecordFields(r, n);
    const double mid = (d.RxBandLow[0] + d.RxBandHigh[0]) / 2;
    SetStoredFre(r.RxFre, FreDataTo100Hz(mid));
    AddChannelToBank(d, n, 0);
    Append(d, r);
    return true;
}

bool AddFreDataByRx(AppData& d, int n, std::string_view value) {
    if (!AddNewFreData(d, n)) return false;
    FreDataRec& r = d.FreData[Count(d) - 1];
    SetRxFreData(d, r, value, true);
    return true;
}

bool DeleteFreData(AppData& d, int n) {
    if (GetMemChannelCount(d) <= 1) {
        d.Ui.Notify->Show(kMsgRetainOneChannel, MsgIcon::None, MsgButtons::Ok, "");
        return false;
    }
    DelChannelFromBanks(d, n);
    int i = FindFreDataIndex(d, n);
    if (i < 0) return true;
    int c = Count(d);
    // Later records move down one place; the freed slot keeps a copy of the
    // former last record.
    for (int k = i; k < c - 1; ++k) d.FreData[k] = d.FreData[k + 1];
    d.WorkData.FreDataCount = static_cast<Integer>(c - 1);
    return true;
}

FreDataRec GetEmptyFreData(AppData& d, int n) {
    FreDataRec r = NewChannelRecord(n);
    r.Used = 0;
    r.Name.Set("");
    AddChannelToTempBank(d, n, 0);
    return r;
}

int GetFreToneData(const AppData& d, int n, std::string_view key) {
    const FreDataRec* r = SelectRecord(d, n);
    if (!r) return 0;
    if (key == "De_CTC_Type") return r->DeCTCType;
    if (key == "De_CTCSS") return r->DeCTCSS;
    if (key == "De_CDCSS") return r->DeDCSInvert * 512 + r->DeDCS;
    if (key == "En_CTC_Type") return r->EnCTCType;
    if (key == "En_CTCSS") return r->EnCTCSS;
    if (key == "En_CDCSS") return r->EnDCSInvert * 512 + r->EnDCS;
    return 0;
}

void SetFreDataByCol(AppData& d, int n, std::string_view value, int column, int sub) {
    FreDataRec* target = SelectRecord(d, n);
    if (!target) {
        if (d.ShowListType < ListGMRS || d.ShowListType > ListWeather)
            d.Ui.Notify->Show(kMsgNoFindData, MsgIcon::None, MsgButtons::Ok, "");
        return;
    }
    std::optional<int> num;
    if (IsNumericColumn(column)) {
        num = ColumnNumber(value, column, sub);
        if (!num) return;
    }

    if (column == ColTx && !IsBlank(value) && !IsNumeric(value)) {
        d.Ui.Notify->Show(kNotNumericText, MsgIcon::None, MsgButtons::Ok, "");
        return;
    }

    FreDataRec r = *target;
    if (d.ShowListType < ListGMRS || d.ShowListType > ListWeather) r.Used = 1;
    switch (column) {
        case ColRx:
            SetRxFreData(d, r, value, true);
            break;
        case ColTx:
            SetTxColumn(d, r, value);
            break;
        case ColName:
            if (n < ChVFO1) r.Name.Set(TrimNullStr(value));
            break;
        case ColStep: r.Step = static_cast<Integer>(*num); break;
        case ColWN: r.WN = static_cast<Integer>(*num); break;
        case ColPower: r.Power = static_cast<Integer>(*num); break;
        case ColDecode:
            if (sub == 0) r.DeCTCType = static_cast<Integer>(*num);
            else if (sub == 1) r.DeCTCSS = static_cast<Integer>(*num);
            else if (sub == 2) SetDCS(r.DeDCS, r.DeDCSInvert, *num);
            break;
        case ColEncode:
            if (sub == 0) r.EnCTCType = static_cast<Integer>(*num);
            else if (sub == 1) r.EnCTCSS = static_cast<Integer>(*num);
            else if (sub == 2) SetDCS(r.EnDCS, r.EnDCSInvert, *num);
            break;
        case ColOptSig: r.OptSig = static_cast<Integer>(*num); break;
        default: break;  // the bank column and unknown ids change no field
    }
    *target = r;
}

void SetFreDataByCol(AppData& d, int n, int value, int column, int sub) {
    char buf[16];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    SetFreDataByCol(d, n, std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)), column,
                    sub);
}

namespace {
// Copies the first used record numbered n into the clipboard; false (and an
// empty clipboard) when there is none.
bool CopyToClip(AppData& d, int n) {
    int c = Count(d);
    for (int i = 0; i < c; ++i) {
        if (d.FreData[i].No == n && d.FreData[i].Used == 1) {
            d.ClipFreData = d.FreData[i];
            return true;
        }
    }
    d.ClipFreData.Used = 0;
    return false;
}
}  // namespace

void CopyFreDataToClip(AppData& d, int kind, int n) {
    if (kind == ListMemory) CopyToClip(d, n);
}

// PL1 to VFO2 (201..206) are never deleted through the clipboard.
void CutFreDataToClip(AppData& d, int kind, int n) {
    if (kind == ListMemory && CopyToClip(d, n) && n < ChPL1) DeleteFreData(d, n);
}

void PasteClipToFreData(AppData& d, int kind, int n) {
    if (kind != ListMemory) return;
    if (d.ClipFreData.Used != 1) {
        if (n < ChPL1) DeleteFreData(d, n);
        return;
    }
    FreDataRec r = d.ClipFreData;
    r.No = static_cast<Integer>(n);
    int i = FindFreDataIndex(d, n);
    if (i >= 0)
        d.FreData[i] = r;
    else if (CanAppend(d, n))
        Append(d, r);
}

int IsRadioFieldEditable(int kind, int column, std::string_view tag) {
    if (kind < ListGMRS || kind > ListWeather) return -1;
    bool editable = !(column >= ColRx && column <= ColPower);
    if (tag == "RX" || tag == "TX" || tag == "Step" || tag == "Name" || tag == "WN" ||
        tag == "Bank" || tag == "Power" || tag == "TXForbit" || tag == "Reverse" ||
        tag == "TalkOff")
        editable = false;
    else if (tag == "Encode" && kind == ListWeather)
        editable = false;
    else if (tag == "Scan")
        editable = kind != ListWeather;
    return editable ? -1 : 0;
}

}  // namespace rp
