#pragma once
// Layout the five-tone shells share.
#include <QGridLayout>
#include <QWidget>

#include "widgets/twips.h"

namespace rp {

// A grid of label and control pairs, each label's right edge 100 twips left
// of its control.
inline QGridLayout* PairGrid(QWidget* owner) {
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(TwipsToPixelsX(owner, 100));
    return g;
}

}  // namespace rp
