#include "printing/pageframe.h"

#include <algorithm>
#include <cmath>

#include "core/models.h"

namespace rp {

namespace {

constexpr double kTitlePoints = 25;
constexpr double kBodyPoints = 10;

}  // namespace

double FitLineFactor(ReportPrinter& printer) {
    const double tallest = kTallestPageLines25 * printer.LineSpacingAt(kTitlePoints) +
                           kTallestPageLines10 * printer.LineSpacingAt(kBodyPoints);
    if (tallest <= 0) return 1.0;
    return std::min(1.0, kTallestPageShare * printer.ScaleHeight() / tallest);
}

Report::Report(AppData& data, ReportPrinter& p, ReportClock clock)
    : d(data), printer(p), clock_(std::move(clock)) {
    printer.SetLineFactor(FitLineFactor(printer));
}

void Report::PrintPageHeader() {
    const float w = printer.ScaleWidth();
    const float h = printer.ScaleHeight();
    printer.SetFontSize(kTitlePoints);
    printer.SetFontBold(true);
    printer.CurrentY = (h + h) / 100;
    const std::string& title = Text(d.Prt.PrtTitle);
    // A typeface wider than the one the layout was made for would push the
    // title past both edges: it then takes the size that fits the width.
    if (const float wide = printer.TextWidth(title); wide > w) {
        double points = kTitlePoints * w / wide;
        printer.SetFontSize(points);
        while (printer.TextWidth(title) > w && points > 1) printer.SetFontSize(points *= 0.99);
    }
    printer.CurrentX = (w - printer.TextWidth(title)) / 2;
    printer.Print(title + kCrLf);

    printer.SetFontSize(kBodyPoints);
    printer.CurrentX = w * 3 / 4;
    const ReportDateTime now = clock_ ? clock_() : ReportDateTime{};
    printer.Print(now.date + "    " + now.time + kCrLf);

    const std::pair<const LangTexts*, std::string> rows[] = {
        {&d.Prt.PrtModelTypeText, GetShowModelName(d.CurModel)},
        {&d.Prt.PrtFrequencyText, d.CurBandText},
        {&d.Prt.PrtFileNameText, d.DataFilePath + kCrLf},
    };
    for (const auto& [caption, value] : rows) {
        SavePrintLine();
        printer.CurrentX = w * 8 / 100;
        printer.Print(Text(*caption));
        printer.CurrentY = static_cast<float>(d.PrintLinePos);
        printer.CurrentX = w / 4;
        printer.Print(value);
    }
    printer.SetFontBold(false);
}

void Report::PrintPageFooter() {
    const float w = printer.ScaleWidth();
    const float h = printer.ScaleHeight();
    const std::string text = "- " + std::to_string(printer.Page()) + " -";
    printer.CurrentX = (w - printer.TextWidth(text)) / 2;
    printer.CurrentY = h - h * 3 / 100;
    printer.Print(text);
}

void Report::SetPrintColumn(double p) {
    printer.CurrentX = printer.ScaleWidth() * static_cast<float>(p) / 100;
}

void Report::PrintTextLine(const std::string& text) { printer.Print(text); }

void Report::SavePrintLine() { d.PrintLinePos = static_cast<Long>(std::nearbyint(printer.CurrentY)); }

void Report::PrintCell(double p, const std::string& text) {
    printer.CurrentY = static_cast<float>(d.PrintLinePos);
    SetPrintColumn(p);
    PrintTextLine(text);
}

std::string Report::GetOnOffText(int value) const {
    if (value < -1 || value > 1) return std::to_string(value);
    return Text(d.Prt.OnOffText[static_cast<std::size_t>(value + 1)]);
}

bool Report::IsPrintPageFull() const {
    const float h = printer.ScaleHeight();
    return printer.CurrentY >= h - h * 5 / 100;
}

void Report::EndPrintPage() {
    PrintPageFooter();
    printer.NewPage();
}

void Report::PrintRow(std::initializer_list<PrintCellText> cells) {
    SavePrintLine();
    for (const auto& c : cells) PrintCell(c.column, c.text);
}

void Report::PrintTitle(const std::string& title, int emptyLines) {
    SetPrintColumn(5);
    std::string text = title;
    for (int i = 0; i < emptyLines; ++i) text += kCrLf;
    PrintTextLine(text);
}

}  // namespace rp
