#include "channels/cheditkeys.h"

#include "forms/formstate.h"
#include "forms/textkeys.h"

namespace rp {

namespace {

constexpr std::string_view kDigits = "0123456789";

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

bool IsChEditNameBox(std::string_view control) {
    return control.size() == 7 && StartsWith(control, "Text1_") && control[6] >= '2' &&
           control[6] <= '7';
}

std::string ChEditAllowedChars(std::string_view control) {
    if (control == "Text1_0" || control == "Text1_1" || control == "Text3") return std::string(kFrequencyChars);
    if (IsChEditNameBox(control)) return PrintableAscii("\\~");
    if (control == "Text1_10") return PrintableAscii();
    if (control == "Text2") return std::string(kDigits);
    return "";
}

ChEditKey ChEditFilterKey(std::string_view control, int key) {
    ChEditKey r;
    if (key == kKeyReturn) {
        r.tabNow = true;
        return r;
    }
    r.key = key;
    FilterTextKey(r.key, ChEditAllowedChars(control));
    r.tabAfter = r.key >= 32 && r.key <= 126 && IsChEditNameBox(control);
    return r;
}

const std::vector<std::string>& ChEditTabOrder() {
    static const std::vector<std::string> order = {
        "Text1_0",  "Text1_10", "Text1_2",  "Text1_3",     "Text1_4",       "Text1_5",
        "Text1_6",  "Text1_7",  "Combo1_0", "Combo1_1",    "Combo1_2",      "Combo1_5",
        "Combo3_0", "Combo3_2", "Check2_0", "Combo1_10",   "Combo3_1",      "Combo3_3",
        "Check2_1", "Combo1_4", "Combo4_0", "Combo1_9",    "Combo1_7",      "Combo1_8",
        "Check1",   "Check6",   "Check4_0", "Check4_1",    "Text3",         "CommandOK",
        "CommandCancel", "Combo4_1", "Combo4_2", "Combo1_13", "Combo4_3", "ListBank",
        "Combo1_15", "Combo1_16",
    };
    return order;
}

bool ChEditEnterMovesOn(std::string_view control) {
    static const std::string_view prefixes[] = {"Combo1_", "Combo3_", "Combo4_", "Check2_",
                                                "Check4_", "Text1_"};
    static const std::string_view names[] = {"Combo2", "CommandOK", "CommandCancel", "Check1",
                                             "Check3", "Check5", "Check6", "Text2", "Text3",
                                             "ListBank"};
    for (auto p : prefixes)
        if (StartsWith(control, p)) return true;
    for (auto n : names)
        if (control == n) return true;
    return false;
}

}  // namespace rp
