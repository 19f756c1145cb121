#pragma once
// The program's parts and their start: the seams of AppData::Ui filled
// (message boxes, language texts, the main window as the Listener), the
// start-up core run, the dialogs registered and the main window shown.
#include <memory>

#include "core/appdata.h"
#include "core/language.h"
#include "core/startup.h"
#include "mainwindow/qt/mainwindow.h"
#include "platform/messagebox.h"
#include "widgets/dialoghost.h"

namespace rp {

class Program {
public:
    // `notifier` replaces the message boxes (tests); null: the real ones.
    explicit Program(Notifier* notifier = nullptr, StartupHooks hooks = {});
    ~Program();

    // Runs the start-up core and builds and loads the main window (not shown).
    void Start();
    AppData& data() { return d_; }
    MainWindow& window() { return *window_; }
    DialogOpeners& openers() { return openers_; }

private:
    AppData d_;
    MessageBoxNotifier boxes_;
    LanguageFileTexts texts_{d_};
    StartupHooks hooks_;
    DialogOpeners openers_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace rp
