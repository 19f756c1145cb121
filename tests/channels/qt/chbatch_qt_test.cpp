// The batch channel editor on real widgets (offscreen): the opener, the
// initial enabling, the choice boxes and their file, the clamps and the
// input guard, Enter, the option groups and Apply.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
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
#include "screenshots.h"

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
    return BuildFormDialog(std::make_unique<FrmCHBatch>(d), nullptr, BuildFrmCHBatch);
}

const test::ShellCase kShells[] = {{"FrmCHBatch", MakeForCheck}};
RP_SHELL_CONTROL_CHECK(BatchShells, kShells);

}  // namespace

TEST_F(ChBatchDialog, OpensWithTheRulesRunOnTheWidgets) {
    Show();
    for (const char* name : {chbatch::RangeFrom, chbatch::RangeTo, chbatch::TxOffset, chbatch::ShiftPlus,
                             chbatch::TxStart, chbatch::TxStep, chbatch::TxDown, chbatch::StartId, chbatch::IdStep,
                             chbatch::IdUp, chbatch::RandomEncode, chbatch::EncodeTones, chbatch::EncodeStep,
                             chbatch::EncodeUp, chbatch::DtmfCode, chbatch::TwoToneCode, chbatch::FiveToneCode,
                             chbatch::MskGroup})
        EXPECT_FALSE(W_(name)->isEnabled()) << name;
    for (const char* name : {chbatch::RxStart, chbatch::RxStep, chbatch::DecodeTones, chbatch::DecodeStep,
                             chbatch::NameText, chbatch::Signalling})
        EXPECT_TRUE(W_(name)->isEnabled()) << name;
    EXPECT_EQ(W_<QComboBox>(chbatch::DecodeTones)->count(), 1077);
    EXPECT_EQ(W_<QComboBox>(chbatch::SqlLevel)->currentText(), "3");
    EXPECT_TRUE(W_<QRadioButton>(chbatch::AllChannels)->isChecked());
    EXPECT_TRUE(W_<QCheckBox>(chbatch::EncodeAsDecode)->isChecked());
    EXPECT_FALSE(W_(chbatch::ValuePanel)->isHidden());
    EXPECT_TRUE(W_(chbatch::FunctionPanel)->isHidden());
    for (const std::string& name : std::vector<std::string>{chbatch::Scrambler, chbatch::MskGroup, chbatch::Compander,
                                                            chbatch::OwnId, chbatch::FunctionChoices[15]})
        EXPECT_TRUE(W_(name)->isHidden()) << name;
    for (QPushButton* b : dlg->findChildren<QPushButton*>()) EXPECT_FALSE(b->autoDefault()) << b->objectName().toStdString();

    const QString shots = test::ScreenshotFolder() + "/";
    EXPECT_TRUE(dlg->grab().save(shots + "FrmCHBatch.png"));
    W_<QPushButton>(chbatch::PanelSwitch)->click();
    QApplication::processEvents();
    EXPECT_TRUE(dlg->grab().save(shots + "FrmCHBatch-functions.png"));
}

TEST_F(ChBatchDialog, AChoiceBoxHidesAndShowsItsRowAndRewritesTheFile) {
    Show();
    ClickOn(chbatch::PanelSwitch);
    EXPECT_TRUE(W_(chbatch::ValuePanel)->isHidden());
    ASSERT_FALSE(W_(chbatch::FunctionPanel)->isHidden());
    ClickOn(chbatch::FunctionChoices[20]);
    EXPECT_FALSE(W_<QCheckBox>(chbatch::FunctionChoices[20])->isChecked());
    EXPECT_TRUE(W_(chbatch::SqlLevel)->isHidden());
    EXPECT_TRUE(W_(chbatch::RowLabels[15])->isHidden());
    EXPECT_EQ(FileBytes()[20], '\0');
    ClickOn(chbatch::FunctionChoices[20]);
    EXPECT_FALSE(W_(chbatch::SqlLevel)->isHidden());
    EXPECT_EQ(FileBytes()[20], '\1');
    ClickOn(chbatch::PanelSwitch);
    EXPECT_TRUE(W_(chbatch::SqlLevel)->isVisible());
}

