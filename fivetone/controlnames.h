#pragma once
// Names of control-array elements: "Combo1_11" is element 11 of "Combo1".
#include <string>

namespace rp {

inline std::string Indexed(const char* base, int i) { return std::string(base) + "_" + std::to_string(i); }

// The element's index, -1 when the name is not an element of `base`.
inline int ElementIndex(const std::string& name, const char* base) {
    const std::string prefix = std::string(base) + "_";
    if (name.compare(0, prefix.size(), prefix) != 0 || name.size() == prefix.size()) return -1;
    int v = 0;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9' || v > 1000) return -1;
        v = v * 10 + (name[i] - '0');
    }
    return v;
}

}  // namespace rp
