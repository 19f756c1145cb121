#include "fivetone/standards.h"

#include "core/numtext.h"

namespace rp {

namespace {

constexpr const char* kNone = nullptr;  // the digit has no tone

// clang-format off
const std::array<Tone5StandardRow, kTone5StandardCount> kTable = {{
    {"ZVEI1", {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200",
               "2800", "810", "970", "885", "2600", "680"}, "70"},
    {"ZVEI2", {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200",
               "885", "810", "740", "680", "970", "2600"}, "70"},
    {"ZVEI3", {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000",
               "885", kNone, kNone, kNone, "2400", kNone}, "70"},
    {"PZVEI", {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200",
               "970", "810", "2800", "885", "2600", "680"}, "70"},
    {"DZVEI", {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000",
               "825/885", "740", "2600", "885", "2400", "680"}, "70"},
    {"PDZVEI", {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000",
                "825", "886", "2600", "856", "2400", kNone}, "70"},
    {"CCIR1", {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860",
               "2400", "930", "2247", "991", "2110", "1055"}, "100"},
    {"CCIR2", {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860",
               "2400", "930", "2247", "991", "2110", "1055"}, "70"},
    {"PCCIR", {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860",
               "1050", "930", "2400", "991", "2110", kNone}, "100"},
    {"EEA", {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860",
             "1055", "930", "2400", "991", "2110", "2247"}, "40"},
    {"EURO SIGNAL", {"979.8", "903.1", "832.5", "767.4", "707.4", "652.0", "601.0", "554.0",
                     "510.7", "470.8", kNone, kNone, kNone, kNone, "1062.9", kNone}, "100"},
    {"NATEL", {"1633", "631", "697", "770", "852", "941", "1040", "1209", "1336", "1477",
               "1995", "571", "2205", "2437", "1805", "2694"}, "70"},
    {"MODAT", {"637.5", "787.5", "937.5", "1087.5", "1237.5", "1387.5", "1537.5", "1687.5",
               "1837.5", "1987.5", kNone, kNone, kNone, kNone, "487.5", kNone}, "40"},
    {"CCITT", {"400.0", "697.0", "770.0", "852.0", "941.0", "1209.0", "1335.0", "1477.0",
               "1663.0", "1800.0", "1900.0", "2000.0", "2100.0", "2200.0", "2300.0", "0.0"}, "70"},
    {"EIA", {"600.0", "741.0", "882.0", "1023.0", "1164.0", "1305.0", "1446.0", "1587.0",
             "1728.0", "1869.0", "2151.0", "2433.0", "2010.0", "2292.0", "459.0", "1091.0"}, "33"},
}};
// clang-format on

constexpr const char* kUserSetMs = "70";
constexpr const char* kDigits = "0123456789ABCDEF";

}  // namespace

const std::array<Tone5StandardRow, kTone5StandardCount>& Tone5StandardTable() { return kTable; }

std::string Tone5StandardName(int position) {
    if (position < 0 || position >= kTone5StandardCount) return {};
    return kTable[static_cast<std::size_t>(position)].name;
}

int Tone5Standard(std::string_view name) {
    for (int i = 0; i < kTone5StandardCount; ++i)
        if (name == kTable[static_cast<std::size_t>(i)].name) return i;
    return -1;
}

int DefaultToneTime(std::string_view name) {
    int i = Tone5Standard(name);
    if (i < 0) return 70;
    return static_cast<int>(*ParseWhole(kTable[static_cast<std::size_t>(i)].ms));
}

std::string UserToneText(Integer tenthsHz) { return FormatNumber(tenthsHz / 10.0, "#.0"); }

std::string ToneStandardBlock(std::string_view name, const std::array<Integer, 16>& userTones,
                              const ToneTableLabels& labels) {
    constexpr const char* kEol = "\r\n";
    std::string out(name);
    out += kEol;
    out += labels.heading + "(Hz)" + kEol;
    const int i = Tone5Standard(name);
    for (std::size_t digit = 0; digit < 16; ++digit) {
        out += kDigits[digit];
        out += ' ';
        if (i >= 0) {
            if (const char* tone = kTable[static_cast<std::size_t>(i)].tones[digit]) out += tone;
        } else {
            out += UserToneText(userTones[digit]);
        }
        out += kEol;
    }
    out += labels.duration + "(ms) " + (i >= 0 ? kTable[static_cast<std::size_t>(i)].ms : kUserSetMs) + kEol;
    out += labels.groupTone + " A" + kEol;
    out += labels.repeatTone + " E" + kEol;
    return out;
}

}  // namespace rp
