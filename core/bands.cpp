#include "core/bands.h"

#include <array>
#include <charconv>
#include <string_view>

namespace rp {

namespace {
constexpr std::array<const char*, 8> kBandTexts = {
    "UHF(400 - 480 MHz) VHF(136 - 174 MHz)", "UHF(400 - 480 MHz) VHF(144 - 146 MHz)",
    "UHF(430 - 440 MHz) VHF(136 - 174 MHz)", "UHF(430 - 440 MHz) VHF(144 - 146 MHz)",
    "UHF(400 - 520 MHz) VHF(136 - 174 MHz)", "UHF(400 - 520 MHz) VHF(144 - 146 MHz)",
    "UHF(446 - 447 MHz) VHF(136 - 174 MHz)", "UHF(446 - 447 MHz) VHF(144 - 148 MHz)",
};

// "400 - 480 MHz": the number before the first blank and the one between
// the second and third blanks.
bool ParseRange(std::string_view all, std::string_view tag, double& lo, double& hi) {
    auto start = all.find(tag);
    if (start == std::string_view::npos) return false;
    start += tag.size();
    auto close = all.find(')', start);
    if (close == std::string_view::npos) return false;
    std::string_view u = all.substr(start, close - start);
    auto b1 = u.find(' ');
    if (b1 == std::string_view::npos) return false;
    auto b2 = u.find(' ', b1 + 1);
    if (b2 == std::string_view::npos) return false;
    auto b3 = u.find(' ', b2 + 1);
    if (b3 == std::string_view::npos) return false;
    std::string_view a = u.substr(0, b1), b = u.substr(b2 + 1, b3 - b2 - 1);
    auto r1 = std::from_chars(a.data(), a.data() + a.size(), lo);
    auto r2 = std::from_chars(b.data(), b.data() + b.size(), hi);
    return r1.ec == std::errc() && r1.ptr == a.data() + a.size() && r2.ec == std::errc() &&
           r2.ptr == b.data() + b.size();
}
}  // namespace

std::string GetFreqRangeText(int index) {
    if (index < 0 || index >= static_cast<int>(kBandTexts.size())) return "";
    return kBandTexts[static_cast<std::size_t>(index)];
}

bool ParseBandRanges(AppData& d) {
    bool known = false;
    for (const char* t : kBandTexts) known = known || d.CurBandText == t;
    if (!known) return false;
    std::array<double, 2> lo{}, hi{};
    if (!ParseRange(d.CurBandText, "UHF(", lo[0], hi[0]) ||
        !ParseRange(d.CurBandText, "VHF(", lo[1], hi[1]))
        return false;
    d.RxBandLow = lo;
    d.RxBandHigh = hi;
    d.TxBandLow = lo;
    d.TxBandHigh = hi;
    return true;
}

}  // namespace rp
