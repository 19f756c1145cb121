// The about box, the splash window and the file chooser on real widgets
// (offscreen).
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include <filesystem>

#include "core/language.h"
#include "mainwindow/frmabout.h"
#include "mainwindow/mainfixture.h"
#include "mainwindow/qt/openers.h"
#include "mainwindow/qt/frmsplashshell.h"
#include "platform/qtfilechooser.h"
#include "platform/qttranslations.h"
#include "shellchecktest.h"
#include "widgets/shellcheck.h"
#include "screenshots.h"

namespace rp {
namespace {

void Screenshot(QWidget* w, const QString& name) {
    QApplication::processEvents();
    EXPECT_TRUE(test::SaveScreenshot(*w, name));
}

test::StartedProgram& ShellProgram() {
    static test::StartedProgram p;
    return p;
}

const test::ShellCase kShells[] = {
    {"frmAbout", [] {
         return BuildFormDialog(std::make_unique<FrmAbout>(ShellProgram().d), nullptr, BuildFrmAbout);
     }},
};
RP_SHELL_CONTROL_CHECK(AboutShell, kShells);

class AboutBoxTest : public ::testing::Test {
protected:
    test::StartedProgram p;
    DialogOpeners openers;
    QWidget owner;
    bool closed = false;

    QDialog* Open() {
        RegisterMainWindowDialogs(openers);
        owner.resize(800, 600);
        owner.show();
        QDialog* dlg = openers.Open(std::make_unique<FrmAbout>(p.d), &owner, [this] { closed = true; });
        EXPECT_NE(dlg, nullptr);
        QApplication::setActiveWindow(dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dlg));
        return dlg;
    }
};

TEST_F(AboutBoxTest, ShowsItsTextsWithoutSystemInfo) {
    QDialog* dlg = Open();
    EXPECT_TRUE(dlg->isModal() || dlg->windowModality() != Qt::NonModal);
    EXPECT_EQ(dlg->windowTitle().toStdString(), "About");
    EXPECT_EQ(dlg->findChild<QLabel*>(about::Title)->text().toStdString(), "KEVRA_8R");
    const ProgramVersion v = BuildVersion();
    EXPECT_EQ(dlg->findChild<QLabel*>(about::Version)->text().toStdString(),
              "Version " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision));
    EXPECT_FALSE(dlg->findChild<QLabel*>(about::Icon)->pixmap().isNull());
    // Centred on its owner.
    EXPECT_LE((dlg->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 4);
    Screenshot(dlg, "frmAbout");
    EXPECT_FALSE(dlg->findChild<QPushButton*>(about::SysInfo)->isVisible());  // no such tool here
    QTest::mouseClick(dlg->findChild<QPushButton*>(about::OK), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(closed);
}

TEST_F(AboutBoxTest, EscapeAndEnterClose) {
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        closed = false;
        QDialog* dlg = Open();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dlg, key);
        QApplication::processEvents();
        EXPECT_TRUE(closed) << key;
        EXPECT_TRUE(p.notes.shown.empty());
    }
}

TEST_F(AboutBoxTest, ChineseTexts) {
    SetLanguageIndex(p.d, 2);
    QDialog* dlg = Open();
    EXPECT_EQ(dlg->windowTitle().toStdString(), "关于");
    EXPECT_EQ(dlg->findChild<QPushButton*>(about::OK)->text().toStdString(), "确定");
    EXPECT_FALSE(dlg->findChild<QPushButton*>(about::SysInfo)->isVisible());
    Screenshot(dlg, "frmAbout-chinese");
    QTest::keyClick(dlg, Qt::Key_Escape);
}

// ---- the splash window ----

class SplashTest : public ::testing::Test {
protected:
    test::StartedProgram p;
    int mainShown = 0;

    void CopyPicture(const char* name) {
        std::filesystem::copy_file(std::string(RP_BINARY_DIR) + "/bin/" + name, p.tmp / name);
    }
};

TEST_F(SplashTest, ChineseLanguageShowsTheChinesePicture) {
    CopyPicture("StartC.jpg");
    SetLanguageIndex(p.d, 2);
    auto* s = new SplashWindow(p.d, [this] { ++mainShown; });
    s->show();
    EXPECT_TRUE(s->HasPicture());
    EXPECT_EQ(s->size(), QPixmap(QString::fromStdString(p.tmp / "StartC.jpg")).size());
    EXPECT_TRUE(s->windowFlags() & Qt::FramelessWindowHint);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE((s->geometry().center() - screen.center()).manhattanLength(), 2);
    Screenshot(s, "frmSplash-chinese");
    s->close();
}

TEST_F(SplashTest, MissingPictureStillShowsTheSplash) {
    CopyPicture("StartC.jpg");  // only the Chinese one: English finds none
    QPointer<SplashWindow> s = new SplashWindow(p.d, [this] { ++mainShown; });
    s->show();
    QApplication::processEvents();
    EXPECT_TRUE(s->isVisible());
    EXPECT_FALSE(s->HasPicture());
    Screenshot(s, "frmSplash-nopicture");
    // The timer still closes it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.isNull(); }, 4000));
    EXPECT_EQ(mainShown, 1);
}

TEST_F(SplashTest, ClickBeforeTheTimerShowsTheMainWindowOnce) {
    CopyPicture("StartE.jpg");
    QPointer<SplashWindow> s = new SplashWindow(p.d, [this] { ++mainShown; });
    s->show();
    EXPECT_TRUE(s->HasPicture());
    Screenshot(s, "frmSplash");
    QTest::mouseClick(s->findChild<QLabel*>(splash::Logo), Qt::LeftButton);
    EXPECT_EQ(mainShown, 1);
    QTest::qWait(kSplashMs + 300);  // past the time the timer would have fired
    EXPECT_EQ(mainShown, 1);
    EXPECT_TRUE(s.isNull());
}

