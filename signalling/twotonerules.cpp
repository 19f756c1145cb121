#include "signalling/twotonerules.h"

#include <cmath>

#include "core/listutils.h"
#include "core/numtext.h"
#include "signalling/formhelpers.h"

namespace rp {

namespace {

Byte Hi(int v) { return static_cast<Byte>((v >> 8) & 0xFF); }
Byte Lo(int v) { return static_cast<Byte>(v & 0xFF); }
double Clamp(double f, double lo, double hi) { return f > hi ? hi : f < lo ? lo : f; }

// The number a box holds, after TrimNullStr.
std::optional<double> BoxNumber(std::string_view text) { return ParseNumber(TrimNullStr(text)); }

}  // namespace

std::array<int, 2> CallFormatTones(int format) {
    static constexpr int kPairs[15][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 0}, {1, 2},
                                          {1, 3}, {2, 0}, {2, 1}, {2, 3}, {3, 0},
                                          {3, 1}, {3, 2}, {0, -1}, {1, -1}, {2, -1}};
    if (format < 0 || format > 14) return {-1, -1};
    return {kPairs[format][0], kPairs[format][1]};
}

std::array<bool, 4> CallFormatBoxes(int format) {
    std::array<bool, 4> on{};
    for (int box : CallFormatTones(format))
        if (box >= 0) on[static_cast<std::size_t>(box)] = true;
    return on;
}

std::string FormatTone(double hz) { return FormatNumber(hz, "#0.0"); }

int ToneTenths(double hz) { return static_cast<int>(RoundScaled(hz, 1).value_or(0)); }

int EncodeDivisor(double hz) { return static_cast<int>(std::trunc(kToneClock / (16.0 * hz))); }

int OwnDivisor(double hz) { return static_cast<int>(std::trunc(kToneClock / (2.0 * hz))); }

std::optional<double> ClampEncodeTone(std::string_view text) {
    std::optional<double> f = BoxNumber(text);
    if (!f) return std::nullopt;
    return Clamp(*f, kToneLow, kToneHigh);
}

void SetEncodeTone(Tone2EncodeRec& e, int which, double hz) {
    const int t = ToneTenths(hz), div = EncodeDivisor(hz);
    if (which == 1) {
        e.Empty = 0;
        e.Divisor1H = Hi(div), e.Divisor1L = Lo(div);
        e.Tone1H = Hi(t), e.Tone1L = Lo(t);
    } else {
        e.Divisor2H = Hi(div), e.Divisor2L = Lo(div);
        e.Tone2H = Hi(t), e.Tone2L = Lo(t);
    }
}

void ClearEncodeTone(Tone2EncodeRec& e, int which) {
    if (which == 1) {
        e.Empty = 1;
        e.Divisor1H = e.Divisor1L = e.Divisor2H = e.Divisor2L = 0;
        e.Tone1H = e.Tone1L = e.Tone2H = e.Tone2L = 0;
        e.Name.Set("");
    } else {
        e.Divisor2H = e.Divisor2L = 0;
        e.Tone2H = e.Tone2L = 0;
    }
}

double EncodeTone(const Tone2EncodeRec& e, int which) {
    const int t = which == 1 ? e.Tone1H * 256 + e.Tone1L : e.Tone2H * 256 + e.Tone2L;
    return t / 10.0;
}

double ClampDecodeTone(std::string_view text) {
    std::optional<double> f = BoxNumber(text);
    return f ? Clamp(*f, kToneLow, kToneHigh) : 0.0;
}

std::string LeaveDecodeToneText(std::string_view text) {
    return FormatTone(Clamp(BoxNumber(text).value_or(0.0), kToneLow, kToneHigh));
}

std::string LeaveToneText(std::string_view text) {
    return PlainNumberText(Clamp(BoxNumber(text).value_or(0.0), kToneLow, kToneHigh));
}

std::string ClampToneText(std::string_view text) {
    std::optional<double> f = BoxNumber(text);
    if (!f) return "2000";
    return PlainNumberText(Clamp(*f, kToneSaveLow, kToneHigh));
}

int ShownToneTenths(const Tone2DataRec& t, int box) {
    static constexpr int kDefaults[4] = {3217, 9281, 6265, 20438};
    const Byte pairs[4][2] = {{t.ToneAL, t.ToneAH}, {t.ToneBL, t.ToneBH},
                              {t.ToneCL, t.ToneCH}, {t.ToneDL, t.ToneDH}};
    const Byte lo = pairs[box][0], hi = pairs[box][1];
    if (hi == 0 || hi == 255) return kDefaults[box];
    return hi * 256 + lo;
}

void SaveOwnCall(Tone2DataRec& t, int format, const std::array<double, 4>& hz) {
    t.CallFormat = static_cast<Byte>(format);
    const std::array<int, 2> boxes = CallFormatTones(format);
    const double f1 = boxes[0] >= 0 ? hz[static_cast<std::size_t>(boxes[0])] : 0.0;
    const double f2 = boxes[1] >= 0 ? hz[static_cast<std::size_t>(boxes[1])] : 0.0;
    const int tone1 = ToneTenths(f1), div1 = f1 > 0 ? OwnDivisor(f1) : 0;
    t.OwnTone1H = Hi(tone1), t.OwnTone1L = Lo(tone1);
    t.OwnDivisor1H = Hi(div1), t.OwnDivisor1L = Lo(div1);
    const int tone2 = f2 > 0 ? ToneTenths(f2) : 0, div2 = f2 > 0 ? OwnDivisor(f2) : 0;
    t.OwnTone2H = Hi(tone2), t.OwnTone2L = Lo(tone2);
    t.OwnDivisor2H = Hi(div2), t.OwnDivisor2L = Lo(div2);
    Byte* tones[4][2] = {{&t.ToneAL, &t.ToneAH}, {&t.ToneBL, &t.ToneBH},
                         {&t.ToneCL, &t.ToneCH}, {&t.ToneDL, &t.ToneDH}};
    for (int i = 0; i < 4; ++i) {
        const int v = ToneTenths(hz[static_cast<std::size_t>(i)]);
        *tones[i][0] = Lo(v);
        *tones[i][1] = Hi(v);
    }
}

void StoreDecodeEntry(Tone2DecodeRec& e, int checkValue, std::string_view tone1,
                      std::string_view tone2, int response, std::string_view name) {
    e.Tone1 = ClampDecodeTone(tone1);
    e.Tone2 = ClampDecodeTone(tone2);
    e.Response = static_cast<Integer>(response);
    SetNulEnded(e.Name, TrimNullStr(name));
    e.Valid = (e.Tone1 == 0.0 || e.Tone2 == 0.0) ? Integer{0} : static_cast<Integer>(checkValue);
}

}  // namespace rp
