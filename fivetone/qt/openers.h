#pragma once
// The five-tone dialogs: Frm5Tone, opened by the main window, and the two it
// opens itself, the special-call builder FrmCallBuilder and the user tone set
// Frm5ToneDefTS.
#include "widgets/dialoghost.h"

namespace rp {

void RegisterFiveToneDialogs(DialogOpeners& openers);

// The shells, each laying out and binding its form's dialog.
void BuildFrm5Tone(FormDialog& dlg);
void BuildFrmCallBuilder(FormDialog& dlg);
void BuildFrm5ToneDefTS(FormDialog& dlg);

}  // namespace rp
