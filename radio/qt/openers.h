#pragma once
// The dialogs of the radio folder.
#include "link/engine.h"
#include "widgets/dialoghost.h"

namespace rp {

void RegisterRadioDialogs(DialogOpeners& openers);
// The transfer's own dialogs: FrmPassWord.
void RegisterTransferDialogs(DialogOpeners& openers);

// FrmPassWord, loaded and bound; its text box masked with "*".
FormDialog* MakePassWordDialog(const DialogContext& c);

}  // namespace rp
