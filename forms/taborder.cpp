#include "forms/taborder.h"

namespace rp {

std::string NextFocusInOrder(const std::vector<std::string>& order, const std::string& from,
                             const std::function<bool(const std::string&)>& canTakeFocus) {
    const int size = static_cast<int>(order.size());
    int at = -1;
    for (int i = 0; i < size; ++i)
        if (order[static_cast<std::size_t>(i)] == from) at = i;
    for (int step = 1; step <= size; ++step) {
        const std::string& next = order[static_cast<std::size_t>((at + step + size) % size)];
        if (canTakeFocus(next)) return next;
    }
    return {};
}

}  // namespace rp
