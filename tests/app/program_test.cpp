// The program's start-up on real widgets (offscreen), each run in a
// temporary program folder with a settings store of its own.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/appfixture.h"
#include "app/program.h"
#include "core/datafiles.h"
#include "core/defaults.h"
#include "core/fakes.h"
#include "core/profile.h"
#include "core/tempfolder.h"
#include "core/testdata.h"
#include "screenshots.h"

namespace rp {
namespace {

namespace fs = std::filesystem;

const std::string kBin = std::string(RP_BINARY_DIR) + "/bin";

std::vector<MainWindow*> MainWindows() {
    std::vector<MainWindow*> v;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<MainWindow*>(w)) v.push_back(m);
    return v;
}

void Screenshot(QWidget* w, const QString& name) {
    QApplication::processEvents();
    EXPECT_TRUE(test::SaveScreenshot(*w, name));
}

class ProgramTest : public ::testing::Test {
protected:
    test::TempFolder tmp;
    test::RecordingNotifier notes;
    test::ScriptedFileChooser files;
    test::FakePorts ports;
    std::unique_ptr<Program> program;

    void SetUp() override { test::IsolateSettingsStore(); }
    void TearDown() override {
        program.reset();
        QApplication::processEvents();
    }
    // Copies shipped files from the build's program folder.
    void Ship(const std::string& rel) {
        fs::create_directories(fs::path(tmp / rel).parent_path());
        fs::copy(kBin + "/" + rel, tmp / rel, fs::copy_options::recursive);
    }
    void ShipLanguageFiles() { test::ShipLanguageFiles(tmp); }
    Program& Start(StartupHooks hooks = {}) {
        program = test::ProgramIn(tmp, &notes, ports, files, std::move(hooks));
        program->Start();
        return *program;
    }
    bool WaitForMainWindow(int ms = 5000) { return test::WaitForMainWindow(*program, ms); }
    void ClickSplash() {
        ASSERT_NE(program->splash(), nullptr);
        QTest::mouseClick(program->splash()->findChild<QLabel*>(splash::Logo), Qt::LeftButton);
    }
};

TEST_F(ProgramTest, WithoutSettingsOrInitFolderReachesTheMainWindowWithBuiltInDefaults) {
    ShipLanguageFiles();
    ASSERT_FALSE(fs::exists(tmp / "language/mysetup.ini"));
    ASSERT_FALSE(fs::exists(tmp / "Init"));
    Program& p = Start();
    EXPECT_NE(p.splash(), nullptr);
    EXPECT_TRUE(p.splash()->isVisible());
    EXPECT_EQ(p.window(), nullptr);  // not before the splash closes
    ClickSplash();
    ASSERT_TRUE(WaitForMainWindow());
    EXPECT_EQ(MainWindows().size(), 1u);
    EXPECT_EQ(p.data().Ui.View, p.window());
    EXPECT_TRUE(notes.shown.empty());
    // The keyboard starts in the channel grid.
    ASSERT_TRUE(QTest::qWaitForWindowActive(p.window()));
    EXPECT_EQ(QApplication::focusWidget(), p.window()->grid(0));

    // The built-in defaults: what a fresh data set without default files holds.
    AppData fresh;
    test::RecordingNotifier quiet;
    fresh.Ui.Notify = &quiet;
    fresh.AppFolder = tmp / "elsewhere";
    fresh.UserConfigDir = tmp / "elsewhere/user";
    StartupHooks h;
    h.LanguageIndex = 1;
    Main(fresh, h);
    EXPECT_EQ(p.data().WorkData, fresh.WorkData);
    EXPECT_EQ(p.data().DataFilePath, "new.dat");
    EXPECT_TRUE(p.data().IsUntitled);
    EXPECT_FALSE(IsDataChanged(p.data()));
    EXPECT_EQ(p.window()->windowTitle().toStdString(), p.window()->form().CaptionText());
    // The settings file was created with its defaults, first run done.
    const std::string ini = test::ReadFile(tmp / "language/mysetup.ini");
    EXPECT_NE(ini.find("IsFirstRun=0"), std::string::npos) << ini;
}

// The saved port reaches the first transfer when it is still there; a port
// that has gone is replaced by the first one listed and written back.
TEST_F(ProgramTest, SavedPortIsCheckedAtStartUp) {
    struct Case {
        const char* name;
        std::vector<PortInfo> listed;
        std::string expected;
    };
    const Case cases[] = {
        {"Present", {{"/dev/ttyUSB0", "/dev/ttyUSB0"}, {"/dev/ttyUSB1", "/dev/ttyUSB1"}}, "/dev/ttyUSB1"},
        // Not plugged in yet: kept, in memory and in the file.
        {"Missing", {{"/dev/ttyACM0", "/dev/ttyACM0"}}, "/dev/ttyUSB1"},
        {"NoneListed", {}, "/dev/ttyUSB1"},
    };
    ShipLanguageFiles();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::create_directories(tmp / "language");
        test::WriteFile(tmp / "language/mysetup.ini", "[language]\nIsFirstRun=0\ncomDevice=/dev/ttyUSB1\n");
        ports.ports = c.listed;
        Program& p = Start();
        EXPECT_EQ(p.data().ComDevice, c.expected);
        const std::string ini = test::ReadFile(tmp / "language/mysetup.ini");
        const size_t at = ini.find("comDevice=" + c.expected);
        ASSERT_NE(at, std::string::npos) << ini;
        const char after = ini[at + 10 + c.expected.size()];
        EXPECT_TRUE(after == '\r' || after == '\n') << ini;
        program.reset();
    }
}

