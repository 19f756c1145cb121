#pragma once
// The link-test window: the user picks a port, the window sends
// ProgramCommand on a port of its own (LinkTest, link/search.h) and closes
// itself 100 ms after the radio acknowledged it. Nothing in the program
// opens it.
#include <functional>
#include <memory>
#include <string>

#include "core/appdata.h"
#include "link/ports.h"
#include "link/search.h"
#include "forms/formstate.h"
#include "radio/loadfrmlinkcontrols.h"

namespace rp {

class LoadFrmLink : public Form, private LinkEvents {
public:
    static constexpr char kName[] = "LoadFrmLink";
    // The window's own port and reply timer (LinkWaitTimer), and where its
    // two messages go; all must outlive the form. The form takes the port's
    // and the timer's events.
    LoadFrmLink(AppData& d, PortListProvider& ports, Transport& port, ReplyTimer& timer,
                MessagePort& messages);
    ~LoadFrmLink() override;

    void Form_Load() override;
    void LoadLinkFormText();
    // ComDevice (and ComPortNumber) follow the chosen entry.
    void Combo1_Click();
    // Stores the chosen port as the port dialog does (nothing chosen: no
    // port), then opens the window's port and sends ProgramCommand.
    void Command1_Click();
    void Command2_Click();
    // Stops the timers and closes the port; every close runs it.
    void Form_Unload();
    void ReShowComPortTimer_Timer();
    void EndTimer_Timer();

    LinkTest& Link() { return link_; }

    // Set by the shell: true while the list's popup is open.
    std::function<bool()> ListDroppedDown;
    // Set by the shell: runs one of the port's or timer's events as an event
    // of the form (so that its state is mirrored afterwards). Empty: runs it
    // directly.
    std::function<void(const std::function<void()>&)> RunEvent;
    // True while one of the window's messages is open: received bytes are
    // dropped meanwhile.
    bool MessageOpen = false;

    void Click(const std::string& control) override;
    void Timer(const std::string& control) override;
    bool QueryUnload() override;

private:
    void OnBytesReceived(ByteView bytes) override;
    void OnReplyTimeout() override;
    void OnPortLost() override;
    void Dispatch(const std::function<void()>& event);
    void FillList();
    // ComDevice and ComPortNumber follow `chosen`; the settings file is not
    // written.
    void UsePort(const std::string& chosen);

    AppData& d_;
    PortListProvider& ports_;
    Transport& port_;
    ReplyTimer& timer_;
    LinkTest link_;
};

}  // namespace rp
