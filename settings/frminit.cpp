#include "settings/frminit.h"

#include "core/listutils.h"
#include "core/messages.h"
#include "core/settings.h"
#include "forms/formlanguage.h"

namespace rp {

FrmInit::FrmInit(AppData& d) : Form("FrmInit"), d_(d) {
    FormState& s = State();
    s.tag = "1411";
    s.Add("Check1", ControlKind::CheckBox).tag = "1412";
    s.Add("CommandOK", ControlKind::Button);
    s.Add("CommandCancel", ControlKind::Button);
}

void FrmInit::Form_Load() {
    ShowInitByLanguage();
    ShowInitByData();
}

void FrmInit::ShowInitByLanguage() {
    ApplyFormLanguage(d_, State());  // caption 1411, Check1 1412
    SetOKCancelCaption(d_, State());
}

void FrmInit::ShowInitByData() { C("Check1").value = FlagToCheckValue(d_.FactoryFresFlag); }

void FrmInit::CommandOK_Click() {
    d_.FactoryFresFlag = static_cast<Integer>(C("Check1").value == 1 ? 1 : 0);
    // The flag rules this run even when the file cannot keep it.
    FileFailure why;
    if (!WriteSetting(d_, "FactoryFres", d_.FactoryFresFlag, &why)) ShowFileError(d_, why);
    Unload();
}

void FrmInit::CommandCancel_Click() { Unload(); }

void FrmInit::Click(const std::string& control) {
    if (control == "CommandOK") CommandOK_Click();
    else if (control == "CommandCancel") CommandCancel_Click();
}

}  // namespace rp
