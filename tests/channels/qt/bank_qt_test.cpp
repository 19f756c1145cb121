// The bank dialog on real widgets (offscreen): a list's choice is its
// selected item, List1 rebuilds on every pick, and no key presses OK.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "channels/cheditfixture.h"
#include "channels/frmbank.h"
#include "channels/qt/openers.h"
#include "channels/qt/channeldialogfixture.h"
#include "shellchecktest.h"

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
    return BuildFormDialog(std::make_unique<FrmBank>(d), nullptr, BuildBankDialog);
}
const test::ShellCase kShells[] = {{"FrmBank", MakeForCheck}};
RP_SHELL_CONTROL_CHECK(BankShell, kShells);

TEST_F(BankDialog, FocusAloneChoosesNothingAndEveryClickRebuilds) {
    Show();
    EXPECT_EQ(dlg->windowTitle(), "Bank Channel");
    EXPECT_EQ(dlg->findChild<QLabel*>("Label1_0")->text(), "BanK:");
    for (const char* name : {"CommandL", "CommandR", "CommandOK", "CommandCancel"})
        EXPECT_FALSE(Button(name)->autoDefault()) << name;
    // The focus makes an item current without choosing it.
    List("List1")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(List("List2")->count(), 0);
    EXPECT_EQ(List("List3")->count(), 0);

    ClickItem("List1", 0);
    EXPECT_EQ(Items(List("List2")), (QStringList{"Channel 0", "Channel 1"}));
    EXPECT_EQ(Items(List("List3")), (QStringList{"Channel 2"}));
    // Channel 1 out, then in again: it takes its slot back but shows last...
    ClickItem("List2", 0);
    Press("CommandR");
    EXPECT_TRUE(List("List2")->selectedItems().isEmpty());
    ClickItem("List3", 1);
    Press("CommandL");
    EXPECT_EQ(Items(List("List2")), (QStringList{"Channel 1", "Channel 0"}));
    EXPECT_TRUE(List("List3")->selectedItems().isEmpty());
    // ...until the same bank is clicked again.
    ClickItem("List1", 0);
    EXPECT_EQ(Items(List("List2")), (QStringList{"Channel 0", "Channel 1"}));
    QDir().mkpath(QString(RP_BINARY_DIR) + "/screenshots");
    EXPECT_TRUE(dlg->grab().save(QString(RP_BINARY_DIR) + "/screenshots/FrmBank.png"));

    // A key in the bank list chooses as well.
    Key(List("List1"), Qt::Key_Down);
    EXPECT_EQ(Form().ChosenBank(), 2);
    EXPECT_EQ(List("List2")->count(), 0);
    EXPECT_EQ(Items(List("List3")), (QStringList{"Channel 0", "Channel 1", "Channel 2"}));
}

TEST_F(BankDialog, AMoveNeedsASelectedItemAndLeavesNoneSelected) {
    Show();
    ClickItem("List1", 2);
    ClickItem("List3", 0);
    Press("CommandL");
    Press("CommandL");
    EXPECT_EQ(Items(List("List2")), (QStringList{"Channel 0"}));
    EXPECT_EQ(Items(List("List3")), (QStringList{"Channel 1", "Channel 2"}));
    // The focus in List3 makes its first item current: still nothing moves.
    List("List3")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    Press("CommandL");
    EXPECT_EQ(List("List2")->count(), 1);
    EXPECT_EQ(d.TempBankCH(1, 3), 1);
    EXPECT_EQ(d.TempBankCH(2, 3), 0);
}

TEST_F(BankDialog, EnterNeverPressesOkAndOkCommits) {
    Show();
    ClickItem("List1", 1);
    ClickItem("List3", 2);
    Press("CommandL");
    for (const char* name : {"List1", "List2", "List3"}) Key(List(name), Qt::Key_Return);
    EXPECT_FALSE(closed);
    EXPECT_EQ(d.WorkData.BankCH(1, 2), 0);
    Press("CommandOK");
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.WorkData.BankCH(1, 2), 3);
}

TEST_F(BankDialog, CancelAndEscapeDropTheMoves) {
    for (bool escape : {false, true}) {
        Show();
        ClickItem("List1", 1);
        ClickItem("List3", 0);
        Press("CommandL");
        if (escape)
            QTest::keyClick(List("List1"), Qt::Key_Escape);
        else
            Press("CommandCancel");
        QApplication::processEvents();
        EXPECT_TRUE(closed);
        EXPECT_EQ(d.WorkData.BankCH(1, 2), 0);
    }
}

}  // namespace
}  // namespace rp
