#include "widgets/screenfit.h"

#include <algorithm>

namespace rp {

QRect FitToScreen(const QRect& window, const QRect& available) {
    if (available.isEmpty()) return window;
    const int w = std::clamp(window.width(), 0, available.width());
    const int h = std::clamp(window.height(), 0, available.height());
    const int x = std::clamp(window.x(), available.left(), available.left() + available.width() - w);
    const int y = std::clamp(window.y(), available.top(), available.top() + available.height() - h);
    return QRect(x, y, w, h);
}

}  // namespace rp
