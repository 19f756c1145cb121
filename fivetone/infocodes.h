#pragma once
// The rules of the five-tone information codes: what a code's digits are,
// how its type governs the option list and the name box, and the check of
// the kill, stun and wake-up codes before the dialog's settings are kept.
#include <string>
#include <vector>

#include "core/records.h"

namespace rp {

inline constexpr int kInfoCodeCount = 8;
// Types with a role of their own (the rest are plain call functions).
inline constexpr int kInfoTypeKill = 3;
inline constexpr int kInfoTypeStun = 4;
inline constexpr int kInfoTypeWakeUp = 5;

// The code's digits: the first CodeLen characters ("" for 0, the whole
// field when CodeLen is longer).
std::string InfoCodeDigits(const Tone5InfoCodeRec& c);

// What choosing a type does to the option list and the name box.
struct InfoTypeRule {
    int optionCount = 3;      // 2 for type 1
    int forcedOption = -1;    // the option the type selects, -1 to keep the choice
    bool optionEnabled = true;
    bool nameEnabled = true;  // false: the name box is emptied and locked
};
InfoTypeRule InfoTypeRuleOf(int type);

// The messages ([OPTION] keys) that refuse the information codes, empty when
// they pass: "60350" alone when a kill, stun or wake-up code equals the own
// ID; else "60300" when a kill or stun code has no wake-up code, then
// "60301" when a kill, stun or wake-up code equals a code of another type,
// wherever it stands.
std::vector<std::string> CheckInfoKillStunWaken(const Tone5DataRec& t);

}  // namespace rp