TEST_F(ProgramTest, TheTimerShowsTheMainWindowOnceAndAClickBeforeItToo) {
    ShipLanguageFiles();
    Start();
    // Start-up has ended; only the splash's tick may show the main window.
    EXPECT_TRUE(program->window() == nullptr || !program->window()->isVisible());
    ASSERT_NE(program->splash(), nullptr);
    ASSERT_TRUE(WaitForMainWindow());
    QTest::qWait(200);
    EXPECT_EQ(MainWindows().size(), 1u);
    EXPECT_EQ(program->splash(), nullptr);
    program.reset();

    Start();
    ClickSplash();
    EXPECT_NE(program->window(), nullptr);
    QTest::qWait(kSplashMs + 300);
    EXPECT_EQ(MainWindows().size(), 1u);
    EXPECT_EQ(program->splash(), nullptr);
}

TEST_F(ProgramTest, StartUpReadsTheBatchFunctionChoice) {
    ShipLanguageFiles();
    std::string flags(21, '\x01');
    flags[3] = 0;
    test::WriteFile(tmp / "BatchFun.ini", flags);
    Program& p = Start();
    EXPECT_EQ(p.data().BatchFunFlag[0], 1);
    EXPECT_EQ(p.data().BatchFunFlag[3], 0);
    EXPECT_EQ(p.data().BatchFunFlag[15], 0);  // the compander is never chosen
}

TEST_F(ProgramTest, AClickDuringStartUpWaitsForItsEnd) {
    ShipLanguageFiles();
    test::WriteFile(tmp / kTestModeMarkerFile, kTestModeMarkerText);
    bool mainDuringStartUp = true;
    StartupHooks h;
    h.LoadBatchFunFile = [&](AppData&) {
        // The last step of start-up: a click now must not open the window yet.
        ClickSplash();
        mainDuringStartUp = program->window() != nullptr;
    };
    Program& p = Start(h);
    EXPECT_FALSE(mainDuringStartUp);
    ASSERT_NE(p.window(), nullptr);
    EXPECT_TRUE(p.window()->isVisible());
    EXPECT_TRUE(p.data().FactoryTestMode);
    EXPECT_TRUE(p.window()->form().C(mainform::EditTestData).visible);
}

