// The progress and password dialogs on widgets (offscreen).
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

#include "core/fakes.h"
#include "core/messages.h"
#include "radio/frmpassword.h"
#include "radio/qt/openers.h"
#include "radio/qt/frmprogressshell.h"
#include "radio/qt/radiolink.h"
#include "shellchecktest.h"

namespace rp {
namespace {

AppData& Data() {
    static AppData d;
    static test::FixedTexts texts;
    static const bool init = [] {
        InitMessageTexts(d);
        d.Ui.Texts = &texts;
        d.LanguageIndex = 1;
        return true;
    }();
    (void)init;
    return d;
}

FormDialog* MakePassWord() {
    return BuildFormDialog(std::make_unique<FrmPassWord>(Data()), nullptr, BuildFrmPassWord);
}

const test::ShellCase kShells[] = {
    {"FrmPassWord", [] { return MakePassWord(); }},
    {"FrmProgress", []() -> FormDialog* { return new ProgressDialog(Data(), 1); }},
};
RP_SHELL_CONTROL_CHECK(TransferShells, kShells);

TEST(ProgressDialogQt, OnlyTheTransfersEndClosesIt) {
    ProgressDialog dlg(Data(), 2);
    dlg.open();
    ASSERT_TRUE(dlg.isVisible());
    auto* bar = dlg.findChild<QProgressBar*>(progress::Bar);
    EXPECT_FALSE(bar->isTextVisible());
    EXPECT_EQ(dlg.findChild<QLabel*>(progress::Percent)->text(), "0%");
    dlg.SetProgressValue(41);
    dlg.SetProgressValue(42);
    std::vector<int> shown;
    QObject::connect(&dlg, &ProgressDialog::valueShown, [&](int v) { shown.push_back(v); });
    QApplication::processEvents();
    EXPECT_EQ(shown, std::vector<int>{42});  // one paint for both
    EXPECT_EQ(bar->value(), 42);
    EXPECT_EQ(dlg.findChild<QLabel*>(progress::Percent)->text(), "42%");
    QTest::keyClick(&dlg, Qt::Key_Escape);
    dlg.close();
    dlg.reject();
    QApplication::processEvents();
    EXPECT_TRUE(dlg.isVisible());
    dlg.Finish();
    EXPECT_FALSE(dlg.isVisible());
}

TEST(PassWordDialogQt, MasksWithAsterisks) {
    Data().InputPassWord = "ab";
    std::unique_ptr<FormDialog> dlg(MakePassWord());
    auto* edit = dlg->findChild<QLineEdit*>(password::PassWord);
    EXPECT_EQ(edit->displayText(), "**");
    EXPECT_EQ(edit->maxLength(), 4);
    QTest::keyClicks(edit, "cdef");
    EXPECT_EQ(edit->text(), "abcd");
}

// Enter in the box presses OK, Escape presses Cancel.
TEST(PassWordDialogQt, EnterPressesOkAndEscapeCancel) {
    for (const bool enter : {true, false}) {
        SCOPED_TRACE(enter ? "Enter" : "Escape");
        Data().InputPassWord.clear();
        std::unique_ptr<FormDialog> dlg(MakePassWord());
        dlg->open();
        ASSERT_TRUE(QTest::qWaitFor([&dlg] { return QApplication::activeWindow() == dlg.get(); }));
        ASSERT_EQ(QApplication::focusWidget(), dlg->findChild<QLineEdit*>(password::PassWord));
        QTest::keyClicks(QApplication::focusWidget(), "1234");
        QTest::keyClick(QApplication::focusWidget(), enter ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_FALSE(dlg->isVisible());
        const auto& form = dlg->FormAs<FrmPassWord>();
        EXPECT_EQ(form.PassWordDialogOK, enter);
        if (enter) {
            EXPECT_EQ(form.EnteredPassWord(), "1234");
        }
    }
}

}  // namespace
}  // namespace rp

namespace rp {
namespace {

class Answers : public QuestionAnswers {
public:
    std::vector<std::string> got;
    void OnRetryAnswer(bool retry) override { got.push_back(retry ? "retry" : "cancel"); }
    void OnPassWordAnswer(bool ok, const std::string& text) override {
        got.push_back(std::string(ok ? "ok " : "cancel ") + text);
    }
};

// The questions open after the asking handler has returned, answer once,
// and a question the engine closed answers nothing.
TEST(QuestionPortQt, OpensLaterAnswersOnceAndClosesQuietly) {
    QWidget owner;
    QtQuestionPort port(Data(), [&] { return &owner; });
    Answers a;
    port.Connect(&a);

    port.AskRetry();
    EXPECT_EQ(port.OpenQuestion(), nullptr);  // not from inside the handler
    QApplication::processEvents();
    auto* box = qobject_cast<QMessageBox*>(port.OpenQuestion());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->parentWidget(), &owner);
    box->button(QMessageBox::Retry)->click();
    QApplication::processEvents();
    EXPECT_EQ(a.got, std::vector<std::string>{"retry"});

    port.AskRetry();
    QApplication::processEvents();
    ASSERT_NE(port.OpenQuestion(), nullptr);
    port.CloseQuestion();
    QApplication::processEvents();
    EXPECT_EQ(port.OpenQuestion(), nullptr);

    Data().InputPassWord = "12";
    port.AskPassWord("12");
    QApplication::processEvents();
    auto* dlg = qobject_cast<QDialog*>(port.OpenQuestion());
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->findChild<QLineEdit*>(password::PassWord)->text(), "12");
    port.CloseQuestion();
    QApplication::processEvents();
    EXPECT_EQ(port.OpenQuestion(), nullptr);

    port.AskPassWord("12");
    QApplication::processEvents();
    dlg = qobject_cast<QDialog*>(port.OpenQuestion());
    ASSERT_NE(dlg, nullptr);
    auto* edit = dlg->findChild<QLineEdit*>(password::PassWord);
    edit->selectAll();
    QTest::keyClicks(edit, "abc");
    QTest::mouseClick(dlg->findChild<QPushButton*>(kOKButton), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(a.got, (std::vector<std::string>{"retry", "ok abc"}));
    port.Disconnect(&a);
}

}  // namespace
}  // namespace rp
