#include "radio/loadfrmlink.h"

#include "core/language.h"
#include "radio/comportlist.h"

namespace rp {

namespace {
constexpr int kCloseDelayMs = 100;
}  // namespace

LoadFrmLink::LoadFrmLink(AppData& d, PortListProvider& ports, Transport& port, ReplyTimer& timer,
                         MessagePort& messages)
    : Form(kName), d_(d), ports_(ports), port_(port), timer_(timer), link_(d, port, timer, messages) {
    // The test's logic stays in LinkTest; the window sees its events first,
    // for the close after an acknowledgement.
    port_.Connect(this);
    timer_.Connect(this);
    FormState& s = State();
    s.caption = "Initial Setup";
    s.Add(linktest::Instructions, ControlKind::TextBox).locked = true;
    s.Add(linktest::Prompt, ControlKind::Label).text = "Com Port";
    s.Add(linktest::PortList, ControlKind::ComboBox);
    s.Add(linktest::OK, ControlKind::Button).text = "&OK";
    s.Add(linktest::Cancel, ControlKind::Button).text = "&Cancel";
    AddComPortRescanTimer(s, linktest::RescanTimer);
    ControlState& end = s.Add(linktest::CloseTimer, ControlKind::Timer);
    end.max = kCloseDelayMs;
    end.enabled = false;
}

LoadFrmLink::~LoadFrmLink() {
    link_.Close();
    port_.Disconnect(this);
    timer_.Disconnect(this);
}

void LoadFrmLink::Form_Load() {
    LoadLinkFormText();
    timer_.Stop();
    FillList();
    C(linktest::RescanTimer).enabled = true;
}

void LoadFrmLink::LoadLinkFormText() {
    std::string t = GetLanguageMsgString(d_, "9014") + "\n\n";
    for (const char* key : {"9010", "9011", "9012"}) t += GetLanguageMsgString(d_, key) + "\n";
    t += GetLanguageMsgString(d_, "9013");
    C(linktest::Instructions).text = t;
}

void LoadFrmLink::FillList() {
    UsePort(ShowComPortList(C(linktest::PortList), ports_, d_.ComDevice, d_.ComDevice));
}

void LoadFrmLink::Combo1_Click() { UsePort(C(linktest::PortList).SelectedItem()); }

void LoadFrmLink::UsePort(const std::string& chosen) {
    d_.ComDevice = chosen;
    d_.ComPortNumber = static_cast<Integer>(ComPortNumberOf(chosen, d_.ComPortNumber));
}

void LoadFrmLink::Command1_Click() {
    StoreComPortChoice(d_, C(linktest::PortList).SelectedItem());
    link_.Run();
}

void LoadFrmLink::Command2_Click() {
    Form_Unload();
    Unload();
}

void LoadFrmLink::Form_Unload() {
    C(linktest::RescanTimer).enabled = false;
    C(linktest::CloseTimer).enabled = false;
    link_.Close();
}

void LoadFrmLink::ReShowComPortTimer_Timer() {
    if (ListDroppedDown && ListDroppedDown()) return;
    FillList();
}

void LoadFrmLink::EndTimer_Timer() {
    C(linktest::CloseTimer).enabled = false;
    // No END: the radio is left as the acknowledgement left it.
    Form_Unload();
    Unload();
}

void LoadFrmLink::Dispatch(const std::function<void()>& event) {
    if (RunEvent)
        RunEvent(event);
    else
        event();
}

void LoadFrmLink::OnBytesReceived(ByteView bytes) {
    if (MessageOpen || unloadRequested) return;
    Dispatch([this, bytes] {
        const bool before = link_.Acknowledged();
        link_.OnBytesReceived(bytes);
        if (!before && link_.Acknowledged()) C(linktest::CloseTimer).enabled = true;
    });
}

void LoadFrmLink::OnReplyTimeout() {
    Dispatch([this] { link_.OnReplyTimeout(); });
}

void LoadFrmLink::OnPortLost() {
    Dispatch([this] { link_.OnPortLost(); });
}

void LoadFrmLink::Click(const std::string& control) {
    if (control == linktest::PortList) Combo1_Click();
    else if (control == linktest::OK) Command1_Click();
    else if (control == linktest::Cancel) Command2_Click();
}

void LoadFrmLink::Timer(const std::string& control) {
    if (control == linktest::RescanTimer) ReShowComPortTimer_Timer();
    else if (control == linktest::CloseTimer) EndTimer_Timer();
}

bool LoadFrmLink::QueryUnload() {
    Form_Unload();
    return true;
}

}  // namespace rp
