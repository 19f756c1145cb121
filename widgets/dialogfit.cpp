#include "widgets/dialogfit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

#include "widgets/screenfit.h"

namespace rp {

namespace {

constexpr char kScrollName[] = "DialogScroll";

// A layout holding push buttons and nothing else but room between them.
bool ButtonsOnly(QLayout* layout) {
    bool any = false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->spacerItem()) continue;
        if (qobject_cast<QPushButton*>(item->widget()) || (item->layout() && ButtonsOnly(item->layout()))) {
            any = true;
            continue;
        }
        return false;
    }
    return any;
}

// The index in `top` of the row of buttons that closes it; -1 when none.
int ButtonRowIndex(QLayout* top) {
    int index = -1;
    if (qobject_cast<QBoxLayout*>(top)) {
        index = top->count() - 1;
    } else if (auto* grid = qobject_cast<QGridLayout*>(top)) {
        const int last = grid->rowCount() - 1;
        for (int i = 0; i < grid->count(); ++i) {
            int row = 0, col = 0, rowSpan = 0, colSpan = 0;
            grid->getItemPosition(i, &row, &col, &rowSpan, &colSpan);
            if (row + rowSpan - 1 != last) continue;
            if (index >= 0) return -1;  // the last row holds more than the buttons
            index = i;
        }
    }
    if (index < 0) return -1;
    QLayout* row = top->itemAt(index)->layout();
    return row && ButtonsOnly(row) ? index : -1;
}

// Where a dialog of `size` (outer bounds) opens: centred on its parent
// window, else on the area, and within the area.
QRect Placed(const QDialog& dlg, const QSize& size, const QRect& area) {
    const QWidget* parent = dlg.parentWidget() ? dlg.parentWidget()->window() : nullptr;
    QRect r(QPoint(0, 0), size);
    r.moveCenter(parent && parent->isVisible() ? parent->frameGeometry().center() : area.center());
    return FitToScreen(r, area);
}

}  // namespace

bool FitDialogToArea(QDialog& dlg, const QRect& area, const QMargins& frame) {
    QLayout* top = dlg.layout();
    if (!top || area.isEmpty() || DialogScrollArea(dlg)) return false;
    dlg.ensurePolished();
    top->activate();
    const QSize room = area.size().shrunkBy(frame);
    const QSize least = dlg.minimumSize();
    if (least.width() <= room.width() && least.height() <= room.height()) return false;

    // The row of buttons leaves the layout; the rest moves into the scroll
    // area with the layout (its widgets follow it), and the row goes below
    // the scroll area, or to its right for a column of buttons.
    const int rowIndex = ButtonRowIndex(top);
    QLayout* buttons = nullptr;
    if (rowIndex >= 0) {
        buttons = top->itemAt(rowIndex)->layout();
        top->takeAt(rowIndex);  // the item is the row's layout itself
    }
    const auto* box = qobject_cast<QBoxLayout*>(top);
    const bool across = box && (box->direction() == QBoxLayout::LeftToRight ||
                                box->direction() == QBoxLayout::RightToLeft);
    const QMargins margins = top->contentsMargins();

    auto* scroll = new QScrollArea(&dlg);
    scroll->setObjectName(kScrollName);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);  // no tab stop of its own
    auto* content = new QWidget;
    scroll->setWidget(content);
    content->setLayout(top);

    auto* outer = new QBoxLayout(across ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, &dlg);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(scroll, 1);
    if (buttons) {
        buttons->setContentsMargins(across ? QMargins(0, margins.top(), margins.right(), margins.bottom())
                                           : QMargins(margins.left(), 0, margins.right(), margins.bottom()));
        outer->addLayout(buttons);
    }
    // A size the shell fixed held the whole dialog; the scroll area holds the
    // controls now.
    dlg.setMinimumSize(0, 0);
    dlg.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    // A control that takes the focus comes into view.
    QObject::connect(qApp, &QApplication::focusChanged, scroll, [scroll](QWidget*, QWidget* now) {
        if (now && scroll->widget() && scroll->widget()->isAncestorOf(now)) scroll->ensureWidgetVisible(now);
    });

    // As large as the area allows, with room for the scroll bars it needs:
    // the controls whole beside the buttons would want this size.
    QSize wanted = content->sizeHint().expandedTo(content->minimumSizeHint());
    if (buttons) {
        const QSize row = buttons->sizeHint();
        wanted = across ? QSize(wanted.width() + row.width(), std::max(wanted.height(), row.height()))
                        : QSize(std::max(wanted.width(), row.width()), wanted.height() + row.height());
    }
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    QSize size = wanted;
    if (wanted.height() > room.height()) size.rwidth() += bar;
    if (wanted.width() > room.width()) size.rheight() += bar;
    size = size.boundedTo(room);
    dlg.resize(size);
    dlg.move(Placed(dlg, size.grownBy(frame), area).topLeft());
    return true;
}

bool FitDialogToScreen(QDialog& dlg) {
    const QWidget* parent = dlg.parentWidget() ? dlg.parentWidget()->window() : nullptr;
    const QScreen* screen = parent ? parent->screen() : dlg.screen();
    if (!screen) return false;
    QMargins frame;
    if (parent && parent->isVisible()) {
        const QRect inner = parent->geometry();
        const QRect outer = parent->frameGeometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    }
    return FitDialogToArea(dlg, UsableArea(*screen), frame);
}

QScrollArea* DialogScrollArea(const QDialog& dlg) {
    return dlg.findChild<QScrollArea*>(kScrollName, Qt::FindDirectChildrenOnly);
}

}  // namespace rp
