#pragma once
// The optional-functions dialog's window (FrmOption): layout only; the rules
// live in settings/frmoption.h.
#include "widgets/dialoghost.h"

namespace rp {

// The shell: lays out and binds the dialog.
void BuildFrmOption(FormDialog& dlg);

// Registers "FrmOption" (Edit > Options and the tree node "N4").
void RegisterOptionDialogs(DialogOpeners& openers);

}  // namespace rp