// ---- the file chooser ----

// Answers the next file chooser by typing `name` and pressing its accept
// button, or cancels it; reports whether a chooser came and what it showed.
struct ChooserScript {
    explicit ChooserScript(QString n = {}) : name(std::move(n)) {}
    QString name;  // empty: cancel
    bool came = false;
    QString filterShown, nameShown, folderShown;
    void Arm() {
        QTimer::singleShot(50, [this] {
            auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dlg) return;
            came = true;
            filterShown = dlg->selectedNameFilter();
            folderShown = dlg->directory().absolutePath();
            if (auto* edit = dlg->findChild<QLineEdit*>("fileNameEdit")) nameShown = edit->text();
            if (name.isEmpty()) {
                dlg->reject();
                return;
            }
            auto* edit = dlg->findChild<QLineEdit*>("fileNameEdit");
            if (!edit) return;
            edit->setText(name);
            QTest::keyClick(edit, Qt::Key_Return);
        });
    }
};

TEST(QtFileChooserTest, SaveAddsNoSuffixAndAsksNothingOverAnExistingFile) {
    test::TempFolder tmp;
    test::WriteFile(tmp / "radio.dat", "x");
    QtFileChooser chooser;
    ChooserScript script{"radio"};
    script.Arm();
    const auto chosen = chooser.ChooseSave({"Data File (*.dat)", tmp / "new.dat", ""});
    EXPECT_TRUE(script.came);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, tmp / "radio");
    EXPECT_EQ(script.filterShown.toStdString(), "Data File (*.dat)");
    EXPECT_EQ(script.nameShown.toStdString(), "new.dat");
    EXPECT_EQ(script.folderShown.toStdString(), std::filesystem::canonical(tmp.path()).string());

    ChooserScript over{"radio.dat"};  // an existing file: no overwrite box of its own
    over.Arm();
    EXPECT_EQ(chooser.ChooseSave({"Data File (*.dat)", tmp / "new.dat", ""}), std::optional<std::string>(tmp / "radio.dat"));

    ChooserScript cancel;
    cancel.Arm();
    EXPECT_EQ(chooser.ChooseSave({"Data File (*.dat)", tmp.path(), ""}), std::nullopt);
    EXPECT_TRUE(cancel.came);
}

// Both choosers open wide enough to show their Size, Type and Date columns
// whole, each within the view, the file's date not cut, in both languages.
TEST(QtFileChooserTest, OpensShowingTheSizeTypeAndDateColumns) {
    test::TempFolder tmp;
    test::WriteFile(tmp / "radio.dat", "x");
    QtFileChooser chooser;
    QtTranslations qtTexts;
    for (auto [language, save] : {std::pair{LangEnglish, false}, {LangEnglish, true}, {LangChinese, false},
                                  {LangChinese, true}}) {
        SCOPED_TRACE(std::string(save ? "save" : "open") + " in language " + std::to_string(language));
        qtTexts.LanguageChanged(language);
        const QString shot = QString(save ? "SaveFileChooser" : "OpenFileChooser") + (language == LangChinese ? "_zh" : "");
        bool came = false;
        std::vector<std::string> cut;
        QTimer::singleShot(50, [&] {
            auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dlg) return;
            came = true;
            auto* view = dlg->findChild<QTreeView*>("treeView");
            auto* model = dlg->findChild<QFileSystemModel*>();
            if (!view || !model) {
                cut.push_back("no detail view");
                dlg->reject();
                return;
            }
            // The folder is read in the background.
            if (!QTest::qWaitFor([&] { return model->rowCount(view->rootIndex()) > 0; }, 3000))
                cut.push_back("the folder was not read");
            QApplication::processEvents();
            const QHeaderView* header = view->header();
            const int room = view->viewport()->width();
            for (int column = 1; column < header->count(); ++column) {
                const std::string name = header->model()->headerData(column, Qt::Horizontal).toString().toStdString();
                const int end = header->sectionViewportPosition(column) + header->sectionSize(column);
                if (end > room) cut.push_back(name + " ends at " + std::to_string(end) + " of " + std::to_string(room));
                const int need = static_cast<const QAbstractItemView*>(view)->sizeHintForColumn(column);
                if (header->sectionSize(column) < need)
                    cut.push_back(name + " is " + std::to_string(header->sectionSize(column)) + " for " +
                                  std::to_string(need));
            }
            Screenshot(dlg, shot);
            dlg->reject();
        });
        const FileChooserRequest request{"Data File (*.dat)", tmp / "radio.dat", ""};
        EXPECT_EQ(save ? chooser.ChooseSave(request) : chooser.ChooseOpen(request), std::nullopt);
        EXPECT_TRUE(came);
        EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
    }
}

TEST(QtFileChooserTest, OpenChoosesAnExistingFile) {
    test::TempFolder tmp;
    test::WriteFile(tmp / "radio.dat", "x");
    QtFileChooser chooser;
    ChooserScript script{"radio.dat"};
    script.Arm();
    EXPECT_EQ(chooser.ChooseOpen({"Data File (*.dat)", tmp / "radio.dat", ""}),
              std::optional<std::string>(tmp / "radio.dat"));
    EXPECT_EQ(script.nameShown.toStdString(), "radio.dat");
}

}  // namespace
}  // namespace rp
