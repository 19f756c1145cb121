#include "signalling/dtmfcallbuilder.h"

#include "core/language.h"
#include "forms/formlanguage.h"
#include "signalling/dtmfrules.h"
#include "signalling/formhelpers.h"
#include "signalling/frmdtmfcontrols.h"
#include "signalling/dtmfcallbuildercontrols.h"

namespace rp {

FrmDTMFCallBuilder::FrmDTMFCallBuilder(AppData& d, FrmDTMF& owner)
    : Form(kName), d_(d), owner_(owner) {
    FormState& f = State();
    f.caption = "DTMF Special Call";
    AddControls(f, dtmfcallbuilder::kControls);
    f[dtmfcallbuilder::CallType].items = {"ANI"};
    f[dtmfcallbuilder::Target].text = "000";
    f[dtmfcallbuilder::Target].selectOnEntry = SelectOnEntry::OnFocus;  // whenever it takes the focus
}

void FrmDTMFCallBuilder::Form_Load() {
    C(dtmfcallbuilder::CallTypeCaption).text = GetLanguageOptionString(d_, "60064");
    C(dtmfcallbuilder::TargetCaption).text = GetLanguageOptionString(d_, "60076");
    SetListIndex(C(dtmfcallbuilder::CallType), 0);
    Combo1_Click();
    C(dtmfcallbuilder::TargetFrame).visible = true;
    SetOKCancelCaption(d_, State());
}

void FrmDTMFCallBuilder::Combo1_Click() {
    const int kind = C(dtmfcallbuilder::CallType).index;
    if (kind == 0) C(dtmfcallbuilder::TargetFrame).visible = true;
    else if (kind == 1) C(dtmfcallbuilder::TargetFrame).visible = false;
}

void FrmDTMFCallBuilder::Text1_GotFocus() {}

void FrmDTMFCallBuilder::Text1_KeyPress(int& keyAscii) { keyAscii = DigitKey(keyAscii); }

void FrmDTMFCallBuilder::Text1_LostFocus() {
    std::string& target = C(dtmfcallbuilder::Target).text;
    target = ExtendDtmfID(target);
}

void FrmDTMFCallBuilder::CommandOK_Click() {
    const int kind = C(dtmfcallbuilder::CallType).index;
    const int box = owner_.CurDTMFEditID;
    if ((kind == 0 || kind == 1) && box >= 0 && box <= kDtmfLastSpecialBox) {
        owner_.C(dtmf::CodeBoxes[box]).text =
            ComposeDtmfSpecial(kind, C(dtmfcallbuilder::Target).text, owner_.C(dtmf::Separator).text,
                               owner_.C(dtmf::OwnId).text);
    }
    Unload();
}

void FrmDTMFCallBuilder::CommandCancel_Click() { Unload(); }

void FrmDTMFCallBuilder::Click(const std::string& control) {
    if (control == dtmfcallbuilder::CallType) Combo1_Click();
    else if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

void FrmDTMFCallBuilder::KeyPress(const std::string& control, int& keyAscii) {
    if (control == dtmfcallbuilder::Target) Text1_KeyPress(keyAscii);
}

void FrmDTMFCallBuilder::GotFocus(const std::string& control) {
    State().focus = control;
    if (control == dtmfcallbuilder::Target) Text1_GotFocus();
}

bool FrmDTMFCallBuilder::LostFocus(const std::string& control, const std::string& next) {
    if (State().focus == control) State().focus = next;
    if (control == dtmfcallbuilder::Target) Text1_LostFocus();
    return true;
}

}  // namespace rp
