#include "fivetone/usertones.h"

#include <cstdint>
#include <limits>

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
    // Not clamped: a box holds either its loaded value, which a foreign file
    // may have put outside the range and which is stored back as it was, or
    // a value its departure clamped. The field's own limits still hold.
    const std::optional<std::int64_t> tenths = RoundScaled(*v, 1);
    if (!tenths || *tenths < std::numeric_limits<Integer>::min() || *tenths > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return static_cast<Integer>(*tenths);
}

}  // namespace rp
