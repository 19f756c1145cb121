#pragma once
// The user-defined tone set's limits and texts: a box holds a frequency in
// Hz, the record a whole number of 0.1 Hz.
#include <optional>
#include <string>
#include <string_view>

#include "core/records.h"

namespace rp {

inline constexpr double kUserToneLowHz = 288.5;
inline constexpr double kUserToneHighHz = 3106.0;

// The text a box keeps when it loses the focus: "288.5" for a non-numeric
// text or a value below the range, "3106.0" above it, else the text exactly
// as typed.
std::string ClampUserToneText(std::string_view text);

// The stored value of a box: the value × 10 to the nearest whole number (a
// half to the even one), not limited to the range; nullopt for a non-numeric
// text or one beyond the 16-bit field, which leaves the stored value as it is.
std::optional<Integer> UserToneValue(std::string_view text);

}  // namespace rp
