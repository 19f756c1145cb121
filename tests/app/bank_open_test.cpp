// The bank dialog opened from the main window: the memory list is redrawn
// after it closes, whichever way it closed, and only while it is shown.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/appfixture.h"
#include "channels/frmbank.h"
#include "channels/frmbankcontrols.h"

namespace rp {
namespace {

class BankFromMenu : public test::MainWindowWithDialogs {
protected:
    FormDialog* Open() {
        w->findChild<QAction*>(mainform::EditBanks)->trigger();
        QApplication::processEvents();
        return Dialog();
    }
    TextGrid& Grid() { return w->form().GridAt(0); }
};

TEST_F(BankFromMenu, EveryWayOutRedrawsTheMemoryList) {
    const std::string bankCell = Grid().Text(1, 6);
    for (const char* way : {kOKButton, kCancelButton, "Escape", "CloseBox"}) {
        SCOPED_TRACE(way);
        FormDialog* dlg = Open();
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->form().Name(), "FrmBank");
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
        Grid().SetText(1, 3, "MARK");
        if (std::string(way) == "Escape")
            QTest::keyClick(dlg, Qt::Key_Escape);
        else if (std::string(way) == "CloseBox")
            dlg->close();
        else
            QTest::mouseClick(dlg->findChild<QPushButton*>(way), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_TRUE(openers.OpenDialogs().empty());
        EXPECT_NE(Grid().Text(1, 3), "MARK");
    }
    EXPECT_EQ(Grid().Text(1, 6), bankCell);
}

TEST_F(BankFromMenu, OkShowsTheNewBankInTheGrid) {
    FormDialog* dlg = Open();
    ASSERT_NE(dlg, nullptr);
    FrmBank& f = dlg->FormAs<FrmBank>();
    auto* banks = dlg->findChild<QListWidget*>(bank::Banks);
    banks->setCurrentRow(8);  // a pick by the user (selection)
    QApplication::processEvents();
    ASSERT_EQ(f.ChosenBank(), 9);
    auto* others = dlg->findChild<QListWidget*>(bank::Others);
    ASSERT_GT(others->count(), 0);
    ASSERT_EQ(others->item(0)->text(), "Channel 0");
    others->setCurrentRow(0);
    QTest::mouseClick(dlg->findChild<QPushButton*>(bank::MoveIn), Qt::LeftButton);
    QTest::mouseClick(dlg->findChild<QPushButton*>(kOKButton), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_NE(Grid().Text(1, 6).find('9'), std::string::npos);
}

TEST_F(BankFromMenu, AnotherListStaysAsItIs) {
    w->form().tvTreeView_NodeClick("N102");
    QApplication::processEvents();
    ASSERT_EQ(d.ShowListType, ListGMRS);
    Grid().SetText(1, 3, "MARK");
    FormDialog* dlg = Open();
    ASSERT_NE(dlg, nullptr);
    QTest::mouseClick(dlg->findChild<QPushButton*>(kOKButton), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(Grid().Text(1, 3), "MARK");
}

}  // namespace
}  // namespace rp
