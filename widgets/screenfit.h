#pragma once
// A window's bounds brought onto the screen it opens on: bounds saved at
// another scale or on a larger screen would leave it partly off the screen
// or larger than it.
#include <QRect>

namespace rp {

// `window` (outer bounds) shrunk to at most the size of `available` and
// moved the least distance that puts it wholly inside.
QRect FitToScreen(const QRect& window, const QRect& available);

}  // namespace rp
