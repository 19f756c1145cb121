// The channel section on the recording printer: order, pages, the tone and
// signalling texts, lists indexed outside their entries, and the page fill.
#include <gtest/gtest.h>


#include <string>
#include <vector>

#include "channels/frmchedit.h"
#include "channels/frmcheditcontrols.h"
#include "core/conversions.h"
#include "core/language.h"
#include "forms/tonetables.h"
#include "printfixture.h"
#include "printing/sections.h"

using namespace rp;

namespace {

constexpr std::size_t kHeaderLines = 5;

class ChannelSection : public rp::test::PrintTest {
protected:
    std::string Heading(int n) { return GetLanguageString(d, 1751) + " " + GetChannelTextByNo(n, -1); }
    // A block heading (the section's title starts with the same word).
    bool IsHeading(const std::string& text) {
        return text.rfind(GetLanguageString(d, 1751) + " ", 0) == 0 && text != GetLanguageString(d, 3009);
    }
    // The block headings of a page, in order.
    std::vector<std::string> Headings(int page) {
        std::vector<std::string> v;
        for (const auto& line : Lines(page))
            if (IsHeading(line)) v.push_back(line);
        return v;
    }
    FreDataRec& Channel(int storeIndex) { return d.FreData[static_cast<std::size_t>(storeIndex)]; }
    // The texts of a block row at 30 % and 75 % of the width.
    std::pair<std::string, std::string> Values(int row) {
        const auto& texts = port.doc.texts;
        // Block rows follow the block heading; row 1 is the next line.
        double headingY = -1;
        for (const auto& t : texts)
            if (IsHeading(t.text)) {
                headingY = t.y;
                break;
            }
        const double y = headingY + row * 120;
        std::pair<std::string, std::string> v;
        for (const auto& t : texts) {
            if (t.page != 1 || t.y != y) continue;
            if (t.x == 8000 * 0.30f) v.first = t.text;
            if (t.x == 8000 * 0.75f) v.second = t.text;
        }
        return v;
    }
};

}  // namespace

TEST_F(ChannelSection, RecordsInAnyOrderPrintAscendingFiveToAPage) {
    SetChannels({206, 2, 201, 205, 1, 203, 204, 202});
    for (int i = 0; i < 8; ++i) Channel(i).RxFre.Set("044000000");
    Print({kPrintItemChannel});
    ASSERT_TRUE(d.PrintOK);
    ASSERT_EQ(port.doc.pages, 2);
    EXPECT_EQ(Headings(1), (std::vector<std::string>{Heading(1), Heading(2), Heading(201), Heading(202), Heading(203)}));
    EXPECT_EQ(Headings(2), (std::vector<std::string>{Heading(204), Heading(205), Heading(206)}));
    EXPECT_EQ(Heading(1), GetLanguageString(d, 1751) + " 0");
    EXPECT_EQ(Heading(204), GetLanguageString(d, 1751) + " PU2");
    // Header, title with two empty lines, five blocks of eleven lines, footer.
    EXPECT_EQ(Lines(1).size(), kHeaderLines + 1 + 5 * 11 + 1);
    EXPECT_EQ(Lines(1)[kHeaderLines], GetLanguageString(d, 3009));
    EXPECT_EQ(Lines(2).back(), "- 2 -");
}

TEST_F(ChannelSection, AFullListGivesFortyTwoPagesTheLastWithOneBlock) {
    std::vector<int> all;
    for (int n = kFreDataMax; n >= 1; --n) all.push_back(n);
    SetChannels({});
    for (int n : all) {
        FreDataRec r{};
        r.No = static_cast<Integer>(n);
        d.FreData[static_cast<std::size_t>(d.WorkData.FreDataCount++)] = r;
    }
    Print({kPrintItemChannel});
    ASSERT_EQ(port.doc.pages, 42);
    EXPECT_EQ(Headings(42), std::vector<std::string>{Heading(206)});
    EXPECT_EQ(Headings(41).front(), Heading(201));
    EXPECT_EQ(Lines(42).back(), "- 42 -");
}

