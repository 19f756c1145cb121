#include "core/models.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/fixedtext.h"
#include "core/numtext.h"

namespace rp {

namespace {
constexpr std::array<std::pair<const char*, const char*>, 5> kModels = {{
    {"KEVRA8R", "KEVRA-8R"},
    {"7425US", "7425UV-A-USA"},
    {"7425USB", "7425UV-B-USA"},
    {"7425USC", "7425UV-C-USA"},
    {"7425USD", "7425UV-D-USA"},
}};

}  // namespace

std::string GetShowModelName(std::string_view id) {
    std::string t = TrimNullStr(id);
    for (const auto& [model, shown] : kModels)
        if (t == model) return shown;
    return t;
}

std::string GetModelIdByShowName(std::string_view name) {
    std::string t = TrimNullStr(name);
    for (const auto& [model, shown] : kModels)
        if (t == shown) return model;
    return t;
}

bool ChangeCodeIfSame(std::string_view ref, std::string& code) {
    if (ref.empty() || code.empty() || ref != code) return false;
    static constexpr char kHex[] = "0123456789ABCDEF";
    // A character that is no hexadecimal digit reads as 0.
    const int v = std::max(HexDigitValue(code.back()), 0);
    code.back() = kHex[(v + 1) % 16];
    return true;
}

void SetKillStunCodeDiffer(std::string_view own, std::string& kill, std::string& stun) {
    const std::string o = TrimNullStr(own);
    kill = TrimNullStr(kill);
    stun = TrimNullStr(stun);
    ChangeCodeIfSame(o, kill);
    // Stepping stun away from one code can land it on the other; keep going.
    // The last digit takes at most two forbidden values, so this ends.
    for (int i = 0; i < 16; ++i) {
        bool stepped = ChangeCodeIfSame(o, stun);
        stepped = ChangeCodeIfSame(kill, stun) || stepped;
        if (!stepped) break;
    }
}

}  // namespace rp
