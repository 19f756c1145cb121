#pragma once
// The main window's radio commands: read, write and the information read,
// and the radio's own dialogs (the port, the test data, the password).
// They own the transfer engine and are its transfer listener; the window
// supplies the ports (serial line, reply timer, messages, questions) and
// shows the progress dialog through the hooks. Its menu entries, toolbar
// buttons and close path reach them through mainwindow/radiomenu.h.
//
// Each command asks its questions between the engine's prepare and begin,
// then leaves the transfer to the engine; nothing here blocks. While the
// information read runs (the only transfer without a modal dialog) the
// main window's commands are locked, and the close path ends it quietly
// before the save question.
#include <functional>
#include <string>

#include "core/appdata.h"
#include "forms/mainwindowcommands.h"
#include "link/engine.h"
#include "link/ports.h"

namespace rp {

struct RadioCommandHooks {
    // Shows the progress dialog of the transfer that has just begun and
    // returns where its percentages go (null: nowhere).
    std::function<ProgressSink*()> OpenProgress;
    // Closes it: the transfer has ended.
    std::function<void()> CloseProgress;
    // Runs f once the current event has been handled (the window's queued
    // call); empty: at once.
    std::function<void(std::function<void()>)> Later;
    // The main window's commands were locked or unlocked: mirror it.
    std::function<void()> CommandsChanged;
    // The progress dialog's caption, given back after a port search.
    std::function<void(const std::string&)> SetProgressCaption;
};

class RadioCommands : public TransferListener {
public:
    // The engine is built over these ports with this object as its
    // listener and its progress going to the open progress dialog.
    // `portList` is what the port dialog offers.
    RadioCommands(AppData& d, MainWindowCommands& main, Transport& port, ReplyTimer& timer,
                  MessagePort& messages, QuestionPort& questions, PortListProvider& portList);
    ~RadioCommands() override;
    RadioCommands(const RadioCommands&) = delete;
    RadioCommands& operator=(const RadioCommands&) = delete;

    void mnuProRead_Click();
    void MnuProWrite_Click();
    void ReadRMGDataFromRadio();
    // The port, test-data and password dialogs over the main window.
    void MnuSetCom_Click();
    void mnuTestData_Click();
    void MnuProPassWord_Click();
    // True while a transfer runs (CommMode not 0).
    bool TransferRunning() const { return engine_.CommMode() != CommModeIdle; }
    // The close path's first step: ends a running information read quietly.
    void StopInformationReadOnClose();

    CommEngine& engine() { return engine_; }
    RadioCommandHooks hooks;

    // ---- TransferListener ----
    void CloseProgress() override;
    void ShowInformation() override;
    void SetProgressCaption(const std::string& caption) override;
    void TransferEnded(const TransferEnd& e) override;

private:
    // Forwards the engine's percentages to the progress dialog while it is up.
    class ProgressRelay : public ProgressSink {
    public:
        ProgressSink* target = nullptr;
        void SetProgressValue(int p) override {
            if (target) target->SetProgressValue(p);
        }
    };

    bool Confirm(const LangTexts& prompt);
    void ShowProgress();
    void RunLater(std::function<void()> f);
    void Lock(bool locked);

    AppData& d_;
    MainWindowCommands& main_;
    PortListProvider& portList_;
    ProgressRelay progress_;
    CommEngine engine_;
    bool progressShown_ = false;
    bool infoDue_ = false;  // the information view opens once the engine has finished
};

}  // namespace rp
