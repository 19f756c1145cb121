// The batch editor's value boxes: normalisation, grid snapping and the
// parsers of list texts.
#include <gtest/gtest.h>

#include <string>

#include "channels/batchapply.h"
#include "core/appdata.h"
#include "core/bands.h"
#include "core/fakes.h"
#include "core/language.h"

namespace rp::test {
namespace {

class BatchValues : public ::testing::Test {
public:
    AppData d;
    RecordingNotifier notes;

    void SetUp() override {
        d.Ui.Notify = &notes;
        d.AppFolder = RP_SOURCE_DIR;  // the shipped language files
        SetLanguageIndex(d, LangEnglish);
        d.CurBandText = GetFreqRangeText(0);  // UHF 400 - 480, VHF 136 - 174
        ASSERT_TRUE(ParseBandRanges(d));
    }
};

TEST_F(BatchValues, FocusLossNormalisesEachBox) {
    struct Case {
        int box;
        const char* text;
        const char* startId;  // box 8, for box 9
        const char* expected;
    };
    const Case cases[] = {
        // RX and TX start: band check, then the grid of its band.
        {0, "145.0037", "", "145.00250"},
        {0, "145.00625", "", "145.00625"},
        {0, "145.01", "", "145.01000"},
        {0, "600", "", "480.00000"},  // outside every band: the nearest edge
        {0, "", "", "400.00000"},     // not a number: the low edge of band 0
        {3, "440.0037", "", "440.00250"},
        {3, "100", "", "136.00000"},
        // Steps in kHz on the 2.5 / 6.25 kHz grid.
        {1, "7", "", "5"},
        {1, "8", "", "7.5"},
        {1, "6.25", "", "6.25"},
        {1, "12.5", "", "12.5"},
        {1, "", "", "0"},
        {4, "1000", "", "1000"},
        {4, "999.9", "", "997.5"},
        // Offset in MHz, grid from 0; large values in whole 10 Hz units.
        {2, "0.6", "", "0.60000"},
        {2, "0.0037", "", "0.00250"},
        {2, "", "", "0.00000"},
        {2, "21474.83649", "", "21474.83500"},
        {2, "99999999", "", "99999999.00000"},
        // Counts: numeric texts stay.
        {5, "12", "", "12"},
        {5, "", "", "0"},
        {6, "-5", "", "-5"},
        {8, "05", "", "05"},
        {8, "", "", "0"},
        {9, "123", "05", "12"},
        {9, "", "05", "0"},
        {9, "7", "000", "7"},
        // The name box keeps its text.
        {7, "ab1", "", "ab1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text2LostFocus(d, c.box, c.text, c.startId), c.expected) << "box " << c.box << " " << c.text;
    EXPECT_TRUE(notes.shown.empty()) << "band checks warn nothing";
}

TEST_F(BatchValues, SnappingMovesTowardsTheBandsLowEdge) {
    EXPECT_DOUBLE_EQ(StepDataFre(d, 145.0037, true), 145.0025);
    EXPECT_DOUBLE_EQ(StepDataFre(d, 400.0037, true), 400.0025);
    EXPECT_DOUBLE_EQ(StepDataFre(d, 136.00625, true), 136.00625);
    // In no band: band 0, whose edge lies above, so the value moves up.
    EXPECT_DOUBLE_EQ(StepDataFre(d, 300.0037, true), 300.005);
    d.TxBandLow[1] = 144;
    d.TxBandHigh[1] = 146;
    EXPECT_DOUBLE_EQ(StepDataFre(d, 144.0037, false), 144.0025);
    EXPECT_EQ(StepDataFree("-0.0037"), "-0.00250");
}

TEST_F(BatchValues, CustomCtcssBox) {
    EXPECT_EQ(Text3LostFocus("300"), "151.1");
    EXPECT_EQ(Text3LostFocus(""), "151.1");
    EXPECT_EQ(Text3LostFocus("88.56"), "88.6");
    EXPECT_EQ(Text3LostFocus("62.54"), "62.5");
}

TEST_F(BatchValues, ToneTexts) {
    struct Case {
        const char* text;
        int position;
        Integer type, ctcss, code, inverted;  // after, from 7, 8, 9, 1
    };
    const Case cases[] = {
        {"D023N", 72, CtcDCS, 7, 19, 0},
        {"D023I", 584, CtcDCS, 7, 19, 1},
        {"D777I", 1076, CtcDCS, 7, 511, 1},
        {"D023X", 72, CtcNone, 7, 8, 1},   // a fifth letter other than N or I
        {"D089N", 80, CtcNone, 7, 8, 1},   // not octal
        {"D23N", 72, CtcNone, 7, 8, 1},
        {"67.0", 2, CtcCTCSS, 1, 8, 1},
        {"Custom CTCSS", 52, CtcCTCSS, 51, 8, 1},
        {"Custom CTCSS  ", 52, CtcCTCSS, 51, 8, 1},
        {"OFF", 0, CtcNone, 7, 8, 1},
        {"D023N", 0, CtcNone, 7, 8, 1},     // position 0 is off whatever it says
        {"anything", 9, CtcNone, 7, 8, 1},
    };
    for (const Case& c : cases) {
        Integer type = 9, ctcss = 7, code = 8, inverted = 1;
        GetToneDataByText(d, c.text, c.position, type, ctcss, code, inverted);
        EXPECT_EQ(type, c.type) << c.text;
        EXPECT_EQ(ctcss, c.ctcss) << c.text;
        EXPECT_EQ(code, c.code) << c.text;
        EXPECT_EQ(inverted, c.inverted) << c.text;
    }
}

TEST_F(BatchValues, WholeNumbersFromListTexts) {
    struct Case {
        const char* text;
        int def;
        const char* strip;
        int expected;
    };
    const Case cases[] = {
        {"M3", 1, "M", 3}, {"", 1, "M", 1},     {"M", 1, "M", 1},     {"12", 0, "", 12},
        {"M16", 1, "M", 16}, {"abc", 5, "", 5}, {"2.5", 0, "", 2},    {"3.5", 0, "", 4},
        {"99999", 0, "", 0}, {"-3", 0, "", -3}, {"M1M2", 0, "M", 12},
    };
    for (const Case& c : cases) EXPECT_EQ(GetIntByText(c.text, c.def, c.strip), c.expected) << c.text;
}

TEST_F(BatchValues, ToneListEntries) {
    std::vector<std::string> items = BatchToneListItems(d);
    ASSERT_EQ(items.size(), static_cast<std::size_t>(kBatchToneCount));
    EXPECT_EQ(items[0], "OFF");
    EXPECT_EQ(items[1], "62.5");
    EXPECT_EQ(items[51], "254.1");
    EXPECT_EQ(items[52], "Custom CTCSS");
    EXPECT_EQ(items[53], "D000N");
    EXPECT_EQ(items[72], "D023N");
    EXPECT_EQ(items[564], "D777N");
    EXPECT_EQ(items[565], "D000I");
    EXPECT_EQ(items[1076], "D777I");
}

}  // namespace
}  // namespace rp::test
