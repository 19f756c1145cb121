#pragma once
// What the program's window tests share: a settings store of the test
// process, a port list the test sets, the program started in a temporary
// folder, and the main window on a started program state with every dialog
// registered.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/openers.h"
#include "app/program.h"
#include "core/tempfolder.h"
#include "mainwindow/mainfixture.h"
#include "mainwindow/qt/frmmainshell.h"

namespace rp::test {

// A settings store of this test process, without the program's settings.
inline void IsolateSettingsStore() {
    static QTemporaryDir dir;
    static const bool isolated = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        return true;
    }();
    (void)isolated;
    QSettings("KEVRA_8R", "KEVRA_8R").remove("Settings");
}

// The ports the test lists; a device exists when it is listed.
class FakePorts : public PortListProvider {
public:
    std::vector<PortInfo> ports;
    std::vector<PortInfo> Ports() override { return ports; }
    bool Exists(const std::string& p) override {
        for (const auto& i : ports)
            if (i.Path == p || i.SystemPath == p) return true;
        return false;
    }
};

// Copies the language files from the build's program folder into `folder`.
inline void ShipLanguageFiles(const TempFolder& folder) {
    namespace fs = std::filesystem;
    const std::string bin = std::string(RP_BINARY_DIR) + "/bin/";
    for (const char* rel : {"language/english.ini", "language/chinese.ini"}) {
        fs::create_directories(fs::path(folder / rel).parent_path());
        fs::copy(bin + rel, folder / rel, fs::copy_options::overwrite_existing);
    }
}

// A program whose folder is `folder` (the user's settings in its "user"),
// in English unless `hooks` chooses a language; not started yet (the hooks
// may look at it while it starts).
inline std::unique_ptr<Program> ProgramIn(const TempFolder& folder, Notifier* notes, PortListProvider& ports,
                                          FileChooser& files, StartupHooks hooks = {}) {
    if (!hooks.LanguageIndex) hooks.LanguageIndex = 1;
    ProgramOptions o;
    o.appFolder = folder.path();
    o.userConfigDir = folder / "user";
    o.ports = &ports;
    o.files = &files;
    return std::make_unique<Program>(notes, std::move(hooks), o);
}

// True once the program's main window shows, within `ms`.
inline bool WaitForMainWindow(Program& program, int ms) {
    return QTest::qWaitFor([&] { return program.window() && program.window()->isVisible(); }, ms);
}

// The main window on a started program state, with every dialog registered
// and a settings store of its own, shown and active.
class MainWindowWithDialogs : public ::testing::Test {
protected:
    QTemporaryDir settings;
    StartedProgram p;
    AppData& d = p.d;
    DialogOpeners openers;
    std::unique_ptr<MainWindow> w;

    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        RegisterAllDialogs(openers);
        w = std::make_unique<MainWindow>(d, openers);
        d.Ui.View = w.get();
        w->Load();
        w->resize(1000, 600);
        w->show();
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void TearDown() override {
        openers.CloseAll();
        d.Ui.View = Seams().View;
        w.reset();
    }
    // The first open dialog, null when none is open.
    FormDialog* Dialog() {
        const auto open = openers.OpenDialogs();
        return open.empty() ? nullptr : qobject_cast<FormDialog*>(open.front());
    }
};

}  // namespace rp::test
