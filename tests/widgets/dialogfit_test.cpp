// A dialog too large for the area it opens in: its controls scroll, its row
// of buttons stays in view, and the keyboard brings each control into view.
// A dialog that fits is left as it was laid out.
#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "widgets/dialogfit.h"
#include "widgets/shellparts.h"

namespace rp {
namespace {

// How the dialog lays out its buttons.
enum class Shape {
    RowBelow,        // a box layout ending in a row of buttons
    FixedRowBelow,   // the same with the dialog's size fixed by its shell
    GridLastRow,     // a grid whose last row is the row of buttons alone
    ColumnRight,     // a box layout across, ending in a column of buttons
    ButtonsBeside,   // a grid whose last row holds a label beside the buttons
};

// A block of controls 400x600 and OK and Cancel, laid out as `shape`.
std::unique_ptr<QDialog> MakeDialog(Shape shape) {
    auto dlg = std::make_unique<QDialog>();
    QDialog* d = dlg.get();
    auto* block = Named<QWidget>(d, "block");
    block->setMinimumSize(400, 600);
    auto* ok = Named<QPushButton>(d, "OK");
    auto* cancel = Named<QPushButton>(d, "Cancel");
    switch (shape) {
    case Shape::RowBelow:
    case Shape::FixedRowBelow: {
        auto* top = new QVBoxLayout(d);
        top->addWidget(block);
        top->addLayout(RightRow({ok, cancel}));
        if (shape == Shape::FixedRowBelow) d->setFixedSize(d->sizeHint());
        break;
    }
    case Shape::GridLastRow: {
        auto* grid = new QGridLayout(d);
        grid->addWidget(block, 0, 0);
        grid->addWidget(new QLabel("side", d), 0, 1);
        grid->addLayout(RightRow({ok, cancel}), 1, 0, 1, 2);
        break;
    }
    case Shape::ColumnRight: {
        auto* top = new QHBoxLayout(d);
        top->addWidget(block);
        auto* side = new QVBoxLayout;
        side->addWidget(ok);
        side->addWidget(cancel);
        side->addStretch();
        top->addLayout(side);
        break;
    }
    case Shape::ButtonsBeside: {
        auto* grid = new QGridLayout(d);
        grid->addWidget(block, 0, 0, 1, 3);
        grid->addWidget(new QLabel("note", d), 1, 0);
        grid->addWidget(ok, 1, 1);
        grid->addWidget(cancel, 1, 2);
        break;
    }
    }
    return dlg;
}

struct Case {
    const char* name;
    Shape shape;
    QRect area;
    bool buttonsInView;  // the buttons stay out of the scroll area
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class FitDialogTest : public ::testing::TestWithParam<Case> {};

TEST_P(FitDialogTest, OpensWithinTheAreaItsButtonsInView) {
    const Case& c = GetParam();
    std::unique_ptr<QDialog> dlg = MakeDialog(c.shape);
    const QMargins frame(2, 2, 2, 2);  // the offscreen platform's
    ASSERT_TRUE(FitDialogToArea(*dlg, c.area, frame));
    const QScrollArea* scroll = DialogScrollArea(*dlg);
    ASSERT_TRUE(scroll);
    EXPECT_TRUE(scroll->isAncestorOf(dlg->findChild<QWidget*>("block")));
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    EXPECT_TRUE(c.area.contains(dlg->frameGeometry()))
        << dlg->frameGeometry().width() << "x" << dlg->frameGeometry().height();
    for (const char* name : {"OK", "Cancel"}) {
        auto* b = dlg->findChild<QPushButton*>(name);
        EXPECT_EQ(!scroll->isAncestorOf(b), c.buttonsInView) << name;
        if (c.buttonsInView) {
            EXPECT_EQ(b->visibleRegion(), QRegion(b->rect())) << name;
        }
    }
    // The controls scroll to their far end.
    for (QScrollBar* bar : {scroll->verticalScrollBar(), scroll->horizontalScrollBar()}) bar->setValue(bar->maximum());
    QApplication::processEvents();
    const QWidget* block = dlg->findChild<QWidget*>("block");
    const QPoint end = block->mapTo(scroll->viewport(), QPoint(block->width() - 1, block->height() - 1));
    EXPECT_TRUE(scroll->viewport()->rect().contains(end));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, FitDialogTest,
    ::testing::Values(Case{"TooTallRowBelow", Shape::RowBelow, QRect(0, 0, 700, 400), true},
                      Case{"FixedSizeTooTall", Shape::FixedRowBelow, QRect(0, 0, 700, 400), true},
                      Case{"TooWideAndTallGrid", Shape::GridLastRow, QRect(50, 30, 300, 400), true},
                      Case{"ColumnOfButtonsAtTheRight", Shape::ColumnRight, QRect(0, 0, 700, 400), true},
                      Case{"NoRowOfButtonsAloneScrollsWhole", Shape::ButtonsBeside, QRect(0, 0, 700, 400), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FitDialog, ADialogThatFitsIsLeftAsItIs) {
    for (Shape shape : {Shape::RowBelow, Shape::FixedRowBelow, Shape::GridLastRow}) {
        std::unique_ptr<QDialog> dlg = MakeDialog(shape);
        QLayout* layout = dlg->layout();
        // Exactly its frame's room: it fits.
        dlg->ensurePolished();
        layout->activate();
        const QSize least = dlg->minimumSize() + QSize(4, 4);
        EXPECT_FALSE(FitDialogToArea(*dlg, QRect(QPoint(0, 0), least), QMargins(2, 2, 2, 2)));
        EXPECT_EQ(dlg->layout(), layout);
        EXPECT_EQ(DialogScrollArea(*dlg), nullptr);
        EXPECT_FALSE(dlg->testAttribute(Qt::WA_Moved));
        // A pixel less and it scrolls.
        EXPECT_TRUE(FitDialogToArea(*dlg, QRect(QPoint(0, 0), least - QSize(0, 1)), QMargins(2, 2, 2, 2)));
    }
}

// Tab and a focus the form sets bring an edit below the fold into view,
// through the edits in their order.
TEST(FitDialog, TheFocusedControlComesIntoView) {
    QDialog dlg;
    auto* top = new QVBoxLayout(&dlg);
    std::vector<QLineEdit*> edits;
    for (int i = 0; i < 30; ++i) {
        edits.push_back(Named<QLineEdit>(&dlg, "edit" + std::to_string(i)));
        top->addWidget(edits.back());
    }
    top->addLayout(RightRow({Named<QPushButton>(&dlg, "OK")}));
    ASSERT_TRUE(FitDialogToArea(dlg, QRect(0, 0, 400, 300), QMargins()));
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    edits.front()->setFocus();
    for (std::size_t i = 1; i < edits.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), edits[i]) << i;
    }
    EXPECT_EQ(edits.back()->visibleRegion(), QRegion(edits.back()->rect()));
    edits[2]->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(edits[2]->visibleRegion(), QRegion(edits[2]->rect()));
}

}  // namespace
}  // namespace rp
