// The print-item dialog on widgets: its controls, the tick buttons, and
// whole jobs printed to PDF files.
#include <QCheckBox>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "core/language.h"
#include "mainwindow/frmmain.h"
#include "printfixture_qt.h"
#include "printing/frmprintlist.h"
#include "shellchecktest.h"
#include "screenshots.h"

using namespace rp;
namespace fs = std::filesystem;

namespace {

class PrintShell : public rp::test::PrintShellTest {
protected:
    void Click(FormDialog* dlg, const char* name) {
        auto* b = dlg->findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QCheckBox* Box(FormDialog* dlg, int i) {
        return dlg->findChild<QCheckBox*>(QString::fromStdString(printlist::Items[i]));
    }
    std::vector<std::string> FilesInTmp() const {
        std::vector<std::string> v;
        for (const auto& e : fs::directory_iterator(tmp.path()))
            if (e.is_regular_file()) v.push_back(e.path().filename().string());
        return v;
    }
};

AppData& ShellData() {
    static AppData d;
    InitPrintStrings(d);
    d.LanguageIndex = 1;
    return d;
}

const rp::test::ShellCase kShells[] = {
    {"FrmPrintList", [] {
         return BuildFormDialog(std::make_unique<FrmPrintList>(ShellData()), nullptr,
                                [](FormDialog& dlg) { BuildFrmPrintList(dlg); });
     }},
};
RP_SHELL_CONTROL_CHECK(PrintingShells, kShells);

}  // namespace

TEST_F(PrintShell, TheHiddenPrintEntryOpensTheDialog) {
    // The main window's part: its dialogs open through the openers.
    struct Host : FormHost {
        DialogOpeners& openers;
        explicit Host(DialogOpeners& o) : openers(o) {}
        void Open(std::unique_ptr<Form> child, std::function<void()> onClosed) override {
            openers.Open(std::move(child), nullptr, std::move(onClosed));
        }
    } host{openers};
    FrmMain frm(d);
    frm.SetHost(&host);
    frm.RunCommand(mainform::FilePrint);
    const auto open = openers.OpenDialogs();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0]->objectName(), "FrmPrintList");
    EXPECT_EQ(open[0]->windowTitle(), QString::fromUtf8("打印列表"));
    EXPECT_TRUE(open[0]->isModal() || open[0]->windowModality() != Qt::NonModal);
}

TEST_F(PrintShell, SelectAllTicksTheShownBoxesAndNoneTickedWarns) {
    FormDialog* dlg = Open();
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(Box(dlg, 1)->isHidden());
    EXPECT_TRUE(Box(dlg, 2)->isHidden());
    Click(dlg, printlist::SelectAll);
    for (int i : {0, 3, 4, 5, 6, 7, 8, 9}) {
        EXPECT_FALSE(Box(dlg, i)->isHidden()) << i;
        EXPECT_TRUE(Box(dlg, i)->isChecked()) << i;
    }
    EXPECT_FALSE(Box(dlg, 1)->isChecked());
    for (int i : {0, 3, 4, 5, 6, 7, 8, 9}) QTest::mouseClick(Box(dlg, i), Qt::LeftButton, {}, QPoint(5, 5));
    Click(dlg, printlist::Print);
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].text, "Please select printing items.");
    EXPECT_EQ(choosers, 0);
    EXPECT_FALSE(closed);
}

TEST_F(PrintShell, CancelledPrinterDialogKeepsTheDialogAndItsTicks) {
    pdfPath.clear();
    FormDialog* dlg = Open();
    Box(dlg, 7)->click();
    Click(dlg, printlist::Print);
    EXPECT_EQ(choosers, 1);
    EXPECT_FALSE(d.PrintOK);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_FALSE(closed);
    EXPECT_TRUE(Box(dlg, 7)->isChecked());
    Click(dlg, printlist::Setup);  // the same chooser for set-up
    EXPECT_EQ(choosers, 2);
    EXPECT_FALSE(closed);
    Click(dlg, printlist::Cancel);
    EXPECT_TRUE(closed);
}

TEST_F(PrintShell, AJobPrintsAPdfWithChineseTextAndTheDialogCloses) {
    SetLanguageIndex(d, 2);
    const RadioDataRec before = d.WorkData;
    FormDialog* dlg = Open();
    Click(dlg, printlist::SelectAll);
    Click(dlg, printlist::Print);
    EXPECT_TRUE(d.PrintOK);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_TRUE(closed);
    ASSERT_TRUE(fs::exists(pdfPath));
    EXPECT_EQ(FilesInTmp(), std::vector<std::string>{"report.pdf"});
    EXPECT_EQ(d.WorkData, before);
    const std::string text = rp::test::PdfText(pdfPath);
    EXPECT_NE(text.find("KEVRA_8R 对讲机编程信息"), std::string::npos) << text.substr(0, 400);
    EXPECT_NE(text.find("通信簿"), std::string::npos);
    EXPECT_NE(text.find("维修原因"), std::string::npos);
    const QLocale sys = QLocale::system();
    const std::string when = (sys.toString(clock.date(), QLocale::ShortFormat) + "    " +
                              sys.toString(clock.time(), QLocale::ShortFormat)).toStdString();
    EXPECT_NE(text.find(sys.toString(clock.date(), QLocale::ShortFormat).toStdString()), std::string::npos)
        << when;
    // pdftotext drops the footer's blanks: "- 1 -" reads "-1-".
    const int pages = rp::test::PdfPages(pdfPath);
    EXPECT_GE(pages, 5);
    for (int page = 1; page <= pages; ++page)
        EXPECT_NE(text.find("-" + std::to_string(page) + "-"), std::string::npos) << page;
}

TEST_F(PrintShell, APdfInAMissingFolderFailsLeavingNoFileAndTheDialogOpen) {
    pdfPath = tmp / "missing/report.pdf";
    FormDialog* dlg = Open();
    Box(dlg, 3)->click();
    Click(dlg, printlist::Print);
    EXPECT_FALSE(d.PrintOK);
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].text, "Printing failed.");
    EXPECT_EQ(notes.shown[0].icon, MsgIcon::Warning);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(Box(dlg, 3)->isChecked());
    EXPECT_FALSE(fs::exists(tmp / "missing"));
    EXPECT_TRUE(FilesInTmp().empty());
    EXPECT_EQ(openers.OpenDialogs().size(), 1u);
    // No other window was left behind.
    int dialogs = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(w)) ++dialogs;
    EXPECT_EQ(dialogs, 1);
}

TEST_F(PrintShell, ScreenshotsInBothLanguages) {
    for (int language : {1, 2}) {
        SetLanguageIndex(d, language);
        FormDialog* dlg = Open();
        dlg->show();
        EXPECT_EQ(Box(dlg, 0)->text(), QString::fromStdString(LangText(d, d.Prt.PrtItemNames[0])));
        EXPECT_LT(Box(dlg, 0)->y(), Box(dlg, 3)->y());
        EXPECT_LT(Box(dlg, 8)->y(), Box(dlg, 9)->y());
        const QString name = language == 1 ? "FrmPrintList-english" : "FrmPrintList-chinese";
        EXPECT_TRUE(test::SaveScreenshot(*dlg, name));
        openers.CloseAll();
    }
}
