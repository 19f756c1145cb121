#pragma once
// The dialogs of the main window's folder: FrmLanguage.
#include "widgets/dialoghost.h"

namespace rp {

void RegisterMainWindowDialogs(DialogOpeners& openers);
// The language dialog, bound and loaded (also for the control-name check).
FormDialog* MakeLanguageDialog(const DialogContext& c);

}  // namespace rp
