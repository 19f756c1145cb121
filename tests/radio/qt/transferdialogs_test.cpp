// The progress and password dialogs on widgets (offscreen).
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

#include "core/fakes.h"
#include "core/messages.h"
#include "radio/qt/openers.h"
#include "radio/qt/progressdialog.h"
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

class NoCalls : public MainWindowCalls {};

FormDialog* MakePassWord() {
    static NoCalls calls;
    return MakePassWordDialog(DialogContext{Data(), calls, nullptr});
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
    auto* bar = dlg.findChild<QProgressBar*>("ProgressBar1");
    EXPECT_FALSE(bar->isTextVisible());
    EXPECT_EQ(dlg.findChild<QLabel*>("Label2")->text(), "0%");
    dlg.SetProgressValue(41);
    dlg.SetProgressValue(42);
    std::vector<int> shown;
    QObject::connect(&dlg, &ProgressDialog::valueShown, [&](int v) { shown.push_back(v); });
    QApplication::processEvents();
    EXPECT_EQ(shown, std::vector<int>{42});  // one paint for both
    EXPECT_EQ(bar->value(), 42);
    EXPECT_EQ(dlg.findChild<QLabel*>("Label2")->text(), "42%");
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
    auto* edit = dlg->findChild<QLineEdit*>("Text1");
    EXPECT_EQ(edit->displayText(), "**");
    EXPECT_EQ(edit->maxLength(), 4);
    QTest::keyClicks(edit, "cdef");
    EXPECT_EQ(edit->text(), "abcd");
}

}  // namespace
}  // namespace rp
