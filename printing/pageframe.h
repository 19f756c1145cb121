#pragma once
// The report's page frame: the header (title, date and time, model, band,
// data file), the footer with the page number, and rows of text cells at
// fractions of the page width, each row starting at PrintLinePos.
//
// Horizontal positions are percentages of the printable width W, vertical
// positions fractions of the printable height H, in single precision.
#include <initializer_list>
#include <string>
#include <utility>

#include "core/appdata.h"
#include "core/reportclock.h"
#include "printing/printer.h"

namespace rp {

// The tallest fixed page: the channel page with five blocks, its title at
// 2 % of H, two lines at 25 points and 64 lines at 10 points. Its lines must
// end by 95 % of H, above the footer at 97 %.
inline constexpr double kTallestPageLines25 = 2;
inline constexpr double kTallestPageLines10 = 64;
inline constexpr double kTallestPageShare = 0.93;

// The line factor of a job: min(1, 0.93 H / (2 x spacing at 25 pt + 64 x
// spacing at 10 pt)).
double FitLineFactor(ReportPrinter& printer);

// One cell of a row: its column as a percentage of W and its text.
struct PrintCellText {
    double column;
    std::string text;
};

class Report {
public:
    // Sets the printer's line factor for the job.
    Report(AppData& d, ReportPrinter& printer, ReportClock clock);

    AppData& d;
    ReportPrinter& printer;

    void PrintPageHeader();
    void PrintPageFooter();
    // x := W x p / 100.
    void SetPrintColumn(double p);
    void PrintTextLine(const std::string& text);
    // PrintLinePos := y, the nearest whole number.
    void SavePrintLine();
    // y := PrintLinePos; x at p; the text.
    void PrintCell(double p, const std::string& text);
    // "OFF" / "ON" (empty for -1) of the current language; any other value
    // prints as its number.
    std::string GetOnOffText(int value) const;
    // y has reached 95 % of H.
    bool IsPrintPageFull() const;
    // Footer, then a page break.
    void EndPrintPage();

    // A row: SavePrintLine, then each cell left to right.
    void PrintRow(std::initializer_list<PrintCellText> cells);
    // A section's title at 5 % followed by `emptyLines` empty lines.
    void PrintTitle(const std::string& title, int emptyLines);

    // The texts of the current language.
    const std::string& Text(const LangTexts& t) const { return LangText(d, t); }

private:
    ReportClock clock_;
};

}  // namespace rp
