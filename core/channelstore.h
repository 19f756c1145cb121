#pragma once
// The channel store: the packed memory-channel list FreData (records
// 0..FreDataCount-1, in the order they were added, searched by channel
// number) and the three preset lists addressed by 1-based position, with the
// record builders, the grid's write and read access and the one-record
// channel clipboard ClipFreData.
#include <string>
#include <string_view>

#include "core/appdata.h"

namespace rp {

inline constexpr const char* kMsgRetainOneChannel = "Must retain the one channels!";
inline constexpr const char* kMsgNoFindData = "No Find Data!";

// Grid column ids of SetFreDataByCol.
enum FreColumn : int {
    ColRx = 1, ColTx = 2, ColName = 3, ColStep = 4, ColWN = 5, ColBank = 6, ColPower = 7,
    ColDecode = 8, ColEncode = 9, ColOptSig = 10
};

// The index of the first record numbered n, -1 when none.
int FindFreDataIndex(const AppData& d, int n);

// True when a record of FreData has number n (Used is not looked at).
bool IsFreDataExist(const AppData& d, int n);

// Number of records whose channel number is below 201.
int GetMemChannelCount(const AppData& d);

// Appends a record built by the caller at the end of the store order; the
// same guard as the appends below (no bank is touched).
bool AppendFreData(AppData& d, const FreDataRec& r);

// The appends refuse (false, nothing changed, no message) when the list is
// full, n already has a record, or n is outside 1..206.
//
// A channel at rxText (MHz, rounded to 100 Hz): ScanSkip 1, CTCSS 20/20, in
// its default bank. A non-numeric rxText is refused as well.
bool AddFreDataByFre(AppData& d, int n, std::string_view rxText);
// A default channel in the middle of the UHF band, built over the free slot
// (its reserved fields stay), in its default bank.
bool AddNewFreData(AppData& d, int n);
// AddNewFreData, then the RX frequency from value through the band check
// (warns when moved).
bool AddFreDataByRx(AppData& d, int n, std::string_view value);

// Removes n from every bank and its record from the list, keeping the order
// of the others. Refused with "Must retain the one channels!" when at most
// one memory channel exists; gives false then.
bool DeleteFreData(AppData& d, int n);

// An empty record numbered n (Used 0, RX "FFFFFFFFF"), stored nowhere; puts
// n into its default bank of TempBankCH.
FreDataRec GetEmptyFreData(AppData& d, int n);

// One tone value of channel n of the list ShowListType for the grid's tone
// editors: keys "De_CTC_Type", "De_CTCSS", "De_CDCSS", "En_CTC_Type",
// "En_CTCSS", "En_CDCSS" (DCS as invert × 512 + code); 0 for another key or
// a channel without record.
int GetFreToneData(const AppData& d, int n, std::string_view key);

// Writes one grid value into channel n of the list ShowListType (memory
// channel: Used := 1; without record "No Find Data!"). Numeric columns take
// a 16-bit whole number; a value that is not one, or does not fit the field,
// changes nothing. The TX column: an empty text sets simplex (direction 0,
// offset 0); a text that is not a number shows "Not IsNumeric" and changes
// nothing.
void SetFreDataByCol(AppData& d, int n, std::string_view value, int column, int sub);
void SetFreDataByCol(AppData& d, int n, int value, int column, int sub);

// The channel clipboard; list kind 0 only, other kinds do nothing.
void CopyFreDataToClip(AppData& d, int kind, int n);
// Copies, then deletes the channel, except PL1 to VFO2 (201..206), which
// are copied and kept.
void CutFreDataToClip(AppData& d, int kind, int n);
// Replaces or appends channel n with the clipboard (banks unchanged); an
// empty clipboard deletes the channel, except PL1 to VFO2, which stay.
void PasteClipToFreData(AppData& d, int kind, int n);

// -1 when the field (grid column, or a dialog control's tag with column -1)
// may be edited in list kind `kind`, 0 when it is fixed.
int IsRadioFieldEditable(int kind, int column, std::string_view tag);

}  // namespace rp
