#include "core/conversions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/channelfreq.h"
#include "core/numtext.h"

namespace rp {

namespace {

constexpr const char* kChannelMask = "000.00000";
constexpr const char* kOffsetMask = "0.00000";
constexpr const char* kRadioMask = "#0.0000";
constexpr const char* kEmptyFre = "FFFFFFFFF";
constexpr const char* kEmptyFM = "FFFFFFFF";

void WarnOutOfRange(AppData& d) {
    d.Ui.Notify->Show(d.Ui.Texts->Text(kTextOutOfRange), MsgIcon::Warning, MsgButtons::Ok, "");
}

// The edge a value outside lo..hi is moved to, with the text-2001 warning;
// nothing for a value inside.
std::optional<double> ClampToEdge(AppData& d, double f, double lo, double hi) {
    if (!(f < lo) && !(f > hi)) return std::nullopt;
    WarnOutOfRange(d);
    return f < lo ? lo : hi;
}

void WarnNotNumeric(AppData& d) {
    d.Ui.Notify->Show(kNotNumericText, MsgIcon::None, MsgButtons::Ok, "");
}

// Decimal text of a whole number.
std::string WholeText(std::int64_t v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// Zero-padded decimal text of a whole number in 0..10^width-1; "" outside.
std::string PadWhole(std::int64_t v, int width) {
    std::int64_t limit = 1;
    for (int i = 0; i < width; ++i) limit *= 10;
    if (v < 0 || v >= limit) return "";
    std::string s = WholeText(v);
    return std::string(static_cast<std::size_t>(width) - s.size(), '0') + s;
}

struct BandTables {
    const std::array<double, 2>& low;
    const std::array<double, 2>& high;
};

BandTables Tables(const AppData& d, bool tx) {
    return tx ? BandTables{d.TxBandLow, d.TxBandHigh} : BandTables{d.RxBandLow, d.RxBandHigh};
}

// The band (0 UHF, 1 VHF) of the tables that holds f, -1 when none does.
int BandHolding(const BandTables& t, double f) {
    for (int i = 0; i < 2; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        if (t.low[k] <= f && f <= t.high[k]) return i;
    }
    return -1;
}

// fu on the channel grid of band `band`, counted from its low edge. Far
// beyond any band (over 10^9 MHz) the grid means nothing and the unit
// difference could overflow: nothing then.
std::optional<FreUnits> OnBandGrid(const BandTables& t, FreUnits fu, int band) {
    constexpr FreUnits kLimit = 100000000000000;
    const auto bu = RoundScaled(t.low[static_cast<std::size_t>(band)], 5);
    if (!bu || fu > kLimit || fu < -kLimit || *bu > kLimit || *bu < -kLimit) return std::nullopt;
    return OnChannelGrid(fu, *bu);
}

double RoundFreToStep(const BandTables& t, double f, int band) {
    if (band < 0 || band > 1) return f;
    const auto fu = RoundScaled(f, 5);
    const auto on = fu ? OnBandGrid(t, *fu, band) : std::nullopt;
    return on ? static_cast<double>(*on) / kFreUnitsPerMHz : f;
}

double CheckFreInBand(AppData& d, double f, bool tx, bool warn) {
    const BandTables t = Tables(d, tx);
    const int band = BandHolding(t, f);
    return band >= 0 ? RoundFreToStep(t, f, band) : GetBandEdgeFre(d, f, warn, tx ? 1 : 0);
}

// The band check in units: the value decides the band and the edge, the
// units the place on the grid.
FreUnits FreUnitsInBand(AppData& d, const FreValue& f, bool tx, bool warn) {
    const BandTables t = Tables(d, tx);
    const int band = BandHolding(t, f.mhz);
    if (band < 0) return FreValueFromMHz(GetBandEdgeFre(d, f.mhz, warn, tx ? 1 : 0)).units;
    return OnBandGrid(t, f.units, band).value_or(f.units);
}

FreUnits LowEdgeUnits(AppData& d, bool tx, bool warn) {
    return FreValueFromMHz(tx ? GetTxBandLowFre(d, warn) : GetRxBandLowFre(d, warn)).units;
}

std::string ChannelText(FreUnits u) { return FreUnitsText(u, kChannelWholeDigits); }

// First `head` characters, ".", the rest: the value of that text.
std::optional<double> SplitValue(std::string_view s, std::size_t head) {
    std::string t(s.substr(0, head));
    t.push_back('.');
    if (s.size() > head) t.append(s.substr(head));
    return ParseNumber(t);
}

}  // namespace

// ---- channel frequencies and offsets --------------------------------------

std::string FreStrToData(std::string_view s) {
    const std::optional<FreUnits> units = FreTextToUnits(s);
    return units ? FreUnitsToData(*units) : "";
}

std::string DataToFreStr(AppData& d, std::string_view s) {
    if (s.empty() || s == kEmptyFre) return "";
    std::optional<double> v;
    if (IsNumeric(s)) v = SplitValue(s, 4);
    if (!v) {
        WarnNotNumeric(d);
        return PlainNumberText(d.RxBandLow[0]);
    }
    return FormatNumber(*v, kChannelMask);
}

std::string DataToOffsetStr(AppData& d, std::string_view s) {
    if (s.empty() || s == kEmptyFre) return "0.00000";
    std::optional<double> v;
    if (IsNumeric(s)) {
        // The whole part is the integer value of the first four characters.
        auto whole = ParseNumber(s.substr(0, 4));
        std::string rest(s.substr(s.size() > 4 ? 4 : s.size()));
        if (whole && (rest.empty() || rest.find_first_not_of("0123456789") == std::string::npos)) {
            std::string t = PlainNumberText(std::trunc(*whole));
            if (t == "-0") t = "0";
            v = ParseNumber(t + "." + rest);
            if (v && std::signbit(*whole) && *v > 0) v = -*v;
        }
    }
    if (!v) {
        WarnNotNumeric(d);
        return "0.00000";
    }
    return FormatNumber(*v, kOffsetMask);
}

// The step index has no influence on a band check.
std::string FormatRxFreInBand(AppData& d, std::string_view value, int, bool warn) {
    return ChannelText(FreUnitsInBandBy(d, value, true, warn));
}
std::string FormatRxFreInBand(AppData& d, double value, int, bool warn) {
    return ChannelText(FreUnitsInBandBy(d, value, true, warn));
}
std::string FormatTxFreInBand(AppData& d, std::string_view value, int, bool warn) {
    return ChannelText(FreUnitsInBandBy(d, value, false, warn));
}
std::string FormatTxFreInBand(AppData& d, double value, int, bool warn) {
    return ChannelText(FreUnitsInBandBy(d, value, false, warn));
}
std::string FormatFreInBandBy(AppData& d, std::string_view value, int, bool rx, bool warn) {
    return ChannelText(FreUnitsInBandBy(d, value, rx, warn));
}
std::string FormatFreInBandBy(AppData& d, double value, int, bool rx, bool warn) {
    return ChannelText(FreUnitsInBandBy(d, value, rx, warn));
}

FreUnits FreUnitsInBandBy(AppData& d, std::string_view value, bool rx, bool warn) {
    if (const std::optional<FreValue> f = ReadFreValue(value)) return FreUnitsInBand(d, *f, !rx, warn);
    return LowEdgeUnits(d, !rx, warn);
}
FreUnits FreUnitsInBandBy(AppData& d, double value, bool rx, bool warn) {
    if (std::isfinite(value)) return FreUnitsInBand(d, FreValueFromMHz(value), !rx, warn);
    return LowEdgeUnits(d, !rx, warn);
}

double CheckRxFreInBand(AppData& d, double f, int, bool warn) { return CheckFreInBand(d, f, false, warn); }
double CheckTxFreInBand(AppData& d, double f, int, bool warn) { return CheckFreInBand(d, f, true, warn); }

double RoundFreToStepRx(const AppData& d, double f, int step, int band) {
    (void)step;
    return RoundFreToStep(Tables(d, false), f, band);
}
double RoundFreToStepTx(const AppData& d, double f, int step, int band) {
    (void)step;
    return RoundFreToStep(Tables(d, true), f, band);
}

double GetBandEdgeFre(AppData& d, double f, bool warn, int table) {
    if (warn) WarnOutOfRange(d);
    BandTables t = Tables(d, table == 1);
    const std::array<double, 4> edges = {t.low[0], t.high[0], t.low[1], t.high[1]};
    double best = edges[0];
    double bestDist = std::fabs(f - best);
    for (std::size_t i = 1; i < edges.size(); ++i) {
        double dist = std::fabs(f - edges[i]);
        if (dist < bestDist) {
            best = edges[i];
            bestDist = dist;
        }
    }
    return best;
}

double GetRxBandLowFre(AppData& d, bool warn) {
    if (warn) WarnOutOfRange(d);
    return d.RxBandLow[0];
}
double GetTxBandLowFre(AppData& d, bool warn) {
    if (warn) WarnOutOfRange(d);
    return d.TxBandLow[0];
}

FreUnits CheckOffsetUnits(AppData& d, FreUnits rx, FreUnits off, int direction, bool warn) {
    // The offset lies above RX for OffsetNone and OffsetPlus, below it for
    // OffsetMinus and any value that is no direction.
    const int side = direction == OffsetNone || direction == OffsetPlus ? OffsetPlus : OffsetMinus;
    const FreUnits tx = FreUnitsInBand(d, FreValueFromUnits(TxFromRx(rx, side, off)), true, warn);
    return OffsetOnSide(rx, tx, side);
}

std::string CheckOffsetFre(AppData& d, std::string_view off, std::string_view rx, int direction, int,
                           bool warn) {
    const std::optional<FreValue> o = ReadFreValue(off), r = ReadFreValue(rx);
    const FreUnits checked = o && r ? CheckOffsetUnits(d, r->units, o->units, direction, warn) : 0;
    return ChannelText(checked);
}

Integer GetFreBand(const AppData& d, std::string_view s) {
    auto v = ParseNumber(TrimNullStr(s));
    if (!v) return 0;
    if (d.RxBandLow[0] <= *v && *v <= d.RxBandHigh[0]) return 1;
    if (d.RxBandLow[1] <= *v && *v <= d.RxBandHigh[1]) return 2;
    return 0;
}

// ---- FM broadcast list -----------------------------------------------------

std::string FormatFMFre(AppData& d, std::string_view value) {
    auto v = ParseNumber(value);
    return FormatNumber(v ? CheckFMFre(d, *v) : GetFMLowFre(d), kRadioMask);
}
std::string FormatFMFre(AppData& d, double value) {
    return FormatNumber(std::isfinite(value) ? CheckFMFre(d, value) : GetFMLowFre(d), kRadioMask);
}

double CheckFMFre(AppData& d, double f) {
    if (auto edge = ClampToEdge(d, f, d.FMLowFre, d.FMHighFre)) return *edge;
    return RoundFMFre(f);
}

double RoundFMFre(double f) {
    auto xs = RoundScaled(f, 2);
    if (!xs) return f;
    std::int64_t x = *xs;
    std::int64_t r = ((x % 5) + 5) % 5;
    if (r == 1 || r == 2) x -= r;
    else if (r == 3 || r == 4) x = x - r + 5;
    return static_cast<double>(x) / 100.0;
}

double GetFMLowFre(AppData& d) {
    WarnOutOfRange(d);
    return d.FMLowFre;
}

std::string RadioFreToData(std::string_view s) {
    if (s.empty()) return "";
    auto v = ParseNumber(s);
    if (!v) return "";
    auto units = RoundScaled(*v, 4);
    if (!units) return "";
    return PadWhole(*units, 8);
}

namespace {
// The FM and air-band readers: "" and "FFFFFFFF" give "", a non-numeric text
// warns and gives the fall-back, eight characters are split 4 + 4.
std::string RadioDataToText(AppData& d, std::string_view s, double fallback, bool keepDotted) {
    if (s.empty() || s == kEmptyFM) return "";
    std::optional<double> v = ParseNumber(s);
    if (v) {
        if (s.find('.') != std::string_view::npos) {
            if (keepDotted) return std::string(s);
        } else if (s.size() == 8) {
            v = SplitValue(s, 4);
        }
    }
    if (!v) {
        WarnNotNumeric(d);
        return FormatNumber(fallback, kRadioMask);
    }
    return FormatNumber(*v, kRadioMask);
}
}  // namespace

std::string RadioDataToFreText(AppData& d, std::string_view s) {
    return RadioDataToText(d, s, d.FMLowFre, true);
}

int GetRadioChannelCount(const AppData& d) {
    int n = 0;
    for (std::size_t i = 0; i < 100; ++i)
        if (d.WorkData.RadioFreData[i].Used == 1) ++n;
    return n;
}

// ---- air band --------------------------------------------------------------

std::string FormatAMFre(AppData& d, std::string_view value) {
    auto v = ParseNumber(value);
    return FormatNumber(v ? CheckAMFre(d, *v) : GetAMLowFre(d), kRadioMask);
}
std::string FormatAMFre(AppData& d, double value) {
    return FormatNumber(std::isfinite(value) ? CheckAMFre(d, value) : GetAMLowFre(d), kRadioMask);
}

double CheckAMFre(AppData& d, double f) {
    if (auto edge = ClampToEdge(d, f, d.AMLowFre, d.AMHighFre)) return *edge;
    return f;
}

double GetAMLowFre(AppData& d) {
    WarnOutOfRange(d);
    return d.AMLowFre;
}

std::string FormatRadioFre(std::string_view s) {
    if (s.empty()) return "";
    auto v = ParseNumber(s);
    return v ? FormatNumber(*v, kRadioMask) : "";
}

std::string RadioDataToFreStr(AppData& d, std::string_view s) {
    return RadioDataToText(d, s, d.AMLowFre, false);
}

// ---- tones, channel numbers, signalling names ----------------------------

std::string CheckCTCSSText(std::string_view s) {
    const std::string def = FormatNumber(1511 / 10.0, "#.0");
    auto v = ParseNumber(s);
    if (!v || *v < 62.5 || *v > 254.1) return def;
    return FormatNumber(*v, "#.0");
}

namespace {
constexpr std::array<const char*, 6> kNamedChannels = {"PL1", "PU1", "PL2", "PU2", "VFO1", "VFO2"};
}

std::string GetChannelTextByNo(int n, int offset) {
    if (n >= ChMemFirst && n <= ChMemLast) return WholeText(static_cast<std::int64_t>(n) + offset);
    if (n >= ChPL1 && n <= ChVFO2) return kNamedChannels[static_cast<std::size_t>(n - ChPL1)];
    return "Unknown";
}

Integer GetChannelNoByText(std::string_view s) {
    std::string t = TrimNullStr(s);
    for (std::size_t i = 0; i < kNamedChannels.size(); ++i)
        if (t == kNamedChannels[i]) return static_cast<Integer>(ChPL1 + static_cast<int>(i));
    auto v = ParseWhole(t);
    if (!v || *v < -32769 || *v > 32766) return 1;
    return static_cast<Integer>(*v + 1);
}

Integer GetOptSigType(std::string_view s) {
    if (s == "DTMF") return SigDTMF;
    if (s == "2Tone") return Sig2Tone;
    if (s == "5Tone") return Sig5Tone;
    if (s == "MSK") return SigMSK;
    return SigNone;
}

}  // namespace rp
