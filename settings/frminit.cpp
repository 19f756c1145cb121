#include "settings/frminit.h"

#include "core/listutils.h"
#include "core/messages.h"
#include "core/settings.h"
#include "forms/formlanguage.h"
#include "settings/frminitcontrols.h"

namespace rp {

FrmInit::FrmInit(AppData& d) : Form(kName), d_(d) {
    State().tag = "1411";
    AddControls(State(), init::kControls);
}

void FrmInit::Form_Load() {
    ShowInitByLanguage();
    ShowInitByData();
}

void FrmInit::ShowInitByLanguage() {
    ApplyFormLanguage(d_, State());  // the caption and the check box
    SetOKCancelCaption(d_, State());
}

void FrmInit::ShowInitByData() { C(init::KeepFactory).value = FlagToCheckValue(d_.FactoryFresFlag); }

void FrmInit::CommandOK_Click() {
    d_.FactoryFresFlag = static_cast<Integer>(C(init::KeepFactory).value == 1 ? 1 : 0);
    // The flag rules this run even when the file cannot keep it.
    FileFailure why;
    if (!WriteSetting(d_, "FactoryFres", d_.FactoryFresFlag, &why)) ShowFileError(d_, why);
    Unload();
}

void FrmInit::CommandCancel_Click() { Unload(); }

void FrmInit::Click(const std::string& control) {
    if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

}  // namespace rp
