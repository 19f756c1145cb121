#pragma once
// The print-item dialog's shell. The dialog gives its form one QPrinter,
// kept while it is open; its printer dialog and the header's clock can be
// replaced (tests).
#include "platform/qtprinterport.h"
#include "widgets/dialoghost.h"

namespace rp {

struct PrintingDialogHooks {
    PrinterChooser chooser;  // empty: QPrintDialog
    PrintClock clock;        // empty: the system clock
};

// Registers FrmPrintList.
void RegisterPrintingDialogs(DialogOpeners& openers, PrintingDialogHooks hooks = {});

// Lays out and binds the dialog, its form given the printer.
void BuildFrmPrintList(FormDialog& dlg, PrintingDialogHooks hooks = {});

}  // namespace rp
