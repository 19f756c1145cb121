#include "channels/controlnames.h"

#include <cstddef>

namespace rp {

int ElementIndex(std::string_view control, std::string_view array) {
    if (control.size() <= array.size() + 1 || control.substr(0, array.size()) != array ||
        control[array.size()] != '_')
        return -1;
    int v = 0;
    for (std::size_t i = array.size() + 1; i < control.size(); ++i) {
        if (control[i] < '0' || control[i] > '9') return -1;
        v = v * 10 + (control[i] - '0');
    }
    return v;
}

}  // namespace rp
