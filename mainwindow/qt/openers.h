#pragma once
// The dialogs of the main window's folder: FrmLanguage and frmAbout.
#include "widgets/dialoghost.h"

namespace rp {

void RegisterMainWindowDialogs(DialogOpeners& openers);
// The language dialog, bound and loaded (also for the control-name check).
FormDialog* MakeLanguageDialog(const DialogContext& c);
// The about box, bound and loaded.
FormDialog* MakeAboutDialog(const DialogContext& c);

}  // namespace rp
