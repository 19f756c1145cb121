#include "signalling/dtmfcallbuilder.h"

#include "core/language.h"
#include "forms/formlanguage.h"
#include "signalling/dtmfrules.h"
#include "signalling/formhelpers.h"
#include "signalling/frmdtmfcontrols.h"
#include "signalling/dtmfcallbuildercontrols.h"

namespace rp {

FrmDTMFSpecial::FrmDTMFSpecial(AppData& d, FrmDTMF& owner)
    : Form("FrmDTMFSpecial"), d_(d), owner_(owner) {
    FormState& f = State();
    f.caption = "DTMF Special Call";
    AddControls(f, dtmfspecial::kControls);
    f[dtmfspecial::CallType].items = {"ANI"};
    f[dtmfspecial::Target].text = "000";
}

void FrmDTMFSpecial::Form_Load() {
    C(dtmfspecial::CallTypeCaption).text = GetLanguageOptionString(d_, "60064");
    C(dtmfspecial::TargetCaption).text = GetLanguageOptionString(d_, "60076");
    SetListIndex(C(dtmfspecial::CallType), 0);
    Combo1_Click();
    C(dtmfspecial::TargetFrame).visible = true;
    SetOKCancelCaption(d_, State());
}

void FrmDTMFSpecial::Combo1_Click() {
    const int kind = C(dtmfspecial::CallType).index;
    if (kind == 0) C(dtmfspecial::TargetFrame).visible = true;
    else if (kind == 1) C(dtmfspecial::TargetFrame).visible = false;
}

void FrmDTMFSpecial::Text1_GotFocus() {}

void FrmDTMFSpecial::Text1_KeyPress(int& keyAscii) { keyAscii = DigitKey(keyAscii); }

void FrmDTMFSpecial::Text1_LostFocus() {
    std::string& target = C(dtmfspecial::Target).text;
    target = ExtendDtmfID(target);
}

void FrmDTMFSpecial::CommandOK_Click() {
    const int kind = C(dtmfspecial::CallType).index;
    const int box = owner_.CurDTMFEditID;
    if ((kind == 0 || kind == 1) && box >= 0 && box <= kDtmfLastSpecialBox) {
        owner_.C(dtmf::CodeBoxes[box]).text =
            ComposeDtmfSpecial(kind, C(dtmfspecial::Target).text, owner_.C(dtmf::Separator).text,
                               owner_.C(dtmf::OwnId).text);
    }
    Unload();
}

void FrmDTMFSpecial::CommandCancel_Click() { Unload(); }

void FrmDTMFSpecial::Click(const std::string& control) {
    if (control == dtmfspecial::CallType) Combo1_Click();
    else if (control == dtmfspecial::OkButton) CommandOK_Click();
    else if (control == dtmfspecial::CancelButton) CommandCancel_Click();
}

void FrmDTMFSpecial::KeyPress(const std::string& control, int& keyAscii) {
    if (control == dtmfspecial::Target) Text1_KeyPress(keyAscii);
}

void FrmDTMFSpecial::GotFocus(const std::string& control) {
    State().focus = control;
    if (control == dtmfspecial::Target) Text1_GotFocus();
}

bool FrmDTMFSpecial::LostFocus(const std::string& control, const std::string& next) {
    if (State().focus == control) State().focus = next;
    if (control == dtmfspecial::Target) Text1_LostFocus();
    return true;
}

}  // namespace rp
