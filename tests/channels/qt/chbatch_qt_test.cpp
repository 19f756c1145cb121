// The batch channel editor on real widgets (offscreen): the opener, the
// initial enabling, the choice boxes and their file, the clamps and the
// input guard, Enter, the option groups and Apply.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "channels/chbatchfixture.h"
#include "channels/qt/openers.h"
#include "channels/qt/channeldialogfixture.h"
#include "shellchecktest.h"

namespace rp {
namespace {

class ChBatchDialog : public test::ChBatchTest, public test::ChannelDialogFixture {
protected:
    // Keys to the widgets, not to the plain form.
    using test::ChannelDialogFixture::Type;

    void TearDown() override { DeleteDialog(); }

    // Opens the dialog as the main window does; shown and active.
    void Show() {
        OpenShown(std::make_unique<FrmCHBatch>(d));
        if (HasFatalFailure()) return;
        Form().SetRandomSource(&random);
    }
    FrmCHBatch& Form() { return qobject_cast<FormDialog*>(dlg.data())->FormAs<FrmCHBatch>(); }
    // A click on a button, or on the box of a tick or option (its hit area
    // is the box and caption, not the whole widget).
    void ClickOn(const std::string& name) {
        QWidget* w = W_(name);
        const bool box = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, box ? QPoint(6, w->height() / 2) : QPoint());
        QApplication::processEvents();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_TRUE(w);
        QTest::keyClick(w, key, mods);
        QApplication::processEvents();
    }
    // Replaces a box's text by typing, as the user would.
    void Retype(const std::string& box, const std::string& text) {
        FocusOn(box);
        Edit(box)->selectAll();
        Key(Qt::Key_Backspace);
        Type(text);
    }
};

// The control-name check: a dialog over default data.
FormDialog* MakeForCheck() {
    static test::TempFolder folder;
    static AppData d;
    d.AppFolder = folder.path();
    d.UserConfigDir = folder / "user";
    return BuildFormDialog(std::make_unique<FrmCHBatch>(d), nullptr, BuildChBatchDialog);
}

const test::ShellCase kShells[] = {{"FrmCHBatch", MakeForCheck}};
RP_SHELL_CONTROL_CHECK(BatchShells, kShells);

}  // namespace

TEST_F(ChBatchDialog, OpensWithTheRulesRunOnTheWidgets) {
    Show();
    for (const char* name : {"Text1_0", "Text1_1", "Text2_2", "Option4_0", "Text2_3", "Text2_4", "Option5_1",
                             "Text2_8", "Text2_9", "Option7_0", "Check3_1", "Combo1_1", "Text2_6", "Option10_0",
                             "Combo1_11", "Combo1_12", "Combo1_13", "Combo1_14"})
        EXPECT_FALSE(W_(name)->isEnabled()) << name;
    for (const char* name : {"Text2_0", "Text2_1", "Combo1_0", "Text2_5", "Text2_7", "Combo1_5"})
        EXPECT_TRUE(W_(name)->isEnabled()) << name;
    EXPECT_EQ(W_<QComboBox>("Combo1_0")->count(), 1077);
    EXPECT_EQ(W_<QComboBox>("Combo1_15")->currentText(), "3");
    EXPECT_TRUE(W_<QRadioButton>("Option1_0")->isChecked());
    EXPECT_TRUE(W_<QCheckBox>("Check3_2")->isChecked());
    EXPECT_FALSE(W_("Frame1")->isHidden());
    EXPECT_TRUE(W_("Frame2")->isHidden());
    for (const char* name : {"Combo1_9", "Combo1_14", "Check1_1", "Text2_10", "Check2_15"})
        EXPECT_TRUE(W_(name)->isHidden()) << name;
    for (QPushButton* b : dlg->findChildren<QPushButton*>()) EXPECT_FALSE(b->autoDefault()) << b->objectName().toStdString();

    const QString shots = QString(RP_BINARY_DIR) + "/screenshots/";
    QDir().mkpath(shots);
    EXPECT_TRUE(dlg->grab().save(shots + "FrmCHBatch.png"));
    W_<QPushButton>("CommandFun")->click();
    QApplication::processEvents();
    EXPECT_TRUE(dlg->grab().save(shots + "FrmCHBatch-functions.png"));
}

