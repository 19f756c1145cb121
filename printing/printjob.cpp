#include "printing/printjob.h"

#include <exception>
#include <memory>

#include "printing/printer.h"
#include "printing/printstrings.h"
#include "printing/sections.h"

namespace rp {

namespace {

constexpr double kJobFontPoints = 10;

struct SectionSlot {
    int item;
    void (*print)(Report&);
};

// The sections in printing order.
constexpr SectionSlot kSections[] = {
    {kPrintItemChannel, PrintChannelList},
    {kPrintItemOption, PrintOptionPage},
    {kPrintItemDTMF, PrintDTMFPage},
    {kPrintItem2Tone, Print2TonePage},
    {kPrintItem5Tone, Print5TonePage},
    {kPrintItemBook, PrintCommBookPage},
    {kPrintItemEmbedded, PrintEmbeddedMessagePage},
    {kPrintItemAlarm, PrintAlertPage},
};

void ShowFailure(AppData& d) {
    d.Ui.Notify->Show(LangText(d, d.Prt.PrtFailedText), MsgIcon::Warning, MsgButtons::Ok, "");
}

}  // namespace

void PrintSections(Report& r) {
    for (const SectionSlot& s : kSections)
        if (r.d.PrintItemFlags[static_cast<std::size_t>(s.item)] != 0) s.print(r);
}

void PrintSelectedItems(AppData& d, PrinterPort& port) {
    d.PrintOK = true;
    if (!port.ShowPrintDialog()) {
        d.PrintOK = false;
        return;
    }
    std::unique_ptr<PrintSurface> surface = port.BeginDocument();
    if (!surface) {
        d.PrintOK = false;
        ShowFailure(d);
        return;
    }
    ReportPrinter printer(*surface);
    try {
        printer.SetFontSize(kJobFontPoints);
        Report report(d, printer, [&port] { return port.Now(); });
        PrintSections(report);
        printer.EndDoc();
    } catch (const std::exception&) {
        printer.KillDoc();
        d.PrintOK = false;
        ShowFailure(d);
    }
}

}  // namespace rp
