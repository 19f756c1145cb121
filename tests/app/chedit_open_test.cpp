// The channel dialog opened from the main window's channel grid: a double
// click on the ">>" column opens it for that row, and a storing OK redraws
// the row.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/appfixture.h"
#include "channels/chedit.h"
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
    auto* rx = dlg->findChild<QLineEdit*>("Text1_0");
    rx->setFocus();
    QTest::keyClicks(rx, "145.5");
    QTest::mouseClick(dlg->findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(openers.OpenDialogs().empty());
    ASSERT_TRUE(IsFreDataExist(d, 12));
    EXPECT_EQ(Cell(12, 1), "145.50000");
}

}  // namespace rp