TEST_F(ChannelSection, NoRecordsGiveOnePageAndTheDialogIsNeverLoaded) {
    SetChannels({});
    d.EditFreData.No = 77;
    d.EditFreData.Name.Set("MARK");
    const FreDataRec mark = d.EditFreData;
    Print({kPrintItemChannel, kPrintItemBook});
    ASSERT_TRUE(d.PrintOK);
    EXPECT_EQ(port.doc.pages, 2);
    const auto page = Lines(1);
    ASSERT_EQ(page.size(), kHeaderLines + 2);
    EXPECT_EQ(page[kHeaderLines], GetLanguageString(d, 3009));
    EXPECT_EQ(page.back(), "- 1 -");
    EXPECT_EQ(d.EditFreData, mark);
}

namespace {

struct ToneCase {
    const char* name;
    int deType, deCtcss, deDcs, deInvert;
    int sig, dtmfCode;
    int step;
    const char* decode;     // "" = none drawn; "@4031" = text 4031; "@1206" = text 1206
    const char* signalling; // the same
};
void PrintTo(const ToneCase& c, std::ostream* os) { *os << c.name; }

const ToneCase kTones[] = {
    {"Ctcss13", 1, 13, 0, 0, 0, 0, 0, "100.0", "@1206"},
    {"CtcssAbove52CountsAs0", 1, 60, 0, 0, 1, 0, 0, "62.5", "DTMF M1"},
    {"Ctcss51IsTheOwnTone", 1, 51, 0, 0, 0, 0, 0, "@4031", "@1206"},
    {"Ctcss52IsEmpty", 1, 52, 0, 0, 0, 0, 0, "", "@1206"},
    {"CtcssNegativeIsEmpty", 1, -3, 0, 0, 0, 0, 0, "", "@1206"},
    {"Dcs19", 2, 0, 19, 0, 0, 0, 0, "D023N", "@1206"},
    {"Dcs19Inverted", 2, 0, 19, 1, 0, 0, 0, "D023I", "@1206"},
    {"DcsAbove511CountsAs0", 2, 0, 600, 0, 0, 0, 0, "D000N", "@1206"},
    {"DcsNegativeIsEmpty", 2, 0, -1, 0, 0, 0, 0, "", "@1206"},
    {"NoToneNoSignallingDespiteADtmfCode", 0, 5, 5, 0, 0, 7, 0, "@1206", "@1206"},
    {"DtmfCode7", 3, 0, 0, 0, 1, 7, 0, "@1206", "DTMF M8"},
    {"TwoTone", 0, 0, 0, 0, 2, 0, 0, "@1206", "2tone 4"},
    {"StepOutsideItsList", 0, 0, 0, 0, 0, 0, 40, "@1206", "@1206"},
};

class ChannelTones : public ChannelSection, public ::testing::WithParamInterface<ToneCase> {
protected:
    std::string Expect(const char* t) {
        if (std::string(t) == "@4031") return GetLanguageString(d, 4031);
        if (std::string(t) == "@1206") return GetLanguageString(d, 1206);
        return t;
    }
};

}  // namespace

