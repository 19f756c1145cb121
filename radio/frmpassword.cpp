#include "radio/frmpassword.h"

#include "core/fixedtext.h"
#include "core/language.h"
#include "forms/formlanguage.h"

namespace rp {

FrmPassWord::FrmPassWord(AppData& d) : Form(kName), d_(d) {
    FormState& s = State();
    s.Add(password::Prompt, ControlKind::Label);
    s.Add(password::PassWord, ControlKind::TextBox).max = kPassWordMaxLength;
    s.Add(kOKButton, ControlKind::Button);
    s.Add(kCancelButton, ControlKind::Button);
}

void FrmPassWord::Form_Load() {
    PassWordDialogOK = false;
    ShowPassWordByLanguage();
    ShowPassWordByData();
    State().focus = password::PassWord;
}

void FrmPassWord::ShowPassWordByLanguage() {
    State().caption = GetLanguageString(d_, passwordkey::Caption);
    C(password::Prompt).text = GetLanguageString(d_, passwordkey::Label);
    SetOKCancelCaption(d_, State());
}

void FrmPassWord::ShowPassWordByData() { C(password::PassWord).text = Latin1ToUtf8(d_.InputPassWord); }

std::string FrmPassWord::EnteredPassWord() const {
    return TrimNullStr(Utf8ToLatin1(C(password::PassWord).text));
}

void FrmPassWord::CommandOK_Click() {
    PassWordDialogOK = true;
    d_.InputPassWord = EnteredPassWord();
    Unload();
}

void FrmPassWord::CommandCancel_Click() { Unload(); }

void FrmPassWord::Click(const std::string& control) {
    if (control == kOKButton) CommandOK_Click();
    if (control == kCancelButton) CommandCancel_Click();
}

}  // namespace rp
