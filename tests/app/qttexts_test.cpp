// Qt's own texts (standard buttons, file choosers) follow the program's
// language: Chinese from start-up in Chinese, English after a switch to
// English in the language dialog, Chinese again after the switch back.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include "app/appfixture.h"
#include "app/program.h"
#include "core/fakes.h"
#include "forms/savequestion.h"
#include "mainwindow/frmlanguagecontrols.h"
#include "platform/messagebox.h"
#include "screenshots.h"

namespace rp {
namespace {

// A button's text without its mnemonic ("是(&Y)" -> "是", "&Yes" -> "Yes").
QString Plain(QString t) {
    t.remove(QRegularExpression("\\(&.\\)"));
    t.remove('&');
    return t;
}

QStringList ButtonTexts(QMessageBox& box, std::initializer_list<QMessageBox::StandardButton> which) {
    QStringList out;
    for (auto b : which) out << (box.button(b) ? Plain(box.button(b)->text()) : QString("<none>"));
    return out;
}

QStringList NewBoxTexts() {
    auto ok = MakeMessageBox("?", MsgIcon::Question, MsgButtons::OkCancel, "", nullptr);
    auto yes = MakeMessageBox("?", MsgIcon::Question, MsgButtons::YesNo, "", nullptr);
    auto retry = MakeMessageBox("?", MsgIcon::Question, MsgButtons::RetryCancel, "", nullptr);
    return ButtonTexts(*ok, {QMessageBox::Ok, QMessageBox::Cancel}) +
           ButtonTexts(*yes, {QMessageBox::Yes, QMessageBox::No}) + ButtonTexts(*retry, {QMessageBox::Retry});
}

// The cancel button of a file chooser made now (Qt's own dialog offscreen).
QString ChooserCancelText() {
    QFileDialog dlg(nullptr, "x");
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    auto* box = dlg.findChild<QDialogButtonBox*>();
    if (!box || !box->button(QDialogButtonBox::Cancel)) return "<none>";
    return Plain(box->button(QDialogButtonBox::Cancel)->text());
}

const QStringList kChinese = {"确定", "取消", "是", "否", "重试"};
const QStringList kEnglish = {"OK", "Cancel", "Yes", "No", "Retry"};

class QtTextsTest : public ::testing::Test {
protected:
    test::TempFolder tmp;
    test::RecordingNotifier notes;
    test::ScriptedFileChooser files;
    test::FakePorts ports;
    std::unique_ptr<Program> program;

    void SetUp() override {
        test::IsolateSettingsStore();
        test::ShipLanguageFiles(tmp);
    }
    void TearDown() override {
        program.reset();
        QApplication::processEvents();
    }
    void StartIn(int language) {
        StartupHooks h;
        h.LanguageIndex = language;
        program = test::ProgramIn(tmp, &notes, ports, files, h);
        program->Start();
        QTest::mouseClick(program->splash()->findChild<QLabel*>(splash::Logo), Qt::LeftButton);
        ASSERT_TRUE(test::WaitForMainWindow(*program, 5000));
    }
    // The language dialog from the menu, entry 0 English or 1 Chinese, OK.
    void SwitchTo(int entry) {
        program->window()->findChild<QAction*>(mainform::SetLanguage)->trigger();
        QApplication::processEvents();
        const auto open = program->openers().OpenDialogs();
        ASSERT_EQ(open.size(), 1u);
        auto* combo = open.front()->findChild<QComboBox*>(language::List);
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(entry);
        emit combo->activated(entry);
        QTest::mouseClick(open.front()->findChild<QPushButton*>(kOKButton), Qt::LeftButton);
        QApplication::processEvents();
        ASSERT_TRUE(program->openers().OpenDialogs().empty());
        ASSERT_EQ(program->data().LanguageIndex, entry + 1);
    }
};

TEST_F(QtTextsTest, ButtonsFollowTheLanguageFromStartUpAndEverySwitch) {
    StartIn(LangChinese);
    EXPECT_EQ(NewBoxTexts(), kChinese);
    EXPECT_EQ(ChooserCancelText(), "取消");
    // A box open during the switch follows it too.
    auto open = MakeMessageBox("?", MsgIcon::Question, MsgButtons::OkCancel, "", program->window());
    open->show();

    SwitchTo(0);
    EXPECT_EQ(NewBoxTexts(), kEnglish);
    EXPECT_EQ(ChooserCancelText(), "Cancel");
    EXPECT_EQ(ButtonTexts(*open, {QMessageBox::Ok, QMessageBox::Cancel}), QStringList({"OK", "Cancel"}));

    SwitchTo(1);
    EXPECT_EQ(NewBoxTexts(), kChinese);
    EXPECT_EQ(ButtonTexts(*open, {QMessageBox::Ok, QMessageBox::Cancel}), QStringList({"确定", "取消"}));
    open.reset();

    // Closing the program drops the catalogue with it.
    program.reset();
    EXPECT_EQ(NewBoxTexts(), kEnglish);
}

TEST_F(QtTextsTest, EnglishStartKeepsQtsTextsEnglish) {
    StartIn(LangEnglish);
    EXPECT_EQ(NewBoxTexts(), kEnglish);
}

// The question asked before unsaved data is left, as the user sees it.
TEST_F(QtTextsTest, ChineseSaveQuestionScreenshot) {
    StartIn(LangChinese);
    auto box = MakeMessageBox(SaveQuestionText(program->data()), MsgIcon::Warning, MsgButtons::YesNoCancel,
                              kAppTitle, program->window());
    EXPECT_EQ(ButtonTexts(*box, {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}),
              QStringList({"是", "否", "取消"}));
    box->show();
    QApplication::processEvents();
    EXPECT_TRUE(test::SaveScreenshot(*box, "save_question_zh"));
}

}  // namespace
}  // namespace rp
