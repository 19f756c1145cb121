#pragma once
// The port dialog: the serial ports in a list, rebuilt every second while
// the dialog is open; OK saves the chosen device for the next transfer. The
// list can be typed into, so any terminal device can be the port.
#include <functional>
#include <optional>
#include <string>

#include "core/appdata.h"
#include "link/ports.h"
#include "forms/formstate.h"
#include "radio/frmcomsetcontrols.h"

namespace rp {

// The refusal of a typed device: "<path>: <what is wrong>" in the user's
// language, for an errno value of PortDeviceError.
std::string PortDeviceMessage(const AppData& d, const std::string& path, int error);

class FrmComSet : public Form {
public:
    static constexpr char kName[] = "FrmComSet";
    // `ports` must outlive the form.
    FrmComSet(AppData& d, PortListProvider& ports);

    void Form_Load() override;
    void LoadComSetFormText();
    void Combo1_Click();
    // Nothing chosen (an empty text): no port (ComDevice "", ComPortNumber 0)
    // and the settings file is not written; else SaveComPortChoice. A typed
    // path that is not listed must be a terminal device: else a message
    // names it and what is wrong, and the dialog stays open unchanged.
    void CommandOK_Click();
    void CommandCancel_Click();
    void Form_Unload();
    // Rebuilds the list; the chosen entry stays chosen while it is listed,
    // else the first is chosen, and a typed text is kept. Skipped while the
    // list is dropped down.
    void ReShowComPortTimer_Timer();

    // The list entry chosen ("" when none); a typed text is Combo1's text.
    std::string PortID;
    // Set by the shell: true while the list's popup is open (a rebuild
    // would close it under the user's pointer).
    std::function<bool()> ListDroppedDown;

    void Click(const std::string& control) override;
    void Timer(const std::string& control) override;
    bool QueryUnload() override;

private:
    void FillList(const std::string& keep);
    // The device OK stores: a listed entry by its shown name, else the typed
    // path once it proves a terminal device; nullopt after the message.
    std::optional<std::string> ChosenDevice();

    AppData& d_;
    PortListProvider& ports_;
};

}  // namespace rp
