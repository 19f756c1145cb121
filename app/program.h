#pragma once
// The program's parts and their start: the seams of AppData::Ui filled
// (message boxes, file choosers, language texts, Qt's own texts following
// the language, the main window as the Listener), the dialogs registered, the start-up core run with the splash
// window, and the main window with its file commands once the splash
// closes.
#include <QPointer>

#include <functional>
#include <memory>
#include <string>

#include "core/appdata.h"
#include "core/language.h"
#include "core/startup.h"
#include "link/ports.h"
#include "mainwindow/filecommands.h"
#include "mainwindow/qt/frmmainshell.h"
#include "mainwindow/qt/frmsplashshell.h"
#include "platform/qtfilechooser.h"
#include "platform/messagebox.h"
#include "platform/portlist.h"
#include "platform/qttranslations.h"
#include "radio/qt/radiolink.h"
#include "widgets/dialoghost.h"

namespace rp {

// Where the program lives and what it talks to; the defaults are the real
// ones. Tests run start-up in a temporary program folder.
struct ProgramOptions {
    // The program's folder (settings, language files, Init/, the factory
    // marker file, the splash pictures); "" = the executable's folder.
    std::string appFolder;
    // The per-user configuration folder; "" = the XDG one.
    std::string userConfigDir;
    // The serial-port list; null = the system's.
    PortListProvider* ports = nullptr;
    // The file choosers; null = the Qt ones.
    FileChooser* files = nullptr;
};

class Program {
public:
    // `notifier` replaces the message boxes (tests); null: the real ones.
    explicit Program(Notifier* notifier = nullptr, StartupHooks hooks = {}, ProgramOptions options = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the start-up core, which shows the splash window; the main window
    // follows when the splash closes (its timer or a click), never before
    // start-up has finished.
    void Start();

    AppData& data() { return d_; }
    DialogOpeners& openers() { return openers_; }
    // Null until the splash has closed.
    MainWindow* window() { return window_.get(); }
    FileCommands* fileCommands() { return fileCommands_.get(); }
    // The radio commands; null until the main window is shown.
    RadioLink* radio() { return radio_.get(); }
    // Null once it has closed.
    SplashWindow* splash() { return splash_.data(); }
    // Runs right after the main window was shown.
    std::function<void()> onMainShown;

private:
    void ShowSplash();
    void SplashClosed();
    void ShowMainWindow();

    AppData d_;
    MessageBoxNotifier boxes_;
    QtFileChooser choosers_;
    QtPortListProvider systemPorts_;
    QtTranslations qtTexts_;
    LanguageFileTexts texts_{d_};
    StartupHooks hooks_;
    ProgramOptions options_;
    DialogOpeners openers_;
    QPointer<SplashWindow> splash_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<FileCommands> fileCommands_;
    std::unique_ptr<RadioLink> radio_;
    bool started_ = false;      // the start-up core has returned
    bool mainPending_ = false;  // the splash closed before that
};

}  // namespace rp
