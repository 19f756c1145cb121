#include "widgets/screenfit.h"

#include <QScreen>

#include <algorithm>
#include <cmath>

namespace rp {

namespace {

// The most pixels whose device pixels lie within those that `pixels` stands
// for. A whole number of device pixels is exact; otherwise the screen holds
// at least the fewest device pixels that round to `pixels`.
int RoundedDown(int pixels, double scale) {
    if (scale <= 0 || pixels <= 0) return pixels;
    constexpr double kEps = 1e-6;
    const double device = pixels * scale;
    if (std::abs(device - std::round(device)) < kEps) return pixels;
    const double fewest = std::ceil((pixels - 0.5) * scale - kEps);
    return std::min(pixels, static_cast<int>(std::floor(fewest / scale + kEps)));
}

}  // namespace

QRect FitToScreen(const QRect& window, const QRect& available) {
    if (available.isEmpty()) return window;
    const int w = std::clamp(window.width(), 0, available.width());
    const int h = std::clamp(window.height(), 0, available.height());
    const int x = std::clamp(window.x(), available.left(), available.left() + available.width() - w);
    const int y = std::clamp(window.y(), available.top(), available.top() + available.height() - h);
    return QRect(x, y, w, h);
}

QRect RoundedDownArea(const QRect& available, double scale) {
    return QRect(available.topLeft(),
                 QSize(RoundedDown(available.width(), scale), RoundedDown(available.height(), scale)));
}

QRect UsableArea(const QScreen& screen) {
    return RoundedDownArea(screen.availableGeometry(), screen.devicePixelRatio());
}

}  // namespace rp
