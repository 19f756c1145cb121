// The bank dialog on real widgets (offscreen): a list's choice is its
// selected item, a pick in the bank list rebuilds the others, and no key
// presses OK.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "channels/cheditfixture.h"
#include "channels/frmbank.h"
#include "channels/frmbankcontrols.h"
#include "channels/qt/openers.h"
#include "channels/qt/channeldialogfixture.h"
#include "shellchecktest.h"
#include "screenshots.h"

namespace rp {
namespace {

class BankDialog : public test::ChEditTest, public test::ChannelDialogFixture {
protected:
    void SetUp() override {
        test::ChEditTest::SetUp();
        // Channels 1, 2, 3 in store; bank 1 holds 1 and 2.
        d.FreDataCount() = 0;
        for (int n : {1, 2, 3}) d.FreData[static_cast<std::size_t>(d.FreDataCount()++)].No = static_cast<Integer>(n);
        d.WorkData.BankCH.v.fill(0);
        d.WorkData.BankCH(1, 1) = 1;
        d.WorkData.BankCH(2, 1) = 2;
    }
    void TearDown() override { DeleteDialog(); }
    void Show() { OpenShown(std::make_unique<FrmBank>(d)); }
    FrmBank& Form() { return qobject_cast<FormDialog*>(dlg.data())->FormAs<FrmBank>(); }
    QListWidget* List(const char* name) { return dlg->findChild<QListWidget*>(name); }
    QPushButton* Button(const char* name) { return dlg->findChild<QPushButton*>(name); }
    static QStringList Items(QListWidget* l) {
        QStringList s;
        for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
        return s;
    }
    void ClickItem(const char* list, int row) {
        QListWidget* l = List(list);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
        QApplication::processEvents();
    }
    void Press(const char* button) {
        QTest::mouseClick(Button(button), Qt::LeftButton);
        QApplication::processEvents();
    }
    void Key(QWidget* w, Qt::Key key) {
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QTest::keyClick(w, key);
        QApplication::processEvents();
    }
};

FormDialog* MakeForCheck() {
    static AppData d;
    d.AppFolder = RP_SOURCE_DIR;
    return BuildFormDialog(std::make_unique<FrmBank>(d), nullptr, BuildFrmBank);
}
const test::ShellCase kShells[] = {{"FrmBank", MakeForCheck}};
RP_SHELL_CONTROL_CHECK(BankShell, kShells);

TEST_F(BankDialog, FocusAloneChoosesNothingAndEveryClickRebuilds) {
    Show();
    EXPECT_EQ(dlg->windowTitle(), "Bank Channel");
    EXPECT_EQ(dlg->findChild<QLabel*>(bank::BanksLabel)->text(), "BanK:");
    for (const char* name : {bank::MoveIn, bank::MoveOut, kOKButton, kCancelButton})
        EXPECT_FALSE(Button(name)->autoDefault()) << name;
    // The focus neither chooses a bank nor shows one as the current row.
    List(bank::Banks)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_FALSE(List(bank::Banks)->currentIndex().isValid());
    EXPECT_EQ(List(bank::InBank)->count(), 0);
    EXPECT_EQ(List(bank::Others)->count(), 0);

    ClickItem(bank::Banks, 0);
    EXPECT_EQ(Items(List(bank::InBank)), (QStringList{"Channel 0", "Channel 1"}));
    EXPECT_EQ(Items(List(bank::Others)), (QStringList{"Channel 2"}));
    // Channel 1 out, then in again: it takes its slot back but shows last...
    ClickItem(bank::InBank, 0);
    Press(bank::MoveOut);
    EXPECT_TRUE(List(bank::InBank)->selectedItems().isEmpty());
    ClickItem(bank::Others, 1);
    Press(bank::MoveIn);
    EXPECT_EQ(Items(List(bank::InBank)), (QStringList{"Channel 1", "Channel 0"}));
    EXPECT_TRUE(List(bank::Others)->selectedItems().isEmpty());
    // ...until the same bank is clicked again.
    ClickItem(bank::Banks, 0);
    EXPECT_EQ(Items(List(bank::InBank)), (QStringList{"Channel 0", "Channel 1"}));
    EXPECT_TRUE(test::SaveScreenshot(*dlg, "FrmBank"));

    // A key in the bank list chooses as well.
    Key(List(bank::Banks), Qt::Key_Down);
    EXPECT_EQ(Form().ChosenBank(), 2);
    EXPECT_EQ(List(bank::InBank)->count(), 0);
    EXPECT_EQ(Items(List(bank::Others)), (QStringList{"Channel 0", "Channel 1", "Channel 2"}));
}

// The dialog opens with no bank chosen: the first Down in the bank list
// picks Bank 1, the next Bank 2.
TEST_F(BankDialog, TheFirstDownPicksTheFirstBank) {
    Show();
    QListWidget* banks = List(bank::Banks);
    banks->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    for (int chosen : {1, 2}) {
        QTest::keyClick(banks, Qt::Key_Down);
        QApplication::processEvents();
        EXPECT_EQ(Form().ChosenBank(), chosen);
        EXPECT_EQ(banks->currentRow(), chosen - 1);
    }
    EXPECT_EQ(Items(List(bank::Others)), (QStringList{"Channel 0", "Channel 1", "Channel 2"}));
}

TEST_F(BankDialog, AMoveNeedsASelectedItemAndLeavesNoneSelected) {
    Show();
    ClickItem(bank::Banks, 2);
    ClickItem(bank::Others, 0);
    Press(bank::MoveIn);
    Press(bank::MoveIn);
    EXPECT_EQ(Items(List(bank::InBank)), (QStringList{"Channel 0"}));
    EXPECT_EQ(Items(List(bank::Others)), (QStringList{"Channel 1", "Channel 2"}));
    // The focus in the other channels makes no item current: still nothing
    // moves.
    List(bank::Others)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_FALSE(List(bank::Others)->currentIndex().isValid());
    Press(bank::MoveIn);
    EXPECT_EQ(List(bank::InBank)->count(), 1);
    EXPECT_EQ(d.TempBankCH(1, 3), 1);
    EXPECT_EQ(d.TempBankCH(2, 3), 0);
}

TEST_F(BankDialog, EnterNeverPressesOkAndOkCommits) {
    Show();
    ClickItem(bank::Banks, 1);
    ClickItem(bank::Others, 2);
    Press(bank::MoveIn);
    for (const char* name : {bank::Banks, bank::InBank, bank::Others}) Key(List(name), Qt::Key_Return);
    EXPECT_FALSE(closed);
    EXPECT_EQ(d.WorkData.BankCH(1, 2), 0);
    Press(kOKButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.WorkData.BankCH(1, 2), 3);
}

TEST_F(BankDialog, CancelAndEscapeDropTheMoves) {
    for (bool escape : {false, true}) {
        Show();
        ClickItem(bank::Banks, 1);
        ClickItem(bank::Others, 0);
        Press(bank::MoveIn);
        if (escape)
            QTest::keyClick(List(bank::Banks), Qt::Key_Escape);
        else
            Press(kCancelButton);
        QApplication::processEvents();
        EXPECT_TRUE(closed);
        EXPECT_EQ(d.WorkData.BankCH(1, 2), 0);
    }
}

}  // namespace
}  // namespace rp
