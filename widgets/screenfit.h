#pragma once
// A window's bounds brought onto the screen it opens on: bounds saved at
// another scale or on a larger screen would leave it partly off the screen
// or larger than it.
#include <QRect>

class QScreen;

namespace rp {

// `window` (outer bounds) shrunk to at most the size of `available` and
// moved the least distance that puts it wholly inside.
QRect FitToScreen(const QRect& window, const QRect& available);

// `available`, a screen's free area in pixels at `scale` device pixels to
// the pixel, with its size rounded down to what whole device pixels hold. At
// a fractional scale the screen's own pixel size is rounded to the nearest
// pixel (1600 device pixels at 150 % make 1067), and a window that large
// would end a device pixel beyond the screen.
QRect RoundedDownArea(const QRect& available, double scale);

// The free area of `screen` (its available geometry), rounded down.
QRect UsableArea(const QScreen& screen);

}  // namespace rp
