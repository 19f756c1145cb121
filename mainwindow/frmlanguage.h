#pragma once
// FrmLanguage: the language dialog. Combo1 lists English and Chinese; OK
// makes the chosen one the language and relabels the main window; Cancel
// changes nothing.
#include "core/appdata.h"
#include "forms/formstate.h"
#include "forms/mainwindowcalls.h"
#include "mainwindow/frmlanguagecontrols.h"

namespace rp {

class FrmLanguage : public Form {
public:
    static constexpr char kName[] = "FrmLanguage";
    FrmLanguage(AppData& d, MainWindowCalls& main);

    void Form_Load() override;
    void ShowLanguageByLanguage();
    void InitLanguageList();
    void ShowLanguageByData();
    void CommandOK_Click();
    void CommandCancel_Click();

    void Click(const std::string& control) override;

private:
    AppData& d_;
    MainWindowCalls& main_;
};

}  // namespace rp
