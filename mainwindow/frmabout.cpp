#include "mainwindow/frmabout.h"

#include "core/language.h"
#include "forms/formlanguage.h"

namespace rp {

ProgramVersion BuildVersion() { return {RP_VERSION_MAJOR, RP_VERSION_MINOR, RP_VERSION_REVISION}; }

FrmAbout::FrmAbout(AppData& d, ProgramVersion version) : Form(kName), d_(d), version_(version) {
    FormState& s = State();
    s.tag = std::to_string(aboutkey::Caption);
    AddControls(s, about::kControls);
    s[about::OK].tag = std::to_string(langkey::OK);
    // Hidden: no system-information tool to start on this platform.
    s[about::SysInfo].tag = std::to_string(aboutkey::SysInfo);
}

void FrmAbout::Form_Load() {
    ApplyFormLanguage(d_, State());
    C(about::Version).text = GetLanguageString(d_, aboutkey::Version) + " " + std::to_string(version_.major) + "." +
                             std::to_string(version_.minor) + "." + std::to_string(version_.revision);
    C(about::Title).text = kAppTitle;
    C(about::Disclaimer).text = GetLanguageString(d_, aboutkey::Disclaimer);
    C(about::Description).text = GetLanguageString(d_, aboutkey::Description);
    // OK is the default button: it holds the focus, so Enter presses it.
    State().focus = about::OK;
}

void FrmAbout::cmdOK_Click() { Unload(); }

void FrmAbout::Click(const std::string& control) {
    if (control == about::OK) cmdOK_Click();
}

}  // namespace rp
