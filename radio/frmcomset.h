#pragma once
// The port dialog: the serial ports in a list, rebuilt every second while
// the dialog is open; OK saves the chosen device for the next transfer.
#include <functional>
#include <string>

#include "core/appdata.h"
#include "link/ports.h"
#include "mainwindow/formstate.h"

namespace rp {

class FrmComSet : public Form {
public:
    // `ports` must outlive the form.
    FrmComSet(AppData& d, PortListProvider& ports);

    void Form_Load();
    void LoadComSetFormText();
    void Combo1_Click();
    // Nothing chosen: no port (ComDevice "", ComPortNumber 0) and the
    // settings file is not written; else SaveComPortChoice.
    void CommandOK_Click();
    void CommandCancel_Click();
    void Form_Unload();
    // Rebuilds the list; the chosen entry stays chosen while it is listed,
    // else the first is chosen. Skipped while the list is dropped down.
    void ReShowComPortTimer_Timer();

    // The entry shown as chosen ("" when none).
    std::string PortID;
    // Set by the shell: true while the list's popup is open (a rebuild
    // would close it under the user's pointer).
    std::function<bool()> ListDroppedDown;

    void Click(const std::string& control) override;
    void Timer(const std::string& control) override;
    bool QueryUnload() override;

private:
    void FillList(const std::string& keep);

    AppData& d_;
    PortListProvider& ports_;
};

}  // namespace rp
