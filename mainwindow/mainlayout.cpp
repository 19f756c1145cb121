#include "mainwindow/mainlayout.h"

#include <algorithm>

namespace rp {

PaneLayout SizeControls(double& x, double outerWidth, double clientWidth, double clientHeight) {
    if (x < kSplitterMargin) x = kSplitterMargin;
    if (x > outerWidth - kSplitterMargin) x = outerWidth - kSplitterMargin;
    PaneLayout l;
    l.treeWidth = x;
    l.gridLeft = x + kGridGap;
    l.gridWidth = std::max(0.0, clientWidth - l.gridLeft);
    l.treeHeight = std::max(0.0, clientHeight);
    l.gridHeight = std::max(0.0, l.treeHeight - kSplitterMargin);
    return l;
}

double SplitterDragPosition(double p, double outerWidth) {
    if (p < kSplitterMargin) return kSplitterMargin;
    if (p > outerWidth / 2) return outerWidth / 2;
    return p;
}

}  // namespace rp
