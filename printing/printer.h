#pragma once
// The printer object the report draws on: printable width and height, a
// print position, font size and emphasis, text width, "print line", the
// page number, page break and end of document, over a PrintSurface.
//
// Page breaks are lazy: a break raises the page number at once but starts
// the device's new page only when something is drawn after it, so a
// document never ends with a blank page. Every line advance is the font's
// line spacing times the job's line factor (SetLineFactor), in whole device
// units. A device failure throws PrintFailure.
#include <stdexcept>
#include <string>

#include "core/printsurface.h"

namespace rp {

// A carriage return and line feed pair: inside a printed text it starts a
// new line.
inline constexpr const char* kCrLf = "\r\n";

class PrintFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ReportPrinter {
public:
    explicit ReportPrinter(PrintSurface& surface);

    // The printable area (single precision, as every position of the report).
    float ScaleWidth() const { return width_; }
    float ScaleHeight() const { return height_; }

    // Where the next text starts: x from the left, y the top of the line.
    float CurrentX = 0;
    float CurrentY = 0;

    void SetFontSize(double points);
    double FontSize() const { return size_; }
    // The emphasis of the font: bold.
    void SetFontBold(bool bold);
    bool FontBold() const { return bold_; }
    float TextWidth(const std::string& text);
    // Line spacing at a size, unscaled (for the job's line factor).
    double LineSpacingAt(double points);

    // Prints the text at the print position and ends the line: x goes back
    // to 0 and y down one line. A CR LF pair inside the text starts a new
    // line in the same way, so a text ending in one leaves an empty line.
    void Print(const std::string& text);

    // Number of the current page, 1 on the first.
    int Page() const { return page_; }
    // Ends the current page; the next starts with the next drawing.
    void NewPage();
    // Ends the document. A break just before it adds no page.
    void EndDoc();
    // Drops the document after a failure.
    void KillDoc();

    void SetLineFactor(double factor) { lineFactor_ = factor; }
    double LineFactor() const { return lineFactor_; }

private:
    void Check(bool ok, const char* what);
    void Draw(const std::string& segment);
    void Advance();

    PrintSurface& surface_;
    float width_;
    float height_;
    double size_ = 10;
    bool bold_ = false;
    int page_ = 1;
    bool breakPending_ = false;
    bool ended_ = false;
    double lineFactor_ = 1.0;
};

}  // namespace rp
