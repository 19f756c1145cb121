#include "platform/qtprinterport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPrintDialog>
#include <QTemporaryFile>
#include <QWidget>

#include <cstdio>

namespace rp {

bool ShowQtPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

// ---- surface ---------------------------------------------------------------

QtPrintSurface::QtPrintSurface(QPrinter& printer) : printer_(printer), font_(QGuiApplication::font()) {}

QtPrintSurface::~QtPrintSurface() {
    if (active_) Abort();
}

bool QtPrintSurface::Begin() {
    if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty()) {
        target_ = printer_.outputFileName();
        const QFileInfo info(target_);
        QTemporaryFile file(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
        file.setAutoRemove(false);
        if (!file.open()) return false;
        temporary_ = file.fileName();
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                            QFileDevice::ReadOther);
        file.close();
        printer_.setOutputFileName(temporary_);
    }
    active_ = painter_.begin(&printer_);
    if (!active_) {
        Finish(false);
        return false;
    }
    return true;
}

bool QtPrintSurface::Finish(bool keep) {
    if (target_.isEmpty()) return keep;
    printer_.setOutputFileName(target_);
    if (temporary_.isEmpty()) return keep;
    if (keep) {
        // rename() replaces an earlier file in one step.
        keep = std::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) == 0;
    }
    if (!keep) QFile::remove(temporary_);
    temporary_.clear();
    return keep;
}

double QtPrintSurface::Width() const { return printer_.width(); }
double QtPrintSurface::Height() const { return printer_.height(); }

void QtPrintSurface::SetFont(double points, bool bold) {
    if (font_.pointSizeF() == points && font_.bold() == bold && metrics_) return;
    font_.setPointSizeF(points);
    font_.setBold(bold);
    metrics_.emplace(font_, &printer_);
    if (active_) painter_.setFont(font_);
}

double QtPrintSurface::TextWidth(const std::string& text) {
    if (!metrics_) metrics_.emplace(font_, &printer_);
    return metrics_->horizontalAdvance(QString::fromUtf8(text));
}

double QtPrintSurface::LineSpacing() {
    if (!metrics_) metrics_.emplace(font_, &printer_);
    return metrics_->lineSpacing();
}

double QtPrintSurface::LineSpacingAt(double points) {
    QFont f = font_;
    f.setPointSizeF(points);
    return QFontMetricsF(f, &printer_).lineSpacing();
}

bool QtPrintSurface::Failed() const { return printer_.printerState() == QPrinter::Error; }

bool QtPrintSurface::DrawText(double x, double y, const std::string& text) {
    if (!active_) return false;
    if (!metrics_) metrics_.emplace(font_, &printer_);
    if (painter_.font() != font_) painter_.setFont(font_);
    painter_.drawText(QPointF(x, y + metrics_->ascent()), QString::fromUtf8(text));
    return !Failed();
}

bool QtPrintSurface::NewPage() {
    if (!active_) return false;
    return printer_.newPage() && !Failed();
}

bool QtPrintSurface::End() {
    if (!active_) return false;
    active_ = false;
    const bool ended = painter_.end() && !Failed();
    return Finish(ended);
}

void QtPrintSurface::Abort() {
    if (!active_) return;
    active_ = false;
    if (target_.isEmpty()) printer_.abort();
    if (painter_.isActive()) painter_.end();
    Finish(false);
}

// ---- port ------------------------------------------------------------------

QtPrinterPort::QtPrinterPort(PrinterChooser chooser, PrintClock clock)
    : printer_(QPrinter::HighResolution), chooser_(std::move(chooser)), clock_(std::move(clock)) {}

void QtPrinterPort::ShowSetupDialog() {
    if (chooser_) chooser_(printer_, parent_);
    else ShowQtPrintDialog(printer_, parent_);
}

bool QtPrinterPort::ShowPrintDialog() {
    printer_.setPageOrientation(QPageLayout::Portrait);
    return chooser_ ? chooser_(printer_, parent_) : ShowQtPrintDialog(printer_, parent_);
}

std::unique_ptr<PrintSurface> QtPrinterPort::BeginDocument() {
    auto surface = std::make_unique<QtPrintSurface>(printer_);
    if (!surface->Begin()) return nullptr;
    return surface;
}

ReportDateTime QtPrinterPort::Now() {
    const QDateTime now = clock_ ? clock_() : QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    return {locale.toString(now.date(), QLocale::ShortFormat).toStdString(),
            locale.toString(now.time(), QLocale::ShortFormat).toStdString()};
}

}  // namespace rp
