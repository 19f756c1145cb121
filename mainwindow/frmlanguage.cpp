#include "mainwindow/frmlanguage.h"

#include "core/language.h"
#include "forms/formlanguage.h"

namespace rp {

FrmLanguage::FrmLanguage(AppData& d, MainWindowCalls& main) : Form(kName), d_(d), main_(main) {
    AddControls(State(), language::kControls);
}

void FrmLanguage::Form_Load() {
    ShowLanguageByLanguage();
    InitLanguageList();
    ShowLanguageByData();
}

void FrmLanguage::ShowLanguageByLanguage() {
    State().caption = GetLanguageString(d_, langkey::LanguageDialog);
    C(language::Prompt).text = State().caption;
    SetOKCancelCaption(d_, State());
}

void FrmLanguage::InitLanguageList() {
    ControlState& c = C(language::List);
    c.items = {GetLanguageString(d_, langkey::EnglishName), GetLanguageString(d_, langkey::ChineseName)};
    SetListIndex(c, -1);
}

void FrmLanguage::ShowLanguageByData() { SetListIndex(C(language::List), d_.LanguageIndex - 1); }

void FrmLanguage::CommandOK_Click() {
    if (SelectLanguageEntry(d_, C(language::List).index)) main_.Form_ReLoad();
    Unload();
}

void FrmLanguage::CommandCancel_Click() { Unload(); }

void FrmLanguage::Click(const std::string& control) {
    if (control == kOKButton) CommandOK_Click();
    if (control == kCancelButton) CommandCancel_Click();
}

}  // namespace rp
