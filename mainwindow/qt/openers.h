#pragma once
// The dialogs of the main window's folder: FrmLanguage and frmAbout.
#include "widgets/dialoghost.h"

namespace rp {

void RegisterMainWindowDialogs(DialogOpeners& openers);
// The shells of the language dialog and the about box.
void BuildFrmLanguage(FormDialog& dlg);
void BuildFrmAbout(FormDialog& dlg);

}  // namespace rp
