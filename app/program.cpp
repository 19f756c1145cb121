#include "app/program.h"

#include "app/openers.h"
#include "printing/printstrings.h"

namespace rp {

Program::Program(Notifier* notifier, StartupHooks hooks) : hooks_(std::move(hooks)) {
    d_.Ui.Notify = notifier ? notifier : &boxes_;
    d_.Ui.Texts = &texts_;
    if (!hooks_.InitPrintStrings) hooks_.InitPrintStrings = InitPrintStrings;
}

Program::~Program() {
    window_.reset();
}

void Program::Start() {
    RegisterAllDialogs(openers_);
    Main(d_, hooks_);
    window_ = std::make_unique<MainWindow>(d_, openers_);
    d_.Ui.View = window_.get();
    window_->Load();
}

}  // namespace rp