TEST_F(ChBatchDialog, SelectAllSkipsTheCompander) {
    Show();
    ClickOn(chbatch::PanelSwitch);
    ClickOn(chbatch::SelectNone);
    for (int i = 0; i <= 20; ++i) EXPECT_FALSE(W_<QCheckBox>(chbatch::FunctionChoices[i])->isChecked()) << i;
    EXPECT_EQ(FileBytes(), std::string(21, '\0'));
    ClickOn(chbatch::SelectAll);
    for (int i = 0; i <= 20; ++i)
        EXPECT_EQ(W_<QCheckBox>(chbatch::FunctionChoices[i])->isChecked(), i != 15) << i;
    EXPECT_EQ(d.BatchFunFlag[15], 0);
    EXPECT_TRUE(W_(chbatch::Compander)->isHidden());
}

TEST_F(ChBatchDialog, BoxesClampWhatIsTyped) {
    Show();
    ClickOn(chbatch::ChannelRange);  // the range boxes take keys once enabled
    ASSERT_TRUE(Edit(chbatch::RangeFrom)->isEnabled());
    Retype(chbatch::RangeFrom, "250");
    EXPECT_EQ(Edit(chbatch::RangeFrom)->text(), "199");
    FocusOn(chbatch::RangeTo);
    Edit(chbatch::RangeTo)->selectAll();
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Edit(chbatch::RangeTo)->text(), "0");
    Retype(chbatch::RxStep, "1500");
    EXPECT_EQ(Edit(chbatch::RxStep)->text(), "1000");
    // The name box takes letters and digits only, by any way.
    Retype(chbatch::NameText, "A-1 b");
    EXPECT_EQ(Edit(chbatch::NameText)->text(), "A1b");
    QInputMethodEvent e;
    e.setCommitString(QString::fromUtf8("é"));
    QApplication::sendEvent(Edit(chbatch::NameText), &e);
    EXPECT_EQ(Edit(chbatch::NameText)->text(), "A1b");
    EXPECT_EQ(Edit(chbatch::NameText)->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(ChBatchDialog, EnterNeverRunsApply) {
    Show();
    ASSERT_TRUE(view.calls.empty());
    const int count = d.FreDataCount();
    Retype(chbatch::RxStep, "7");
    Key(Qt::Key_Return);
    EXPECT_EQ(Edit(chbatch::RxStep)->text(), "5");  // normalised, and the focus moved on
    EXPECT_EQ(QApplication::focusWidget()->objectName(), chbatch::RxUp);
    for (const char* name : {chbatch::Step, chbatch::TxInhibit, chbatch::RxUp, chbatch::OwnCtcss, chbatch::RxStart}) {
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
    ClickOn(chbatch::TxByStart);
    ClickOn(chbatch::TxDown);
    ClickOn(chbatch::DecodeDown);
    EXPECT_TRUE(W_<QRadioButton>(chbatch::TxDown)->isChecked());
    EXPECT_TRUE(W_<QRadioButton>(chbatch::TxByStart)->isChecked());
    EXPECT_TRUE(W_<QRadioButton>(chbatch::RxUp)->isChecked());
    EXPECT_TRUE(W_<QRadioButton>(chbatch::DecodeDown)->isChecked());
    EXPECT_TRUE(W_<QRadioButton>(chbatch::EncodeUp)->isChecked());
    EXPECT_EQ(Form().BuildRequest().option[5], 1);
    EXPECT_TRUE(Edit(chbatch::TxStart)->isEnabled());
}

TEST_F(ChBatchDialog, ApplyChangesTheStoreAndRedrawsOnlyTheMemoryList) {
    Show();
    ClickOn(chbatch::PanelSwitch);
    ClickOn(chbatch::SelectNone);
    ClickOn(chbatch::FunctionChoices[0]);
    ClickOn(chbatch::PanelSwitch);
    ClickOn(chbatch::ChannelRange);
    Retype(chbatch::RangeFrom, "9");
    Retype(chbatch::RangeTo, "3");
    ClickOn(chbatch::ApplyButton);
    for (int n = 4; n <= 10; ++n) EXPECT_GE(FindFreDataIndex(d, n), 0) << n;
    EXPECT_LT(FindFreDataIndex(d, 11), 0);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ReShowListByData"}));
    EXPECT_EQ(view.listTypes, (std::vector<int>{0}));
    EXPECT_FALSE(closed);
    ClickOn(kCloseButton);
    EXPECT_TRUE(closed);
}

}  // namespace rp