TEST_F(ChBatchDialog, AChoiceBoxHidesAndShowsItsRowAndRewritesTheFile) {
    Show();
    ClickOn("CommandFun");
    EXPECT_TRUE(W_("Frame1")->isHidden());
    ASSERT_FALSE(W_("Frame2")->isHidden());
    ClickOn("Check2_20");
    EXPECT_FALSE(W_<QCheckBox>("Check2_20")->isChecked());
    EXPECT_TRUE(W_("Combo1_15")->isHidden());
    EXPECT_TRUE(W_("Label3_15")->isHidden());
    EXPECT_EQ(FileBytes()[20], '\0');
    ClickOn("Check2_20");
    EXPECT_FALSE(W_("Combo1_15")->isHidden());
    EXPECT_EQ(FileBytes()[20], '\1');
    ClickOn("CommandFun");
    EXPECT_TRUE(W_("Combo1_15")->isVisible());
}

TEST_F(ChBatchDialog, SelectAllSkipsTheCompander) {
    Show();
    ClickOn("CommandFun");
    ClickOn("CommandSelNone");
    for (int i = 0; i <= 20; ++i) EXPECT_FALSE(W_<QCheckBox>("Check2_" + std::to_string(i))->isChecked()) << i;
    EXPECT_EQ(FileBytes(), std::string(21, '\0'));
    ClickOn("CommandSelAll");
    for (int i = 0; i <= 20; ++i)
        EXPECT_EQ(W_<QCheckBox>("Check2_" + std::to_string(i))->isChecked(), i != 15) << i;
    EXPECT_EQ(d.BatchFunFlag[15], 0);
    EXPECT_TRUE(W_("Check1_1")->isHidden());
}

TEST_F(ChBatchDialog, BoxesClampWhatIsTyped) {
    Show();
    ClickOn("Option1_1");  // the range boxes take keys once enabled
    ASSERT_TRUE(Edit("Text1_0")->isEnabled());
    Retype("Text1_0", "250");
    EXPECT_EQ(Edit("Text1_0")->text(), "199");
    FocusOn("Text1_1");
    Edit("Text1_1")->selectAll();
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Edit("Text1_1")->text(), "0");
    Retype("Text2_1", "1500");
    EXPECT_EQ(Edit("Text2_1")->text(), "1000");
    // The name box takes letters and digits only, by any way.
    Retype("Text2_7", "A-1 b");
    EXPECT_EQ(Edit("Text2_7")->text(), "A1b");
    QInputMethodEvent e;
    e.setCommitString(QString::fromUtf8("é"));
    QApplication::sendEvent(Edit("Text2_7"), &e);
    EXPECT_EQ(Edit("Text2_7")->text(), "A1b");
    EXPECT_EQ(Edit("Text2_7")->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(ChBatchDialog, EnterNeverRunsApply) {
    Show();
    ASSERT_TRUE(view.calls.empty());
    const int count = d.FreDataCount();
    Retype("Text2_1", "7");
    Key(Qt::Key_Return);
    EXPECT_EQ(Edit("Text2_1")->text(), "5");  // normalised, and the focus moved on
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Option2_0");
    for (const char* name : {"Combo1_2", "Check1_0", "Option2_0", "Text3", "Text2_0"}) {
        FocusOn(name);
        Key(Qt::Key_Return);
        Key(Qt::Key_Enter, Qt::KeypadModifier);
    }
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(d.FreDataCount(), count);
    EXPECT_FALSE(closed);
}

TEST_F(ChBatchDialog, EachOptionPairIsAGroupOfItsOwn) {
    Show();
    ClickOn("Option3_2");
    ClickOn("Option5_1");
    ClickOn("Option9_1");
    EXPECT_TRUE(W_<QRadioButton>("Option5_1")->isChecked());
    EXPECT_TRUE(W_<QRadioButton>("Option3_2")->isChecked());
    EXPECT_TRUE(W_<QRadioButton>("Option2_0")->isChecked());
    EXPECT_TRUE(W_<QRadioButton>("Option9_1")->isChecked());
    EXPECT_TRUE(W_<QRadioButton>("Option10_0")->isChecked());
    EXPECT_EQ(Form().BuildRequest().option[5], 1);
    EXPECT_TRUE(Edit("Text2_3")->isEnabled());
}

TEST_F(ChBatchDialog, ApplyChangesTheStoreAndRedrawsOnlyTheMemoryList) {
    Show();
    ClickOn("CommandFun");
    ClickOn("CommandSelNone");
    ClickOn("Check2_0");
    ClickOn("CommandFun");
    ClickOn("Option1_1");
    Retype("Text1_0", "9");
    Retype("Text1_1", "3");
    ClickOn("CommandApply");
    for (int n = 4; n <= 10; ++n) EXPECT_GE(FindFreDataIndex(d, n), 0) << n;
    EXPECT_LT(FindFreDataIndex(d, 11), 0);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ReShowListByData"}));
    EXPECT_EQ(view.listTypes, (std::vector<int>{0}));
    EXPECT_FALSE(closed);
    ClickOn("CommandClose");
    EXPECT_TRUE(closed);
}

}  // namespace rp