TEST_F(ProgramTest, FileCommandsRunFromTheWindowsMenus) {
    ShipLanguageFiles();
    Program& p = Start();
    ClickSplash();
    ASSERT_TRUE(WaitForMainWindow());
    MainWindow& w = *p.window();
    AppData& d = p.data();
    d.WorkData.SubVolume = 3;
    files.answers.push_back(tmp / "radio");
    w.findChild<QAction*>(mainform::FileSaveAs)->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(fs::exists(tmp / "radio.dat"));
    EXPECT_TRUE(fs::exists(tmp / "radio.fre"));
    EXPECT_NE(w.windowTitle().toStdString().find(tmp / "radio.dat"), std::string::npos)
        << w.windowTitle().toStdString();
    Screenshot(&w, "frmMain-savedas");

    // A dialog's File > Save goes through the window: the overwrite question.
    d.WorkData.SubVolume = 4;
    notes.answers = {MsgAnswer::Ok};
    MainWindowCalls& calls = w;
    EXPECT_EQ(calls.mnuFileSave_Click(), SaveOutcome::Saved);
    EXPECT_EQ(notes.Texts().back(), "\"radio.dat\"file will be Overwrite,Continue?");

    // Exit asks first; Cancel keeps the window open, No closes it.
    d.WorkData.SubVolume = 5;
    notes.shown.clear();
    notes.answers = {MsgAnswer::Cancel};
    w.findChild<QAction*>(mainform::FileExit)->trigger();
    QTest::qWait(50);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"Data has been modified. Save it now?"});
    notes.answers = {MsgAnswer::No};
    w.findChild<QAction*>(mainform::FileExit)->trigger();
    QTest::qWait(50);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(ProgramTest, TheShippedProgramFolderStartsWithItsSplashAndMainWindow) {
    // Everything the build puts beside the program, as the run command uses it.
    for (const char* rel : {"language/english.ini", "language/chinese.ini", "language/mysetup.ini", "Init",
                            "StartE.jpg", "StartC.jpg"}) {
        ASSERT_TRUE(fs::exists(kBin + "/" + rel)) << rel;
        Ship(rel);
    }
    Program& p = Start();
    ASSERT_NE(p.splash(), nullptr);
    EXPECT_TRUE(p.splash()->HasPicture());
    Screenshot(p.splash(), "program-splash");
    ASSERT_TRUE(WaitForMainWindow());
    p.window()->resize(1100, 650);
    Screenshot(p.window(), "program-main");
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(p.window()->grid(0)->GridModel()->rowCount(), 206);
}

TEST_F(ProgramTest, TheExecutableStartsOffscreenAndRunsPastTheSplash) {
    // The executable in a program folder of its own, as a fresh machine has it.
    fs::copy_file(kBin + "/kevra8r", tmp / "kevra8r");
    for (const char* rel : {"language/english.ini", "language/chinese.ini", "language/mysetup.ini", "Init",
                            "StartE.jpg", "StartC.jpg"})
        Ship(rel);
    QProcess proc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", QString::fromStdString(tmp / "home"));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(tmp / "home/.config"));
    proc.setProcessEnvironment(env);
    proc.start(QString::fromStdString(tmp / "kevra8r"), {});
    ASSERT_TRUE(proc.waitForStarted(5000));
    EXPECT_FALSE(proc.waitForFinished(kSplashMs + 1500)) << proc.readAllStandardError().toStdString();
    EXPECT_EQ(proc.state(), QProcess::Running);
    proc.terminate();
    proc.waitForFinished(5000);
    // Start-up ran in its own folder: the first run is recorded there.
    EXPECT_NE(test::ReadFile(tmp / "language/mysetup.ini").find("IsFirstRun=0"), std::string::npos);
}

}  // namespace
}  // namespace rp
