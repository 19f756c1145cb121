#include "core/channelfreq.h"

#include <algorithm>

#include "core/numtext.h"
#include "core/records.h"

namespace rp {

namespace {
// Far enough beyond any band that a sum of two values cannot overflow.
constexpr FreUnits kMaxMHz = 10000000000000;  // 10^13
constexpr FreUnits kMaxUnits = kMaxMHz * kFreUnitsPerMHz;
constexpr FreUnits kDataLimit = 1000000000;  // nine digits
// The 2.5 kHz and 6.25 kHz channel grids.
constexpr FreUnits kGrid2k5 = 250;
constexpr FreUnits kGrid6k25 = 625;

// A plain "MHz[.fraction]" text of up to nine whole digits and five decimals,
// the form every stored and shown frequency takes, read straight into units;
// any other text goes the general way.
std::optional<FreUnits> PlainTextToUnits(std::string_view mhz) {
    const std::size_t dot = mhz.find('.');
    const std::string_view whole = mhz.substr(0, dot);
    const std::string_view frac = dot == std::string_view::npos ? std::string_view() : mhz.substr(dot + 1);
    if (whole.empty() || whole.size() > 9 || frac.size() > 5) return std::nullopt;
    if (dot != std::string_view::npos && frac.empty()) return std::nullopt;
    FreUnits u = 0;
    for (char c : whole) {
        if (c < '0' || c > '9') return std::nullopt;
        u = u * 10 + (c - '0');
    }
    for (std::size_t i = 0; i < 5; ++i) {
        const char c = i < frac.size() ? frac[i] : '0';
        if (c < '0' || c > '9') return std::nullopt;
        u = u * 10 + (c - '0');
    }
    return u;
}

std::string ZeroPadded(std::uint64_t v, std::size_t width) {
    std::string s = std::to_string(v);
    if (s.size() < width) s.insert(0, width - s.size(), '0');
    return s;
}
}  // namespace

std::optional<FreUnits> FreTextToUnits(std::string_view mhz) {
    if (const auto plain = PlainTextToUnits(mhz)) return plain;
    const std::optional<double> v = ParseNumber(mhz);
    if (!v) return std::nullopt;
    std::optional<FreUnits> u;
    if (mhz.find('.') != std::string_view::npos) {
        u = RoundScaled(*v, 5);
    } else if (const auto whole = RoundScaled(*v, 0); whole && *whole >= -kMaxMHz && *whole <= kMaxMHz) {
        u = *whole * kFreUnitsPerMHz;
    }
    if (!u || *u < -kMaxUnits || *u > kMaxUnits) return std::nullopt;
    return u;
}

std::optional<FreValue> ReadFreValue(std::string_view mhz) {
    if (const auto plain = PlainTextToUnits(mhz)) return FreValueFromUnits(*plain);
    const std::optional<double> v = ParseNumber(mhz);
    if (!v) return std::nullopt;
    return FreValueFromMHz(*v);
}

FreValue FreValueFromMHz(double mhz) {
    FreUnits u = mhz < 0 ? -kMaxUnits : kMaxUnits;
    if (mhz >= -static_cast<double>(kMaxMHz) && mhz <= static_cast<double>(kMaxMHz))
        u = std::clamp(RoundScaled(mhz, 5).value_or(0), -kMaxUnits, kMaxUnits);
    return {mhz, u};
}

FreValue FreValueFromUnits(FreUnits u) { return {static_cast<double>(u) / kFreUnitsPerMHz, u}; }

std::string FreUnitsText(FreUnits u, int wholeDigits) {
    const std::uint64_t a = u < 0 ? 0 - static_cast<std::uint64_t>(u) : static_cast<std::uint64_t>(u);
    const std::uint64_t perMHz = kFreUnitsPerMHz;
    const std::uint64_t mhz = a / perMHz;
    // Without a digit required before the point, whole zero shows none.
    const std::string whole =
        mhz == 0 && wholeDigits <= 0 ? "" : ZeroPadded(mhz, static_cast<std::size_t>(std::max(wholeDigits, 1)));
    return (u < 0 ? "-" : "") + whole + "." + ZeroPadded(a % perMHz, 5);
}

std::string FreUnitsToData(FreUnits u) {
    if (u < 0 || u >= kDataLimit) return "";
    return ZeroPadded(static_cast<std::uint64_t>(u), 9);
}

std::string FreDataTo100Hz(double mhz) {
    const std::optional<std::int64_t> hundreds = RoundScaled(mhz, 4);
    if (!hundreds || *hundreds >= kDataLimit / 10) return "";
    return FreUnitsToData(*hundreds * 10);
}

FreUnits OnChannelGrid(FreUnits f, FreUnits base) {
    const FreUnits d = f - base;
    const FreUnits r = d % kGrid2k5;  // the sign of d: the move goes towards base
    if (r == 0 || d % kGrid6k25 == 0) return f;
    return f - r;
}

FreUnits TxFromRx(FreUnits rx, int dir, FreUnits offset) {
    if (dir == OffsetMinus) return rx - offset;
    if (dir == OffsetPlus) return rx + offset;
    return rx;
}

FreUnits OffsetOnSide(FreUnits rx, FreUnits tx, int dir) {
    const FreUnits offset = dir == OffsetMinus ? rx - tx : tx - rx;
    return offset < 0 ? 0 : offset;
}

FreOffset OffsetBetween(FreUnits rx, FreUnits tx) {
    if (tx == rx) return {OffsetNone, 0};
    return tx < rx ? FreOffset{OffsetMinus, rx - tx} : FreOffset{OffsetPlus, tx - rx};
}

std::optional<FreOffset> OffsetBetween(std::string_view rx, std::string_view tx) {
    const auto r = FreTextToUnits(rx), t = FreTextToUnits(tx);
    if (!r || !t) return std::nullopt;
    return OffsetBetween(*r, *t);
}

std::string TxDisplayText(std::string_view rx, std::string_view offset, int dir) {
    const auto r = FreTextToUnits(rx);
    if (!r) return std::string(rx);
    return FreUnitsText(TxFromRx(*r, dir, FreTextToUnits(offset).value_or(0)), kTxWholeDigits);
}

}  // namespace rp
