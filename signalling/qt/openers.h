#pragma once
// The DTMF, two-tone and MSK dialogs: their openers and the bound dialogs
// they make (also for the control-name check).
#include <memory>

#include "widgets/dialoghost.h"

namespace rp {

class FrmDTMFSpecial;

void RegisterSignallingDialogs(DialogOpeners& openers);

FormDialog* MakeDTMFDialog(const DialogContext& c);
// The special-call builder over the DTMF dialog `parent`, its form loaded.
FormDialog* MakeDTMFSpecialDialog(std::unique_ptr<FrmDTMFSpecial> form, QWidget* parent);
FormDialog* Make2ToneDialog(const DialogContext& c);
// Null unless the model offers the MSK dialog.
FormDialog* MakeMSKDialog(const DialogContext& c);

}  // namespace rp
