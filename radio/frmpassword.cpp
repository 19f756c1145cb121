#include "radio/frmpassword.h"

#include "core/fixedtext.h"
#include "core/language.h"
#include "forms/formlanguage.h"

namespace rp {

FrmPassWord::FrmPassWord(AppData& d) : Form("FrmPassWord"), d_(d) {
    FormState& s = State();
    s.Add("Label1", ControlKind::Label);
    s.Add("Text1", ControlKind::TextBox).max = kPassWordMaxLength;
    s.Add("CommandOK", ControlKind::Button);
    s.Add("CommandCancel", ControlKind::Button);
}

void FrmPassWord::Form_Load() {
    PassWordDialogOK = false;
    ShowPassWordByLanguage();
    ShowPassWordByData();
    State().focus = "Text1";
}

void FrmPassWord::ShowPassWordByLanguage() {
    State().caption = GetLanguageString(d_, passwordkey::Caption);
    C("Label1").text = GetLanguageString(d_, passwordkey::Label);
    SetOKCancelCaption(d_, State());
}

void FrmPassWord::ShowPassWordByData() { C("Text1").text = Latin1ToUtf8(d_.InputPassWord); }

std::string FrmPassWord::EnteredPassWord() const {
    return TrimNullStr(Utf8ToLatin1(C("Text1").text));
}

void FrmPassWord::CommandOK_Click() {
    PassWordDialogOK = true;
    d_.InputPassWord = EnteredPassWord();
    Unload();
}

void FrmPassWord::CommandCancel_Click() { Unload(); }

void FrmPassWord::Click(const std::string& control) {
    if (control == "CommandOK") CommandOK_Click();
    if (control == "CommandCancel") CommandCancel_Click();
}

}  // namespace rp
