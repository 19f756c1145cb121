#pragma once
// The settings dialogs' shells: each lays out and binds its form's dialog;
// the main window makes the forms and opens them.
#include "widgets/dialoghost.h"

namespace rp {

// Registers FrmAlert, FrmScan, FrmEMG, FrmModel, FrmInit and FrmCommuBook.
void RegisterSettingsDialogs(DialogOpeners& openers);

void BuildFrmAlert(FormDialog& dlg);
void BuildFrmScan(FormDialog& dlg);
void BuildFrmEMG(FormDialog& dlg);
void BuildFrmModel(FormDialog& dlg);
void BuildFrmInit(FormDialog& dlg);
void BuildFrmCommuBook(FormDialog& dlg);

}  // namespace rp
