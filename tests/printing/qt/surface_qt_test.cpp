// The QPainter surface on a PDF printer: the file appears only when the
// document ends well, and the report's fullest page stays above its footer
// with real fonts on A4 and Letter.
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/tempfolder.h"
#include "platform/qtprinterport.h"
#include "printfixture_qt.h"
#include "printing/pageframe.h"

using namespace rp;
namespace fs = std::filesystem;

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Files(const std::string& folder) {
    std::vector<std::string> v;
    for (const auto& e : fs::directory_iterator(folder)) v.push_back(e.path().filename().string());
    return v;
}

}  // namespace

TEST(QtPrintSurface, AnEarlierFileStaysUntilTheDocumentEndsWell) {
    rp::test::TempFolder tmp;
    const std::string target = tmp / "out.pdf";
    { std::ofstream(target) << "earlier"; }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(target));
    {
        QtPrintSurface s(printer);
        ASSERT_TRUE(s.Begin());
        EXPECT_TRUE(s.DrawText(10, 10, "dropped"));
        s.Abort();
    }
    EXPECT_EQ(Slurp(target), "earlier");
    EXPECT_EQ(Files(tmp.path()), std::vector<std::string>{"out.pdf"});
    EXPECT_EQ(printer.outputFileName().toStdString(), target);
    {
        QtPrintSurface s(printer);
        ASSERT_TRUE(s.Begin());
        EXPECT_TRUE(s.DrawText(10, 10, "kept"));
        EXPECT_TRUE(s.NewPage());
        EXPECT_TRUE(s.DrawText(10, 10, "page two"));
        EXPECT_TRUE(s.End());
    }
    EXPECT_EQ(Slurp(target).substr(0, 5), "%PDF-");
    EXPECT_EQ(rp::test::PdfPages(target), 2);
    EXPECT_EQ(Files(tmp.path()), std::vector<std::string>{"out.pdf"});
}

namespace {

struct FillCase {
    const char* name;
    QPageSize::PageSizeId page;
    const char* family;
};
void PrintTo(const FillCase& c, std::ostream* os) { *os << c.name; }

const FillCase kFills[] = {
    {"A4DejaVu", QPageSize::A4, "DejaVu Sans"},
    {"LetterDejaVu", QPageSize::Letter, "DejaVu Sans"},
    {"A4WenQuanYi", QPageSize::A4, "WenQuanYi Micro Hei"},
    {"LetterWenQuanYi", QPageSize::Letter, "WenQuanYi Micro Hei"},
};

class PageFill : public ::testing::TestWithParam<FillCase> {
protected:
    QFont saved = QGuiApplication::font();
    void TearDown() override { QGuiApplication::setFont(saved); }
};

}  // namespace

TEST_P(PageFill, TheFifthBlockOfAChannelPageEndsBy95PercentOfTheHeight) {
    const FillCase& c = GetParam();
    ASSERT_TRUE(QFontDatabase::families().contains(c.family)) << c.family;
    QGuiApplication::setFont(QFont(c.family));
    rp::test::TempFolder tmp;
    const std::string target = tmp / "fill.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(target));
    printer.setPageSize(QPageSize(c.page));
    printer.setPageOrientation(QPageLayout::Portrait);

    AppData d;
    InitPrintStrings(d);
    d.LanguageIndex = 2;
    d.CurModel = "KEVRA8R";
    QtPrintSurface surface(printer);
    ASSERT_TRUE(surface.Begin());
    ReportPrinter p(surface);
    p.SetFontSize(10);
    Report r(d, p, [] { return ReportDateTime{"2026/3/9", "14:05"}; });
    // The channel page: header, title and two empty lines, five blocks of
    // a heading and ten rows.
    r.PrintPageHeader();
    r.PrintTitle("信道信息", 2);
    for (int block = 0; block < 5; ++block) {
        r.SetPrintColumn(5);
        r.PrintTextLine("信道 " + std::to_string(block));
        for (int row = 1; row <= 10; ++row)
            r.PrintRow({{10, "接收频率"}, {30, "462.56250 MHz"}, {55, "LAST" + std::to_string(block)}, {75, "Ägy"}});
    }
    const float end = p.CurrentY;
    r.EndPrintPage();
    p.EndDoc();
    EXPECT_LE(end, p.ScaleHeight() * 0.95f);
    EXPECT_GT(end, p.ScaleHeight() * 0.80f);  // the page is not squeezed more than needed

    // In the PDF: the last row's text ends above 95 % of the printable height.
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const std::string bbox = rp::test::RunTool("pdftotext", {"-bbox", QString::fromStdString(target), "-"});
    const auto at = bbox.find(">LAST4<");
    ASSERT_NE(at, std::string::npos);
    const auto line = bbox.rfind("<word", at);
    const auto ymaxAt = bbox.find("yMax=\"", line);
    const double yMax = std::stod(bbox.substr(ymaxAt + 6));
    EXPECT_LE((yMax - area.top()) / area.height(), 0.95);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageFill, ::testing::ValuesIn(kFills),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QtReportHeader, TheEnglishTitleStaysInsideThePrintableWidth) {
    const QFont saved = QGuiApplication::font();
    QGuiApplication::setFont(QFont("DejaVu Sans"));
    rp::test::TempFolder tmp;
    const std::string target = tmp / "title.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(target));
    printer.setPageSize(QPageSize(QPageSize::A4));
    AppData d;
    InitPrintStrings(d);
    d.LanguageIndex = 1;
    {
        QtPrintSurface surface(printer);
        ASSERT_TRUE(surface.Begin());
        ReportPrinter p(surface);
        Report r(d, p, {});
        r.PrintPageHeader();
        r.EndPrintPage();
        p.EndDoc();
    }
    QGuiApplication::setFont(saved);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const std::string bbox = rp::test::RunTool("pdftotext", {"-bbox", QString::fromStdString(target), "-"});
    auto coordinate = [&](const char* word, const char* attribute) {
        const auto at = bbox.find(std::string(">") + word + "<");
        if (at == std::string::npos) return -1.0;
        const auto start = bbox.rfind("<word", at);
        const auto a = bbox.find(std::string(attribute) + "=\"", start);
        return std::stod(bbox.substr(a + std::string(attribute).size() + 2));
    };
    const double left = coordinate("KEVRA_8R", "xMin");
    const double right = coordinate("Information", "xMax");
    ASSERT_GE(left, 0);
    ASSERT_GE(right, 0);
    EXPECT_GE(left, area.left() - 0.5);
    EXPECT_LE(right, area.right() + 0.5);
    EXPECT_NEAR((left + right) / 2, area.center().x(), 2);
}
