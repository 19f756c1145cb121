// The page frame on the recording surface (8000 x 11000 units; at 10
// points a character is 50 units wide and a line 120 high).
#include <gtest/gtest.h>

#include "core/language.h"
#include "printfixture.h"
#include "printing/pageframe.h"

using namespace rp;
using rp::test::FindText;

namespace {

class PageFrame : public rp::test::PrintTest {
protected:
    rp::test::FakeDocument doc;
    rp::test::RecordingSurface surface{doc, rp::test::FakeMetrics{}};
    ReportPrinter printer{surface};
    Report report{d, printer, [] { return ReportDateTime{"09/03/2026", "14:05"}; }};
};

}  // namespace

TEST_F(PageFrame, HeaderAndFooterStandAtTheirFractionsOfThePage) {
    report.PrintPageHeader();
    const auto* title = FindText(doc, "KEVRA_8R Radio Programming Information");
    ASSERT_NE(title, nullptr);
    EXPECT_FLOAT_EQ(title->y, 220);                        // 2 % of H
    EXPECT_FLOAT_EQ(title->x, (8000 - 38 * 125) / 2.0);    // centred at 25 points
    EXPECT_EQ(title->points, 25);
    EXPECT_TRUE(title->bold);
    const auto* when = FindText(doc, "09/03/2026    14:05");
    ASSERT_NE(when, nullptr);
    EXPECT_FLOAT_EQ(when->x, 6000);                        // 75 % of W
    EXPECT_FLOAT_EQ(when->y, 220 + 2 * 300);               // after the title and an empty line
    EXPECT_EQ(when->points, 10);
    const std::pair<const char*, const char*> rows[] = {
        {"Model Type", "KEVRA-8R"},
        {"Frequency", "UHF(400 - 480 MHz) VHF(136 - 174 MHz)"},
        {"File Name", "/home/dealer/new.dat"},
    };
    double y = 820 + 240;
    for (const auto& [caption, value] : rows) {
        const auto* c = FindText(doc, caption);
        const auto* v = FindText(doc, value);
        ASSERT_NE(c, nullptr) << caption;
        ASSERT_NE(v, nullptr) << value;
        EXPECT_FLOAT_EQ(c->x, 640) << caption;   // 8 %
        EXPECT_FLOAT_EQ(v->x, 2000) << value;    // 25 %
        EXPECT_FLOAT_EQ(c->y, y) << caption;
        EXPECT_FLOAT_EQ(v->y, y) << value;
        y += 120;
    }
    EXPECT_FALSE(printer.FontBold());
    EXPECT_EQ(printer.FontSize(), 10);
    EXPECT_EQ(printer.CurrentX, 0);
    EXPECT_FLOAT_EQ(printer.CurrentY, 1300 + 240);         // an empty line after the file name
    EXPECT_EQ(d.PrintLinePos, 1300);

    report.EndPrintPage();
    const auto* footer = FindText(doc, "- 1 -");
    ASSERT_NE(footer, nullptr);
    EXPECT_FLOAT_EQ(footer->x, (8000 - 250) / 2.0);
    EXPECT_FLOAT_EQ(footer->y, 11000 - 330);               // 97 % of H
    EXPECT_EQ(printer.Page(), 2);
}

TEST_F(PageFrame, RowsStartAtAWholeNumberAndKeepTheirCellsOnOneLine) {
    printer.CurrentY = 1000.6f;
    report.PrintRow({{10, "caption"}, {50, ""}, {75, "value"}});
    EXPECT_EQ(d.PrintLinePos, 1001);
    ASSERT_EQ(doc.texts.size(), 2u);
    EXPECT_EQ(doc.texts[0].y, 1001);
    EXPECT_EQ(doc.texts[1].y, 1001);
    EXPECT_EQ(doc.texts[1].x, 6000);
    EXPECT_FLOAT_EQ(printer.CurrentY, 1121);  // one line below the row, the empty cell too
    report.PrintRow({{10, "next"}});
    EXPECT_EQ(doc.texts[2].y, 1121);
}

TEST_F(PageFrame, PageIsFullFrom95PercentOfTheHeight) {
    printer.CurrentY = 10449;
    EXPECT_FALSE(report.IsPrintPageFull());
    printer.CurrentY = 10450;
    EXPECT_TRUE(report.IsPrintPageFull());
}

TEST_F(PageFrame, ChineseHeaderAndSwitchTexts) {
    SetLanguageIndex(d, 2);
    report.PrintPageHeader();
    for (const char* t : {"KEVRA_8R 对讲机编程信息", "机型类型", "频率", "文件名"})
        EXPECT_NE(FindText(doc, t), nullptr) << t;
    EXPECT_EQ(report.GetOnOffText(1), "开");
    EXPECT_EQ(report.GetOnOffText(0), "关");
}

TEST_F(PageFrame, SwitchTexts) {
    const std::pair<int, const char*> cases[] = {{0, "OFF"}, {1, "ON"}, {-1, ""}, {2, "2"}, {-7, "-7"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(report.GetOnOffText(value), text) << value;
}

TEST_F(PageFrame, ThreeOnePageSectionsNumberTheirPagesWithNoBlankPageAfter) {
    Print({kPrintItemOption, kPrintItemBook, kPrintItemAlarm});
    EXPECT_TRUE(d.PrintOK);
    EXPECT_TRUE(port.doc.ended);
    EXPECT_EQ(port.doc.pages, 3);
    for (int page = 1; page <= 3; ++page) {
        const std::string footer = "- " + std::to_string(page) + " -";
        const auto* t = FindText(port.doc, footer);
        ASSERT_NE(t, nullptr) << footer;
        EXPECT_EQ(t->page, page);
        EXPECT_EQ(Lines(page).back(), footer);
    }
}

TEST_F(PageFrame, ATitleWiderThanThePageTakesTheSizeThatFits) {
    rp::test::FakeDocument narrowDoc;
    rp::test::FakeMetrics m;
    m.width = 4000;  // the title at 25 points is 4750 wide
    rp::test::RecordingSurface narrow(narrowDoc, m);
    ReportPrinter p(narrow);
    Report r(d, p, {});
    r.PrintPageHeader();
    const auto* title = FindText(narrowDoc, "KEVRA_8R Radio Programming Information");
    ASSERT_NE(title, nullptr);
    EXPECT_LT(title->points, 25);
    EXPECT_GT(title->points, 20);
    EXPECT_GE(title->x, 0);
    EXPECT_LE(title->x + 38 * title->points * 5, 4000.01);
    EXPECT_EQ(p.FontSize(), 10);
}
