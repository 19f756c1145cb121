// The channel dialog opened from the main window's channel grid: a double
// click on the ">>" column opens it for that row, and a storing OK redraws
// the row.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/appfixture.h"
#include "channels/frmchedit.h"
#include "channels/frmcheditcontrols.h"
#include "core/channelstore.h"

namespace rp {
namespace {

class ChEditFromGrid : public test::MainWindowWithDialogs {
protected:
    void DoubleClickCell(int row, int col) {
        TextGridView* g = w->grid(0);
        g->scrollTo(g->GridModel()->IndexOf(row, col));
        const QPoint pt = g->CellRect(row, col).center();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, pt);
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, pt);
    }
    std::string Cell(int row, int col) { return w->form().GridAt(0).Text(row, col); }
};

}  // namespace

TEST_F(ChEditFromGrid, TheDialogColumnOpensItAndOkRedrawsTheRow) {
    const int dialogColumn = w->form().GridAt(0).Cols() - 2;
    DoubleClickCell(12, dialogColumn);
    FormDialog* dlg = Dialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->form().Name(), "FrmCHEdit");
    EXPECT_EQ(d.EditChannelNo, 12);
    EXPECT_EQ(Cell(12, 1), "");
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
    auto* rx = dlg->findChild<QLineEdit*>(chedit::RxFreq);
    rx->setFocus();
    QTest::keyClicks(rx, "145.5");
    QTest::mouseClick(dlg->findChild<QPushButton*>(kOKButton), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(openers.OpenDialogs().empty());
    ASSERT_TRUE(IsFreDataExist(d, 12));
    EXPECT_EQ(Cell(12, 1), "145.50000");
}

// The RX box that has the focus when the dialog opens has its text
// selected: a frequency typed at once replaces it.
TEST_F(ChEditFromGrid, AFrequencyTypedAtOnceReplacesTheRx) {
    ASSERT_TRUE(AddFreDataByFre(d, 12, "440"));
    w->ReShowGrid();
    ASSERT_EQ(Cell(12, 1), "440.00000");
    DoubleClickCell(12, w->form().GridAt(0).Cols() - 2);
    FormDialog* dlg = Dialog();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([dlg] { return QApplication::activeWindow() == dlg; }));
    auto* rx = dlg->findChild<QLineEdit*>(chedit::RxFreq);
    ASSERT_EQ(QApplication::focusWidget(), rx);
    QTest::keyClicks(QApplication::focusWidget(), "438.5");
    EXPECT_EQ(rx->text(), "438.5");
    QTest::keyClick(dlg->findChild<QPushButton*>(kOKButton), Qt::Key_Space);
    QApplication::processEvents();
    EXPECT_TRUE(openers.OpenDialogs().empty());
    EXPECT_EQ(Cell(12, 1), "438.50000");
}

}  // namespace rp
