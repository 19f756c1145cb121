#pragma once
// Building a channel record: the values a new channel starts from (one
// builder for the channel store, the preset lists, the image decoder and
// the channel dialogs), and the stored forms of its two frequencies as an
// editor enters them (the units arithmetic in core/channelfreq.h).
#include <string>
#include <string_view>

#include "core/appdata.h"
#include "core/channelfreq.h"
#include "core/records.h"

namespace rp {

// The new-channel values that are not 0.
inline constexpr Integer kNewCustomCTCSS = 1511;  // 151.1 Hz, in 0.1 Hz
inline constexpr Integer kNewSqlLevel = 3;
inline constexpr std::string_view kNewPttIDCode = "00000";
// Stored forms: no offset, and no RX frequency (an empty record).
inline constexpr std::string_view kNoOffsetFre = "000000000";
inline constexpr std::string_view kNoRxFre = "FFFFFFFFF";

// A frequency field from its storage form; "" (a value without one) leaves
// the field empty.
void SetStoredFre(FixedText<9>& field, std::string_view stored);

// The new-channel values over r: number n, in use, scanned, no offset, no
// name, the custom CTCSS tone, squelch level and PTT-ID code above, every
// other setting 0. RxFre, EnDCSHigh, DeDCSHigh and the reserved fields keep
// what r held (a slot's reserved fields survive a new channel built in it).
void SetNewRecordFields(FreDataRec& r, int n);

// A fresh record (reserved fields 0) with the new-channel values and no RX
// frequency.
FreDataRec NewChannelRecord(int n);

// RxFre from an RX frequency as entered (MHz text): band-checked at the
// record's step, warning when asked; a text that gives no frequency leaves
// the field empty. Gives the checked RX in display form.
std::string SetRxFreData(AppData& d, FreDataRec& r, std::string_view value, bool warn);
std::string SetRxFreData(AppData& d, FreDataRec& r, double valueMHz, bool warn);
// OffsetFre from an offset (MHz text) against the record's RX display text
// rx, for the record's OffsetDir, band-checked (CheckOffsetFre); no offset
// when either text is not a number. False when the checked offset has no
// storage form (the field left empty).
bool SetOffsetFreData(AppData& d, FreDataRec& r, std::string_view offset, std::string_view rx, bool warn);
bool SetOffsetFreData(AppData& d, FreDataRec& r, FreUnits offset, FreUnits rx, bool warn);

}  // namespace rp
