// libFuzzer target over the text conversions that take what a user types:
// numbers, frequencies, offsets, tones, channel numbers and code texts.
// None may fault, and the documented round trips hold.
//
// Input: byte 0 picks the band (bits 0-2) and a channel number (the byte
// itself), the rest is the typed text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/bands.h"
#include "core/conversions.h"
#include "core/listutils.h"
#include "core/numtext.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

bool AllDigits(std::string_view s, std::size_t n) {
    if (s.size() != n) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rp;
    if (size < 1) return 0;
    const std::string_view s(reinterpret_cast<const char*>(data + 1), size - 1);

    AppData d;
    d.CurBandIndex = static_cast<Integer>(data[0] & 7);
    d.CurBandText = GetFreqRangeText(d.CurBandIndex);
    Check(ParseBandRanges(d));
    d.FMLowFre = 76.0;
    d.FMHighFre = 108.0;
    d.AMLowFre = 118.0;
    d.AMHighFre = 136.0;

    // Numbers: one grammar; the shortest text reads back as the same value.
    const auto v = ParseNumber(s);
    Check(v.has_value() == IsNumeric(s));
    if (v) {
        const std::string plain = PlainNumberText(*v);
        const auto back = ParseNumber(plain);
        Check(back && *back == *v);
        (void)FormatNumber(*v, "000.00000");
        (void)FormatNumber(*v, "#0.0000");
        (void)RoundScaled(*v, 5);
    }
    (void)ParseWhole(s);
    (void)ValLngDef(s, -1);
    (void)ValDblDef(s, -1);

    // Channel frequencies: stored form is nine digits, and it survives the
    // display form.
    const std::string stored = FreStrToData(s);
    Check(stored.empty() || AllDigits(stored, 9));
    if (!stored.empty()) Check(FreStrToData(DataToFreStr(d, stored)) == stored);
    (void)DataToFreStr(d, s);
    (void)DataToOffsetStr(d, s);

    // Band checks: the result lies in a band and is checked again unchanged.
    for (bool rx : {true, false}) {
        const std::string f = FormatFreInBandBy(d, s, 0, rx, false);
        Check(GetFreBand(d, f) != 0);
        Check(FormatFreInBandBy(d, f, 0, rx, false) == f);
    }
    const std::string rx = FormatRxFreInBand(d, s, 0, false);
    for (int dir : {0, 1, 2}) {
        const std::string off = CheckOffsetFre(d, s, rx, dir, 0, false);
        Check(FreStrToData(off).size() == 9);
    }

    // Broadcast and air band.
    const std::string fm = FormatFMFre(d, s);
    const std::string fmStored = RadioFreToData(fm);
    Check(AllDigits(fmStored, 8));
    Check(RadioDataToFreText(d, fmStored) == fm);
    (void)RadioFreToData(s);
    (void)RadioDataToFreText(d, s);
    const std::string am = FormatAMFre(d, s);
    Check(FormatAMFre(d, am) == am);
    (void)FormatRadioFre(s);
    (void)RadioDataToFreStr(d, s);

    // Tones, channel numbers, signalling names.
    const std::string ctcss = CheckCTCSSText(s);
    const auto tone = ParseNumber(ctcss);
    Check(tone && *tone >= 62.5 && *tone <= 254.1);
    Check(CheckCTCSSText(ctcss) == ctcss);
    (void)GetChannelNoByText(s);  // any whole number n gives n + 1, as the lists expect
    const int n = data[0] % 206 + 1;
    Check(GetChannelNoByText(GetChannelTextByNo(n, -1)) == n);
    (void)GetOptSigType(s);

    // Code texts: "*" and "#" stand for E and F.
    std::string code;
    for (char c : s)
        if (HexDigitValue(c) >= 0) code.push_back(c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c);
    Check(DtmfTextToCode(DtmfCodeToText(code)) == code);
    (void)AddRepeatTone(s, "X");
    (void)AddRepeatToneKeepFunc(s);
    (void)IsFuncCodeFormat(s, "12345");
    (void)FormatCodeRepeat(s, "12345");
    Check(ByteToHex2(data[0]) == FormatHexWidth(data[0], 2, ""));
    return 0;
}
