#include "printing/printer.h"

#include <cmath>
#include <string_view>

namespace rp {

ReportPrinter::ReportPrinter(PrintSurface& surface)
    : surface_(surface),
      width_(static_cast<float>(surface.Width())),
      height_(static_cast<float>(surface.Height())) {
    surface_.SetFont(size_, bold_);
}

void ReportPrinter::Check(bool ok, const char* what) {
    if (!ok) throw PrintFailure(what);
}

void ReportPrinter::SetFontSize(double points) {
    size_ = points;
    surface_.SetFont(size_, bold_);
}

void ReportPrinter::SetFontBold(bool bold) {
    bold_ = bold;
    surface_.SetFont(size_, bold_);
}

float ReportPrinter::TextWidth(const std::string& text) {
    return static_cast<float>(surface_.TextWidth(text));
}

double ReportPrinter::LineSpacingAt(double points) { return surface_.LineSpacingAt(points); }

void ReportPrinter::Draw(const std::string& segment) {
    if (segment.empty()) return;
    if (breakPending_) {
        Check(surface_.NewPage(), "new page");
        breakPending_ = false;
    }
    Check(surface_.DrawText(CurrentX, CurrentY, segment), "draw text");
}

// Whole device units: rows then start exactly where the last one ended, so
// rounding PrintLinePos never pushes a page's rows down.
void ReportPrinter::Advance() {
    CurrentX = 0;
    CurrentY = static_cast<float>(CurrentY + std::floor(surface_.LineSpacing() * lineFactor_));
}

void ReportPrinter::Print(const std::string& text) {
    std::string_view rest(text);
    for (;;) {
        const std::size_t cut = rest.find(kCrLf);
        Draw(std::string(rest.substr(0, cut)));
        Advance();
        if (cut == std::string_view::npos) break;
        rest.remove_prefix(cut + 2);
    }
}

void ReportPrinter::NewPage() {
    breakPending_ = true;
    ++page_;
    CurrentX = 0;
    CurrentY = 0;
}

void ReportPrinter::EndDoc() {
    if (ended_) return;
    ended_ = true;
    Check(surface_.End(), "end document");
}

void ReportPrinter::KillDoc() {
    if (ended_) return;
    ended_ = true;
    surface_.Abort();
}

}  // namespace rp
