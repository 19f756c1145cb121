#include "fivetone/usertones.h"

#include "core/numtext.h"

namespace rp {

std::string ClampUserToneText(std::string_view text) {
    const std::optional<double> v = ParseNumber(text);
    if (!v || *v < kUserToneLowHz) return "288.5";
    if (*v > kUserToneHighHz) return "3106.0";
    return std::string(text);
}

std::optional<Integer> UserToneValue(std::string_view text) {
    const std::optional<double> v = ParseNumber(text);
    if (!v) return std::nullopt;
    // A box that never lost the focus may still hold a value out of range;
    // the range also keeps the result inside the 16-bit field.
    double hz = *v < kUserToneLowHz ? kUserToneLowHz : (*v > kUserToneHighHz ? kUserToneHighHz : *v);
    return static_cast<Integer>(*RoundScaled(hz, 1));
}

}  // namespace rp
