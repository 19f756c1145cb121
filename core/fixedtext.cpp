#include "core/fixedtext.h"

namespace rp {

std::string TrimNullStr(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && s[end - 1] == ' ') --end;
    s = s.substr(0, end);
    std::size_t nul = s.find('\0');
    if (nul != std::string_view::npos) s = s.substr(0, nul);
    return std::string(s);
}

}  // namespace rp
