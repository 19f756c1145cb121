#pragma once
// The five-tone dialogs: Frm5Tone, opened by the main window, and the two it
// opens itself, the special-call builder FrmSpecial and the user tone set
// Frm5ToneDefTS.
#include <memory>

#include "widgets/dialoghost.h"

namespace rp {

class FrmSpecial;
class Frm5ToneDefTS;

void RegisterFiveToneDialogs(DialogOpeners& openers);

// Each dialog loaded and bound, not yet shown (also for the control-name check).
FormDialog* MakeFiveToneDialog(const DialogContext& c);
FormDialog* MakeSpecialCallDialog(std::unique_ptr<FrmSpecial> form, QWidget* parent);
FormDialog* MakeUserToneDialog(std::unique_ptr<Frm5ToneDefTS> form, QWidget* parent);

}  // namespace rp
