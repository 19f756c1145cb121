#pragma once
// The report's printer on Qt: one QPrinter that lives as long as the
// print-item dialog, its QPrintDialog (behind a chooser seam, since the
// dialog cannot be driven offscreen), and a QPainter surface per job.
//
// A PDF target is written to a temporary file in its folder and renamed
// over the target only when the document ends well; a failed or dropped
// job leaves no file and any earlier one as it was.
#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

#include "core/printerport.h"
#include "core/printsurface.h"


namespace rp {

// Shows the printer dialog on `printer` over `parent`; false when cancelled.
using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;
using PrintClock = std::function<QDateTime()>;

// The platform's printer dialog (QPrintDialog, modal).
bool ShowQtPrintDialog(QPrinter& printer, QWidget* parent);

// A QPainter on a QPrinter. The font is the application's default
// typeface; sizes and widths come from the printer's metrics.
class QtPrintSurface : public PrintSurface {
public:
    explicit QtPrintSurface(QPrinter& printer);
    ~QtPrintSurface() override;

    // Starts the document; false when the printer or file cannot start.
    bool Begin();

    double Width() const override;
    double Height() const override;
    void SetFont(double points, bool bold) override;
    double TextWidth(const std::string& text) override;
    double LineSpacing() override;
    double LineSpacingAt(double points) override;
    bool DrawText(double x, double y, const std::string& text) override;
    bool NewPage() override;
    bool End() override;
    void Abort() override;

private:
    bool Failed() const;
    // Puts the target name back; keeps (renames) or drops the PDF written.
    bool Finish(bool keep);

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    std::optional<QFontMetricsF> metrics_;
    QString target_;    // the PDF file asked for ("" for a printer)
    QString temporary_; // where it is written meanwhile
    bool active_ = false;
};

class QtPrinterPort : public PrinterPort {
public:
    // Empty chooser: the QPrintDialog; empty clock: the system clock.
    explicit QtPrinterPort(PrinterChooser chooser = {}, PrintClock clock = {});

    // The window the printer dialogs open over.
    void SetParent(QWidget* parent) { parent_ = parent; }
    QPrinter& printer() { return printer_; }

    void ShowSetupDialog() override;
    bool ShowPrintDialog() override;
    std::unique_ptr<PrintSurface> BeginDocument() override;
    ReportDateTime Now() override;

private:
    QPrinter printer_;
    PrinterChooser chooser_;
    PrintClock clock_;
    QPointer<QWidget> parent_;
};

}  // namespace rp
