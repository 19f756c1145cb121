#pragma once
// The printer that the print-item dialog keeps while it is loaded: its
// printer dialog (for the set-up button and for the job), the document it
// starts, and the clock the page header reads. Qt: platform/qtprinterport.h;
// tests: a fake with a recording surface.
#include <memory>

#include "core/printsurface.h"
#include "core/reportclock.h"

namespace rp {

class PrinterPort {
public:
    virtual ~PrinterPort() = default;
    // The set-up button: the printer dialog; its Cancel changes nothing.
    virtual void ShowSetupDialog() = 0;
    // The job: portrait orientation, then the printer dialog; false when
    // the user cancelled it.
    virtual bool ShowPrintDialog() = 0;
    // A document on the chosen printer; null when it cannot be started.
    virtual std::unique_ptr<PrintSurface> BeginDocument() = 0;
    // The date and time for the page header, in the system's short formats.
    virtual ReportDateTime Now() = 0;
};

}  // namespace rp
