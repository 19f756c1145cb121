#include "mainwindow/frmabout.h"

#include "core/language.h"
#include "forms/formlanguage.h"

namespace rp {

ProgramVersion BuildVersion() { return {RP_VERSION_MAJOR, RP_VERSION_MINOR, RP_VERSION_REVISION}; }

FrmAbout::FrmAbout(AppData& d, ProgramVersion version) : Form("frmAbout"), d_(d), version_(version) {
    FormState& s = State();
    s.tag = std::to_string(aboutkey::Caption);
    s.Add("picIcon", ControlKind::Picture);
    s.Add("lblTitle", ControlKind::Label);
    s.Add("lblVersion", ControlKind::Label);
    s.Add("lblDescription", ControlKind::Label);
    s.Add("lblDisclaimer", ControlKind::Label);
    s.Add("cmdOK", ControlKind::Button).tag = std::to_string(langkey::OK);
    ControlState& sysInfo = s.Add("cmdSysInfo", ControlKind::Button);
    sysInfo.tag = std::to_string(aboutkey::SysInfo);
    sysInfo.visible = false;  // no system-information tool to start on this platform
}

void FrmAbout::Form_Load() {
    ApplyFormLanguage(d_, State());
    C("lblVersion").text = GetLanguageString(d_, aboutkey::Version) + " " + std::to_string(version_.major) + "." +
                           std::to_string(version_.minor) + "." + std::to_string(version_.revision);
    C("lblTitle").text = kAppTitle;
    C("lblDisclaimer").text = GetLanguageString(d_, aboutkey::Disclaimer);
    C("lblDescription").text = GetLanguageString(d_, aboutkey::Description);
    // OK is the default button: it holds the focus, so Enter presses it.
    State().focus = "cmdOK";
}

void FrmAbout::cmdOK_Click() { Unload(); }

void FrmAbout::Click(const std::string& control) {
    if (control == "cmdOK") cmdOK_Click();
}

}  // namespace rp
