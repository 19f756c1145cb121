#pragma once
// A recording page surface and printer port for the report's tests, with
// simple metrics: a character is half its size wide, a line 1.2 times its
// size high, in device units of `unitsPerPoint`.
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/printerport.h"
#include "core/printsurface.h"

namespace rp::test {

struct DrawnText {
    int page;
    double x;
    double y;
    double points;
    bool bold;
    std::string text;
};

// What the surfaces of one port drew: every document, the last one current.
struct FakeDocument {
    std::vector<DrawnText> texts;
    int pages = 1;
    bool ended = false;
    bool aborted = false;
};

struct FakeMetrics {
    double width = 8000;
    double height = 11000;
    double unitsPerPoint = 10;
    double lineEm = 1.2;
    double charEm = 0.5;
};

class RecordingSurface : public PrintSurface {
public:
    RecordingSurface(FakeDocument& doc, FakeMetrics m, int failAtDraw = -1)
        : doc_(doc), m_(m), failAtDraw_(failAtDraw) {}

    double Width() const override { return m_.width; }
    double Height() const override { return m_.height; }
    void SetFont(double points, bool bold) override {
        points_ = points;
        bold_ = bold;
    }
    double TextWidth(const std::string& text) override {
        // UTF-8: count characters, not bytes.
        double n = 0;
        for (unsigned char c : text) n += (c & 0xC0) != 0x80;
        return n * points_ * m_.charEm * m_.unitsPerPoint;
    }
    double LineSpacing() override { return LineSpacingAt(points_); }
    double LineSpacingAt(double points) override { return points * m_.lineEm * m_.unitsPerPoint; }
    bool DrawText(double x, double y, const std::string& text) override {
        if (failAtDraw_ >= 0 && draws_++ == failAtDraw_) return false;
        doc_.texts.push_back({doc_.pages, x, y, points_, bold_, text});
        return true;
    }
    bool NewPage() override {
        ++doc_.pages;
        return true;
    }
    bool End() override {
        doc_.ended = true;
        return true;
    }
    void Abort() override { doc_.aborted = true; }

private:
    FakeDocument& doc_;
    FakeMetrics m_;
    int failAtDraw_;
    int draws_ = 0;
    double points_ = 10;
    bool bold_ = false;
};

class RecordingPort : public PrinterPort {
public:
    FakeDocument doc;
    FakeMetrics metrics;
    bool cancel = false;       // the printer dialog is cancelled
    bool cannotStart = false;  // the document cannot start
    int failAtDraw = -1;       // the n-th text drawn fails (0 the first)
    int printDialogs = 0;
    int setupDialogs = 0;
    ReportDateTime now{"2026-03-09", "14:05"};

    void ShowSetupDialog() override { ++setupDialogs; }
    bool ShowPrintDialog() override {
        ++printDialogs;
        return !cancel;
    }
    std::unique_ptr<PrintSurface> BeginDocument() override {
        if (cannotStart) return nullptr;
        doc = FakeDocument{};
        return std::make_unique<RecordingSurface>(doc, metrics, failAtDraw);
    }
    ReportDateTime Now() override { return now; }
};

// The texts of one page as lines, top to bottom; the texts of a line (the
// same y) left to right, joined by " | ".
inline std::vector<std::string> PageLines(const FakeDocument& doc, int page) {
    std::map<long, std::vector<std::pair<double, std::string>>> rows;
    for (const auto& t : doc.texts)
        if (t.page == page) rows[std::lround(t.y * 100)].push_back({t.x, t.text});
    std::vector<std::string> lines;
    for (auto& [y, cells] : rows) {
        std::stable_sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::string line;
        for (const auto& c : cells) line += (line.empty() ? "" : " | ") + c.second;
        lines.push_back(line);
    }
    return lines;
}

// The first text drawn equal to `text` (null when none).
inline const DrawnText* FindText(const FakeDocument& doc, const std::string& text) {
    for (const auto& t : doc.texts)
        if (t.text == text) return &t;
    return nullptr;
}

}  // namespace rp::test
