#pragma once
// The print-item dialog's opener. The dialog keeps one QPrinter while it is
// open; its printer dialog and the header's clock can be replaced (tests).
#include "platform/qtprinterport.h"
#include "widgets/dialoghost.h"

namespace rp {

struct PrintingDialogHooks {
    PrinterChooser chooser;  // empty: QPrintDialog
    PrintClock clock;        // empty: the system clock
};

// Registers FrmPrintList.
void RegisterPrintingDialogs(DialogOpeners& openers, PrintingDialogHooks hooks = {});

// The dialog, loaded and bound, not yet shown.
FormDialog* MakeFrmPrintList(const DialogContext& c, PrintingDialogHooks hooks = {});

}  // namespace rp
