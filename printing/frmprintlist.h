#pragma once
// FrmPrintList, the print-item dialog: ten item tick boxes (1 and 2
// hidden), Select All, Clear All, the printer set-up button, OK to print
// and Cancel. It keeps its ticks and its printer while it stays loaded:
// until Cancel, the close box or a job that ended well.
#include <memory>
#include <string>

#include "core/appdata.h"
#include "forms/formstate.h"
#include "printing/frmprintlistcontrols.h"
#include "core/printerport.h"

namespace rp {

// The dialog's title, the same in both languages.
inline constexpr const char* kPrintListCaption = "打印列表";

class FrmPrintList : public Form {
public:
    static constexpr char kName[] = "FrmPrintList";
    // The dialog's shell gives the printer when the form is made without one.
    explicit FrmPrintList(AppData& d, std::unique_ptr<PrinterPort> port = nullptr);
    void SetPort(std::unique_ptr<PrinterPort> port) { port_ = std::move(port); }

    void Form_Load() override;
    void SetPrintListCaptions();
    void ReadPrintSelections();
    void CommandSelAll_Click();
    void CommandClrAll_Click();
    void CommandSet_Click();
    void Command1_Click();
    void Command2_Click();

    void Click(const std::string& control) override;

    PrinterPort& Port() { return *port_; }

private:
    AppData& d_;
    std::unique_ptr<PrinterPort> port_;
};

}  // namespace rp
