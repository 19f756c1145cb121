#include "radio/radiocommands.h"

#include "forms/savequestion.h"
#include "radio/frmcomset.h"
#include "radio/frmpassword.h"
#include "radio/frmtestdata.h"
#include "settings/frmemg.h"

namespace rp {

RadioCommands::RadioCommands(AppData& d, MainWindowCommands& main, Transport& port, ReplyTimer& timer,
                             MessagePort& messages, QuestionPort& questions, PortListProvider& portList)
    : d_(d),
      main_(main),
      portList_(portList),
      engine_(d, CommPorts{port, timer, messages, questions, &progress_, this}) {}

RadioCommands::~RadioCommands() {
    // A transfer still running when the window goes: the port is closed.
    if (engine_.CommMode() == CommModeInfo) engine_.StopInformationRead();
}

bool RadioCommands::Confirm(const LangTexts& prompt) {
    return d_.Ui.Notify->Show(LangText(d_, prompt), MsgIcon::Question, MsgButtons::OkCancel, kAppTitle) ==
           MsgAnswer::Ok;
}

void RadioCommands::mnuProRead_Click() {
    if (TransferRunning()) return;
    // Cancel, or a save that failed or was cancelled, ends the read before
    // the port is opened.
    if (!GoesOn(AskSaveQuestion(d_, main_, SaveQuestionText(d_)))) return;
    if (!engine_.PrepareRead()) return;  // text 2002 posted
    if (!Confirm(d_.Msg.MsgReadPrompt)) {
        engine_.CancelStart();
        return;
    }
    if (!engine_.BeginRead()) return;  // ended at once, its message posted
    ShowProgress();
}

void RadioCommands::MnuProWrite_Click() {
    if (TransferRunning()) return;
    if (!engine_.PrepareWrite()) return;
    if (!Confirm(d_.Msg.MsgWritePrompt)) {
        engine_.CancelStart();
        return;
    }
    // False: an encoder refused the data (its message shown, port closed),
    // or the first frame could not be sent.
    if (!engine_.BeginWrite()) return;
    ShowProgress();
}

void RadioCommands::ReadRMGDataFromRadio() {
    if (TransferRunning()) return;
    infoDue_ = false;
    engine_.StartInformationRead();
    // Still running: the window stays usable but its commands wait.
    if (engine_.CommMode() == CommModeInfo) Lock(true);
}

void RadioCommands::MnuSetCom_Click() { main_.OpenChild(std::make_unique<FrmComSet>(d_, portList_)); }

void RadioCommands::mnuTestData_Click() { main_.OpenChild(std::make_unique<FrmTestData>(d_)); }

void RadioCommands::MnuProPassWord_Click() { main_.OpenChild(std::make_unique<FrmPassWord>(d_)); }

void RadioCommands::StopInformationReadOnClose() { engine_.StopInformationRead(); }

void RadioCommands::ShowProgress() {
    progressShown_ = true;
    progress_.target = hooks.OpenProgress ? hooks.OpenProgress() : nullptr;
}

void RadioCommands::RunLater(std::function<void()> f) {
    if (hooks.Later)
        hooks.Later(std::move(f));
    else
        f();
}

void RadioCommands::Lock(bool locked) {
    if (main_.CommandsLocked() == locked) return;
    main_.LockCommands(locked);
    if (hooks.CommandsChanged) hooks.CommandsChanged();
}

// ---- the engine's ends ----

void RadioCommands::CloseProgress() {
    progress_.target = nullptr;
    if (!progressShown_) return;
    progressShown_ = false;
    if (hooks.CloseProgress) hooks.CloseProgress();
}

void RadioCommands::ShowInformation() { infoDue_ = true; }

void RadioCommands::SetProgressCaption(const std::string& caption) {
    if (progressShown_ && hooks.SetProgressCaption) hooks.SetProgressCaption(caption);
}

void RadioCommands::TransferEnded(const TransferEnd& e) {
    if (e.Mode != CommModeInfo) return;
    Lock(false);
    if (!infoDue_) return;
    infoDue_ = false;
    RunLater([this] { main_.OpenChild(std::make_unique<FrmEMG>(d_)); });
}

}  // namespace rp