TEST_P(ChannelTones, DecodeToneAndSignallingTexts) {
    const ToneCase& c = GetParam();
    SetChannels({5});
    FreDataRec& r = Channel(0);
    r.RxFre.Set("044000000");
    r.DeCTCType = static_cast<Integer>(c.deType);
    r.DeCTCSS = static_cast<Integer>(c.deCtcss);
    r.DeDCS = static_cast<Integer>(c.deDcs);
    r.DeDCSInvert = static_cast<Integer>(c.deInvert);
    r.OptSig = static_cast<Integer>(c.sig);
    r.DTMFCode = static_cast<Integer>(c.dtmfCode);
    r.Tone2Code = 4;
    r.Step = static_cast<Integer>(c.step);
    const auto before = d.FreData;
    Print({kPrintItemChannel});
    ASSERT_TRUE(d.PrintOK);
    EXPECT_EQ(Values(4).first, Expect(c.decode));
    EXPECT_EQ(Values(5).first, Expect(c.signalling));
    if (c.step == 40) EXPECT_EQ(Values(2).second, "");
    else EXPECT_EQ(Values(2).second, StepTexts()[static_cast<std::size_t>(c.step)]);
    EXPECT_EQ(d.FreData, before);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChannelTones, ::testing::ValuesIn(kTones),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChannelSection, BlockRowsCarryTheDialogsCaptionsAndListTexts) {
    SetChannels({12});
    FreDataRec& r = Channel(0);
    r.RxFre.Set("043512500");
    r.OffsetFre.Set("000500000");
    r.OffsetDir = 1;
    r.Name.Set("RPT\xC4");
    r.TxForbid = 1;
    r.ScanSkip = 5;  // no switch text: its number
    MainWindowCalls none;
    FrmCHEdit shown(d, none);
    d.EditChannelNo = 12;
    shown.Form_Load();
    Print({kPrintItemChannel});
    ASSERT_TRUE(d.PrintOK);
    const auto page = Lines(1);
    const std::size_t b = kHeaderLines + 1;  // the first block's heading, below the title
    EXPECT_EQ(page[b], GetLanguageString(d, 1751) + " 11");
    EXPECT_EQ(page[b + 1], GetLanguageString(d, 1101) + " | 435.12500 MHz | " + GetLanguageString(d, 1102) + " | " +
                               shown.C(chedit::OffsetDir).items[1] + " 5.00000 MHz");
    EXPECT_EQ(page[b + 2], shown.C(chedit::NameLabel).text + " | RPTÄ | " + GetLanguageString(d, 1104) + " | " + StepTexts()[0]);
    EXPECT_EQ(page[b + 8], shown.C(chedit::TxInhibit).text + " | ON | " + shown.C(chedit::Compander).text + " | OFF");
    EXPECT_EQ(page[b + 10], shown.C(chedit::ScanSkip).text + " | 5");
}

TEST_F(ChannelSection, PrintsWhileAPresetListIsShownWithAnyEditChannel) {
    for (int editNo : {0, 150}) {
        SCOPED_TRACE(editNo);
        SetChannels({1, 2, 3});
        d.ShowListType = ListGMRS;
        d.EditChannelNo = static_cast<Integer>(editNo);
        const RadioDataRec before = d.WorkData;
        Print({kPrintItemChannel});
        EXPECT_TRUE(d.PrintOK);
        EXPECT_TRUE(notes.shown.empty());
        EXPECT_EQ(d.EditChannelNo, editNo);
        EXPECT_EQ(d.WorkData, before);
        EXPECT_EQ(Headings(1).size(), 3u);
    }
}

namespace {

struct FillCase {
    const char* name;
    double width, height, lineEm;
};
void PrintTo(const FillCase& c, std::ostream* os) { *os << c.name; }

// Printable areas at 1200 dots an inch and the fonts' line spacing per em
// as Qt measures them for a PDF printer.
const FillCase kFills[] = {
    {"A4DejaVu", 9583, 13699, 1.1664375},
    {"LetterDejaVu", 9866, 12866, 1.1664375},
    {"A4WenQuanYi", 9583, 13699, 1.1747813},
    {"LetterWenQuanYi", 9866, 12866, 1.1747813},
};

class ChannelFill : public ChannelSection, public ::testing::WithParamInterface<FillCase> {};

}  // namespace

TEST_P(ChannelFill, TheFifthBlockEndsBy95PercentOfTheHeight) {
    const FillCase& c = GetParam();
    port.metrics = {c.width, c.height, 1200.0 / 72, c.lineEm, 0.5};
    SetChannels({1, 2, 3, 4, 5});
    Print({kPrintItemChannel});
    ASSERT_EQ(port.doc.pages, 1);
    double last = 0;
    for (const auto& t : port.doc.texts)
        if (t.text.rfind("- ", 0) != 0) last = std::max(last, t.y);
    const double line = std::floor(10 * c.lineEm * 1200.0 / 72 * std::min(1.0, 0.93 * c.height /
                                   (2 * 25 * c.lineEm * 1200.0 / 72 + 64 * 10 * c.lineEm * 1200.0 / 72)));
    EXPECT_LE(last + line, 0.95 * c.height);
    EXPECT_GT(last + line, 0.90 * c.height);
}

INSTANTIATE_TEST_SUITE_P(Pages, ChannelFill, ::testing::ValuesIn(kFills),
                         [](const auto& info) { return std::string(info.param.name); });

