#include "app/program.h"

#include <QCoreApplication>

#include "app/openers.h"
#include "channels/batchfun.h"
#include "mainwindow/radiomenu.h"
#include "printing/printstrings.h"

namespace rp {

Program::Program(Notifier* notifier, StartupHooks hooks, ProgramOptions options)
    : hooks_(std::move(hooks)), options_(std::move(options)) {
    d_.Ui.Notify = notifier ? notifier : &boxes_;
    d_.Ui.Texts = &texts_;
    d_.Ui.Files = options_.files ? options_.files : &choosers_;
    d_.Ui.Language = &qtTexts_;
    d_.AppFolder = options_.appFolder;
    d_.UserConfigDir = options_.userConfigDir;
    if (!hooks_.InitPrintStrings) hooks_.InitPrintStrings = InitPrintStrings;
    if (!hooks_.LoadBatchFunFile) hooks_.LoadBatchFunFile = LoadBatchFunFile;
    if (!hooks_.CheckComPort)
        hooks_.CheckComPort = [this](AppData& d, const Settings& s) {
            CheckComPortAtStartup(d, options_.ports ? *options_.ports : systemPorts_, s);
        };
}

Program::~Program() {
    delete splash_.data();
    radio_.reset();
    fileCommands_.reset();
    window_.reset();
}

void Program::Start() {
    RegisterAllDialogs(openers_);
    StartupHooks h = hooks_;
    if (!h.ShowSplash) h.ShowSplash = [this](AppData&) { ShowSplash(); };
    Main(d_, h);
    started_ = true;
    if (mainPending_) ShowMainWindow();
}

void Program::ShowSplash() {
    splash_ = new SplashWindow(d_, [this] { SplashClosed(); });
    splash_->show();
    // Let it paint; a click must wait until start-up has finished.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Program::SplashClosed() {
    if (!started_) {
        mainPending_ = true;
        return;
    }
    ShowMainWindow();
}

void Program::ShowMainWindow() {
    if (window_) return;
    window_ = std::make_unique<MainWindow>(d_, openers_);
    d_.Ui.View = window_.get();
    fileCommands_ = std::make_unique<FileCommands>(d_, window_->form());
    fileCommands_->Attach();
    radio_ = std::make_unique<RadioLink>(d_, window_->form(), window_.get(),
                                         options_.ports ? *options_.ports : systemPorts_,
                                         [w = window_.get()] { w->binder().Sync(); });
    AttachRadioCommands(window_->form(), radio_->commands());
    fileCommands_->TransferRunning = [r = radio_.get()] { return r->commands().TransferRunning(); };
    window_->Load();
    window_->show();
    if (onMainShown) onMainShown();
}

}  // namespace rp
