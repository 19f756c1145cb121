#pragma once
// A channel's frequency arithmetic in whole 10 Hz units: reading a MHz text,
// the display and storage forms, the channel grid, TX from RX and the
// offset, and the direction and offset between RX and TX. The band checks
// stay with the conversions (core/conversions.h); the setters that store a
// record's frequencies are in core/channelrecord.h.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rp {

// A frequency or offset in 10 Hz units.
using FreUnits = std::int64_t;
inline constexpr FreUnits kFreUnitsPerMHz = 100000;
inline constexpr FreUnits kFreUnitsPerKHz = 100;

// Digits before the point of the texts FreUnitsText writes: the channel
// display form "000.00000", the offset form "0.00000" and the TX shown
// beside RX "#.00000" (".50000" below 1 MHz).
inline constexpr int kChannelWholeDigits = 3;
inline constexpr int kOffsetWholeDigits = 1;
inline constexpr int kTxWholeDigits = 0;

// A MHz text in units, rounded to 10 Hz with ties to the even neighbour on
// its decimals ("145.000015" -> 14500002). A text without "." counts whole
// megahertz, rounded first ("1e-3" -> 0). nullopt when the text is not a
// number or lies beyond 10^13 MHz either way.
std::optional<FreUnits> FreTextToUnits(std::string_view mhz);

// A MHz number as the band checks read it: its value, and that value in
// units, rounded to 10 Hz with ties to the even neighbour on its decimals
// and held at 10^13 MHz either way. The value decides the band and the
// nearest band edge, the units the place on the channel grid.
struct FreValue {
    double mhz = 0;
    FreUnits units = 0;
};
// Any numeric text ("145.5", " 1.455e2 "); a plain "MHz[.fraction]" text of
// up to five decimals is read digit by digit, and its value is then exactly
// units / 10^5. nullopt when the text is not a number.
std::optional<FreValue> ReadFreValue(std::string_view mhz);
// A finite number of MHz; a whole number of units.
FreValue FreValueFromMHz(double mhz);
FreValue FreValueFromUnits(FreUnits u);

// Units as MHz with five decimals and at least `wholeDigits` digits before
// the point; "-" before a negative value.
std::string FreUnitsText(FreUnits u, int wholeDigits);

// The nine-digit storage form ("046256250"); "" below 0 and from 10^9 on.
std::string FreUnitsToData(FreUnits u);

// The storage form of a frequency (MHz) rounded to 100 Hz, ties to the even
// neighbour on its decimals ("440.01235" -> "044001240"); "" when it has
// none (below 0, from 10^4 MHz on).
std::string FreDataTo100Hz(double mhz);

// f on the channel grid counted from base: f stays when it lies a multiple
// of 2.5 kHz or of 6.25 kHz from base, else it moves to the 2.5 kHz point
// next to it towards base.
FreUnits OnChannelGrid(FreUnits f, FreUnits base);

// TX from RX: OffsetMinus subtracts the offset, OffsetPlus adds it, any
// other direction leaves RX.
FreUnits TxFromRx(FreUnits rx, int dir, FreUnits offset);
// The offset from RX to TX on the side of RX that dir names: RX - TX for
// OffsetMinus, TX - RX for any other direction; 0 when TX lies on the other
// side.
FreUnits OffsetOnSide(FreUnits rx, FreUnits tx, int dir);

// The direction (OffsetNone, OffsetMinus, OffsetPlus) and offset (never
// negative) that lead from RX to TX.
struct FreOffset {
    int dir = 0;
    FreUnits offset = 0;
};
FreOffset OffsetBetween(FreUnits rx, FreUnits tx);
// The same from MHz texts; nullopt when either is not a number.
std::optional<FreOffset> OffsetBetween(std::string_view rx, std::string_view tx);

// The TX shown for an RX text, an offset text and a direction, in the
// "#.00000" form; "" stays "", an RX that is not a number is shown as it
// is, an offset that is not a number counts 0.
std::string TxDisplayText(std::string_view rx, std::string_view offset, int dir);

}  // namespace rp
