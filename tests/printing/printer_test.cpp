// The printer object: print line with CR LF pairs, lazy page breaks, the
// line factor and device failures.
#include <gtest/gtest.h>

#include "printfakes.h"
#include "printing/pageframe.h"
#include "printing/printer.h"

using namespace rp;
using rp::test::FakeDocument;
using rp::test::FakeMetrics;
using rp::test::RecordingSurface;

namespace {

class PrinterTest : public ::testing::Test {
protected:
    FakeDocument doc;
    RecordingSurface surface{doc, FakeMetrics{}};
    ReportPrinter p{surface};
};

}  // namespace

TEST_F(PrinterTest, PrintEndsTheLineAndEveryCrLfStartsAnother) {
    p.SetFontSize(10);  // 120 units a line
    p.CurrentX = 500;
    p.CurrentY = 1000;
    p.Print("title\r\n");
    EXPECT_EQ(p.CurrentX, 0);
    EXPECT_EQ(p.CurrentY, 1240);  // the text's line and one empty line
    p.CurrentX = 300;
    p.Print("a\r\nb");
    ASSERT_EQ(doc.texts.size(), 3u);
    EXPECT_EQ(doc.texts[0].x, 500);
    EXPECT_EQ(doc.texts[1].x, 300);
    EXPECT_EQ(doc.texts[2].x, 0);  // after a CR LF the line starts at the left edge
    EXPECT_EQ(doc.texts[2].y, 1360);
    EXPECT_EQ(p.CurrentY, 1480);
    p.Print("");  // an empty text still ends the line
    EXPECT_EQ(p.CurrentY, 1600);
    EXPECT_EQ(doc.texts.size(), 3u);
}

TEST_F(PrinterTest, PageBreakStartsAPageOnlyWhenSomethingIsDrawnAfterIt) {
    p.Print("one");
    p.NewPage();
    EXPECT_EQ(p.Page(), 2);
    EXPECT_EQ(p.CurrentY, 0);
    EXPECT_EQ(doc.pages, 1);
    p.Print("");
    EXPECT_EQ(doc.pages, 1);
    p.Print("two");
    EXPECT_EQ(doc.pages, 2);
    EXPECT_EQ(doc.texts.back().page, 2);
    p.NewPage();
    p.EndDoc();
    EXPECT_EQ(doc.pages, 2);  // no blank last page
    EXPECT_TRUE(doc.ended);
}

TEST_F(PrinterTest, LineFactorScalesEveryAdvance) {
    p.SetLineFactor(0.5);
    p.SetFontSize(25);
    p.Print("x\r\n");
    EXPECT_FLOAT_EQ(p.CurrentY, 300);
}

TEST(PrinterFailure, ADeviceFailureThrowsAndTheDocumentCanBeDropped) {
    FakeDocument doc;
    RecordingSurface surface(doc, FakeMetrics{}, 1);
    ReportPrinter p(surface);
    p.Print("first");
    EXPECT_THROW(p.Print("second"), PrintFailure);
    p.KillDoc();
    EXPECT_TRUE(doc.aborted);
    EXPECT_FALSE(doc.ended);
}

namespace {

struct FitCase {
    const char* name;
    double height;
    double lineEm;
    double factor;
};
void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

// Tallest page at factor 1: 2 x 25 x lineEm x 10 + 64 x 10 x lineEm x 10.
const FitCase kFits[] = {
    {"RoomToSpare", 11000, 1.2, 1.0},                                // 8280 <= 10230
    {"TallLines", 11000, 1.6, 0.93 * 11000 / (2 * 400 + 64 * 160)},  // 11040 > 10230
    {"ShortPage", 8000, 1.2, 0.93 * 8000 / 8280},
};

class LineFit : public ::testing::TestWithParam<FitCase> {};

}  // namespace

TEST_P(LineFit, TheTallestPageEndsBy95PercentOfTheHeight) {
    const FitCase& c = GetParam();
    FakeDocument doc;
    FakeMetrics m;
    m.height = c.height;
    m.lineEm = c.lineEm;
    RecordingSurface surface(doc, m);
    ReportPrinter p(surface);
    EXPECT_NEAR(FitLineFactor(p), c.factor, 1e-9);
    p.SetLineFactor(FitLineFactor(p));
    // The channel page: the title at 2 % of H, two lines at 25 points, 64 at 10.
    p.CurrentY = p.ScaleHeight() * 2 / 100;
    p.SetFontSize(25);
    p.Print("t\r\n");
    p.SetFontSize(10);
    for (int i = 0; i < 64; ++i) p.Print("row");
    EXPECT_LE(p.CurrentY, p.ScaleHeight() * 0.95 + 0.01);
}

INSTANTIATE_TEST_SUITE_P(Pages, LineFit, ::testing::ValuesIn(kFits),
                         [](const auto& info) { return std::string(info.param.name); });
