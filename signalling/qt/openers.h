#pragma once
// The DTMF dialog with its special-call builder, the two-tone and the MSK
// dialog: their shells, each laying out and binding its form's dialog.
#include "widgets/dialoghost.h"

namespace rp {

void RegisterSignallingDialogs(DialogOpeners& openers);

void BuildFrmDTMF(FormDialog& dlg);
// The special-call builder, opened over the DTMF dialog.
void BuildFrmDTMFCallBuilder(FormDialog& dlg);
void BuildFrm2Tone(FormDialog& dlg);
void BuildFrmMSK(FormDialog& dlg);

}  // namespace rp
