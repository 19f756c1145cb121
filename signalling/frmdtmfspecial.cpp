#include "signalling/frmdtmfspecial.h"

#include "core/language.h"
#include "forms/formlanguage.h"
#include "signalling/dtmfrules.h"
#include "signalling/formhelpers.h"

namespace rp {

FrmDTMFSpecial::FrmDTMFSpecial(AppData& d, FrmDTMF& owner)
    : Form("FrmDTMFSpecial"), d_(d), owner_(owner) {
    FormState& f = State();
    f.caption = "DTMF Special Call";
    f.Add("Label1", ControlKind::Label);
    f.Add("Combo1_0", ControlKind::ComboBox).items = {"ANI"};
    f.Add("Frame1", ControlKind::Frame);
    f.Add("Label2", ControlKind::Label);
    ControlState& target = f.Add("Text1", ControlKind::TextBox);
    target.max = 3;
    target.text = "000";
    f.Add("CommandOK", ControlKind::Button).tag = "101";
    f.Add("CommandCancel", ControlKind::Button).tag = "102";
}

void FrmDTMFSpecial::Form_Load() {
    C("Label1").text = GetLanguageOptionString(d_, "60064");
    C("Label2").text = GetLanguageOptionString(d_, "60076");
    SetListIndex(C("Combo1_0"), 0);
    Combo1_Click();
    C("Frame1").visible = true;
    SetOKCancelCaption(d_, State());
}

void FrmDTMFSpecial::Combo1_Click() {
    const int kind = C("Combo1_0").index;
    if (kind == 0) C("Frame1").visible = true;
    else if (kind == 1) C("Frame1").visible = false;
}

void FrmDTMFSpecial::Text1_GotFocus() {}

void FrmDTMFSpecial::Text1_KeyPress(int& keyAscii) { keyAscii = DigitKey(keyAscii); }

void FrmDTMFSpecial::Text1_LostFocus() { C("Text1").text = ExtendDtmfID(C("Text1").text); }

void FrmDTMFSpecial::CommandOK_Click() {
    const int kind = C("Combo1_0").index;
    const int box = owner_.CurDTMFEditID;
    if ((kind == 0 || kind == 1) && box >= 0 && box <= kDtmfLastSpecialBox) {
        owner_.C(Elem("Text2", box)).text =
            ComposeDtmfSpecial(kind, C("Text1").text, owner_.C(Elem("Combo1", 5)).text, owner_.C("Text3").text);
    }
    Unload();
}

void FrmDTMFSpecial::CommandCancel_Click() { Unload(); }

void FrmDTMFSpecial::Click(const std::string& control) {
    if (control == "Combo1_0") Combo1_Click();
    else if (control == "CommandOK") CommandOK_Click();
    else if (control == "CommandCancel") CommandCancel_Click();
}

void FrmDTMFSpecial::KeyPress(const std::string& control, int& keyAscii) {
    if (control == "Text1") Text1_KeyPress(keyAscii);
}

void FrmDTMFSpecial::GotFocus(const std::string& control) {
    State().focus = control;
    if (control == "Text1") Text1_GotFocus();
}

bool FrmDTMFSpecial::LostFocus(const std::string& control, const std::string& next) {
    if (State().focus == control) State().focus = next;
    if (control == "Text1") Text1_LostFocus();
    return true;
}

}  // namespace rp
