#pragma once
// The main window's hidden lists, kept as plain text tables: the nine step
// texts (Combo1), the CTCSS tone texts (ComboCTCSS: 51 tones, then the
// custom tone's text 4031 as entry 51) and the 512 DCS code texts (ComboDCS,
// "000N" to "777N"). The channel rows and the report read them.
#include <string>
#include <vector>

#include "core/appdata.h"
#include "core/ctcsstones.h"

namespace rp {

inline constexpr int kCtcssToneCount = static_cast<int>(kCtcssTones.size());
inline constexpr int kDcsCodeCount = 512;
inline constexpr int kTextCustomTone = 4031;

// "2.5K" .. "50K", step index 0..8.
const std::vector<std::string>& StepTexts();
// kCtcssTones as texts, CTCSS index 0..50.
const std::vector<std::string>& CtcssToneTexts();
// The 51 tones and text 4031 of the current language as entry 51.
std::vector<std::string> CtcssTexts(AppData& d);
// Entry n: the octal digits of n, three wide, then "N".
const std::vector<std::string>& DcsTexts();
// The tone combos' DCS list: "D" + octal + "N" for 0..511, then the same
// with "I" (entry = inversion x 512 + code).
const std::vector<std::string>& DcsComboTexts();

}  // namespace rp
