#include "mainwindow/frmlanguage.h"

#include "core/language.h"
#include "forms/formlanguage.h"

namespace rp {

FrmLanguage::FrmLanguage(AppData& d, MainWindowCalls& main) : Form("FrmLanguage"), d_(d), main_(main) {
    State().Add("Combo1", ControlKind::ComboBox);
    State().Add("Label1", ControlKind::Label);
    State().Add("CommandOK", ControlKind::Button);
    State().Add("CommandCancel", ControlKind::Button);
}

void FrmLanguage::Form_Load() {
    ShowLanguageByLanguage();
    InitLanguageList();
    ShowLanguageByData();
}

void FrmLanguage::ShowLanguageByLanguage() {
    State().caption = GetLanguageString(d_, langkey::LanguageDialog);
    C("Label1").text = State().caption;
    SetOKCancelCaption(d_, State());
}

void FrmLanguage::InitLanguageList() {
    ControlState& c = C("Combo1");
    c.items = {GetLanguageString(d_, langkey::EnglishName), GetLanguageString(d_, langkey::ChineseName)};
    SetListIndex(c, -1);
}

void FrmLanguage::ShowLanguageByData() { SetListIndex(C("Combo1"), d_.LanguageIndex - 1); }

void FrmLanguage::CommandOK_Click() {
    if (SelectLanguageEntry(d_, C("Combo1").index)) main_.Form_ReLoad();
    Unload();
}

void FrmLanguage::CommandCancel_Click() { Unload(); }

void FrmLanguage::Click(const std::string& control) {
    if (control == "CommandOK") CommandOK_Click();
    if (control == "CommandCancel") CommandCancel_Click();
}

}  // namespace rp
