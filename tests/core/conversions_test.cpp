#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/bands.h"
#include "core/conversions.h"
#include "core/numtext.h"
#include "tests/core/fakes.h"

using namespace rp;
using rp::test::FixedTexts;
using rp::test::RecordingNotifier;

namespace {

constexpr const char* kWarnText = "Out of range";

class Conversions : public ::testing::Test {
protected:
    AppData d;
    RecordingNotifier notes;
    FixedTexts texts;

    void SetUp() override {
        texts.entries = {{kTextOutOfRange, kWarnText}};
        d.Ui.Notify = &notes;
        d.Ui.Texts = &texts;
        d.CurBandText = "UHF(400 - 480 MHz) VHF(136 - 174 MHz)";
        ASSERT_TRUE(ParseBandRanges(d));
        d.FMLowFre = 76.0;
        d.FMHighFre = 108.0;
        d.AMLowFre = 118.0;
        d.AMHighFre = 136.0;
    }
    // The texts shown since the last call, then forgets them.
    std::vector<std::string> Shown() {
        auto v = notes.Texts();
        notes.shown.clear();
        return v;
    }
    using Msgs = std::vector<std::string>;
    const Msgs warned{kWarnText};
    const Msgs notNumeric{kNotNumericText};
    const Msgs none{};
};

// A table of conversions whose results must not depend on the process locale.
void RunLocaleTable(AppData& d) {
    EXPECT_TRUE(IsNumeric("1.5"));
    EXPECT_FALSE(IsNumeric("1,5"));
    EXPECT_EQ(ParseNumber("462.5625"), 462.5625);
    EXPECT_EQ(FormatNumber(1.5, "0.00"), "1.50");
    EXPECT_EQ(PlainNumberText(400.5), "400.5");
    EXPECT_EQ(FreStrToData("462.5625"), "046256250");
    EXPECT_EQ(FreStrToData("462,5625"), "");
    EXPECT_EQ(DataToFreStr(d, "046256250"), "462.56250");
    EXPECT_EQ(DataToOffsetStr(d, "000060000"), "0.60000");
    EXPECT_EQ(FormatRxFreInBand(d, "462.561", 0, false), "462.56000");
    EXPECT_EQ(FormatRxFreInBand(d, 145.013, 0, false), "145.01250");
    EXPECT_EQ(CheckOffsetFre(d, "0.6", "145.00000", OffsetPlus, 0, false), "000.60000");
    EXPECT_EQ(GetFreBand(d, "145.5"), 2);
    EXPECT_EQ(FormatFMFre(d, "101.23"), "101.2500");
    EXPECT_EQ(RadioFreToData("101.2500"), "01012500");
    EXPECT_EQ(RadioDataToFreText(d, "01011000"), "101.1000");
    EXPECT_EQ(FormatAMFre(d, "120.123"), "120.1230");
    EXPECT_EQ(RadioDataToFreStr(d, "120.5"), "120.5000");
    EXPECT_EQ(CheckCTCSSText("100"), "100.0");
    EXPECT_EQ(CheckCTCSSText("88,5"), "151.1");
    EXPECT_EQ(GetChannelNoByText("2.5"), 3);
}

}  // namespace

TEST_F(Conversions, FreStrToData) {
    struct Case { const char* in; const char* out; } cases[] = {
        {"462.5625", "046256250"}, {"145.00000", "014500000"}, {"145", "014500000"},
        {"0", "000000000"}, {"", ""}, {"0.6", "000060000"}, {"1234", "123400000"},
        {"9999.99999", "999999999"},
        {"12345", ""}, {"10000.0", ""}, {"-1", ""}, {"-0.5", ""}, {"abc", ""}, {"1,5", ""},
        {".8E-911", "000000000"}, {"1e400", ""},  // underflow is 0, overflow no number
        {"462.562505", "046256250"},  // half a unit: even neighbour
        {"462.562515", "046256252"},
    };
    for (const auto& c : cases) EXPECT_EQ(FreStrToData(c.in), c.out) << c.in;
}

TEST_F(Conversions, StorageFormToDisplayForm) {
    struct Case { const char* in; const char* fre; const char* offset; } cases[] = {
        {"", "", "0.00000"},
        {"FFFFFFFFF", "", "0.00000"},
        {"014500000", "145.00000", "145.00000"},
        {"046256250", "462.56250", "462.56250"},
        {"000500000", "005.00000", "5.00000"},
        {"000060000", "000.60000", "0.60000"},
        {"010000000", "100.00000", "100.00000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DataToFreStr(d, c.in), c.fre) << c.in;
        EXPECT_EQ(DataToOffsetStr(d, c.in), c.offset) << c.in;
    }
    EXPECT_EQ(Shown(), none);

    EXPECT_EQ(DataToFreStr(d, "12AB"), "400");
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].text, "Not IsNumeric");
    EXPECT_EQ(notes.shown[0].icon, MsgIcon::None);
    EXPECT_EQ(notes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(notes.shown[0].title, "");  // the application title
    Shown();
    EXPECT_EQ(DataToOffsetStr(d, "12AB"), "0.00000");
    EXPECT_EQ(Shown(), notNumeric);
    // Only storage digits split 4 + 5; a dotted text is not a storage form.
    EXPECT_EQ(DataToFreStr(d, "462.5625"), "400");
    EXPECT_EQ(Shown(), notNumeric);
}

TEST_F(Conversions, GridRounding) {
    struct Case { double f; int band; double out; } cases[] = {
        {462.5625, 0, 462.5625},   // 2.5 kHz multiple
        {462.561, 0, 462.56},      // moved down onto the 2.5 kHz grid
        {400.00625, 0, 400.00625}, // 6.25 kHz multiple stays
        {400.00875, 0, 400.0075},
        {400.0, 0, 400.0},
        {145.013, 1, 145.0125},
        {136.00624, 1, 136.005},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(RoundFreToStepRx(d, c.f, 0, c.band), c.out) << c.f;
        EXPECT_DOUBLE_EQ(RoundFreToStepTx(d, c.f, 3, c.band), c.out) << c.f;
    }
    // The grid is counted from the band's low edge.
    d.CurBandText = "UHF(446 - 447 MHz) VHF(144 - 148 MHz)";
    ASSERT_TRUE(ParseBandRanges(d));
    d.RxBandLow[0] = 446.001;
    EXPECT_DOUBLE_EQ(RoundFreToStepRx(d, 446.0045, 0, 0), 446.0035);
    // Absurd values come back unchanged instead of overflowing the units.
    EXPECT_EQ(RoundFreToStepRx(d, -9.2e13, 0, 0), -9.2e13);
    EXPECT_EQ(RoundFreToStepTx(d, 1e300, 0, 1), 1e300);
}

TEST_F(Conversions, BandCheckAndEdges) {
    struct Case { const char* in; const char* out; bool outside; } cases[] = {
        {"462.5625", "462.56250", false}, {"462.561", "462.56000", false},
        {"400", "400.00000", false}, {"480", "480.00000", false}, {"174", "174.00000", false},
        {"145.013", "145.01250", false},
        {"481", "480.00000", true}, {"500", "480.00000", true}, {"100", "136.00000", true},
        {"175", "174.00000", true},
        {"300", "400.00000", true},  // 100 MHz from 400, 126 from 174
        {"287", "400.00000", true},  // 113 MHz from both: the earlier edge
        {"", "400.00000", true}, {"abc", "400.00000", true},
        {"-.8E-911", "136.00000", true},  // 0 MHz, nearest the VHF low edge
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatRxFreInBand(d, c.in, 0, false), c.out) << c.in;
        EXPECT_EQ(Shown(), none) << c.in;
        EXPECT_EQ(FormatRxFreInBand(d, c.in, 0, true), c.out) << c.in;
        EXPECT_EQ(Shown(), c.outside ? warned : none) << c.in;
        EXPECT_EQ(FormatFreInBandBy(d, c.in, 0, true, false), c.out) << c.in;
        EXPECT_EQ(FormatFreInBandBy(d, c.in, 0, false, false), c.out) << c.in;
    }
    ASSERT_EQ(notes.shown.size(), 0u);
    FormatRxFreInBand(d, 481.0, 0, true);
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].icon, MsgIcon::Warning);
    EXPECT_EQ(notes.shown[0].buttons, MsgButtons::Ok);
    Shown();

    // The TX procedures use the TX tables.
    d.TxBandLow[0] = 410.0;
    EXPECT_EQ(FormatTxFreInBand(d, "405", 0, false), "410.00000");
    EXPECT_EQ(FormatTxFreInBand(d, "x", 0, false), "410.00000");
    EXPECT_EQ(FormatFreInBandBy(d, 405.0, 0, false, false), "410.00000");
    EXPECT_EQ(FormatRxFreInBand(d, "405", 0, false), "405.00000");
    EXPECT_DOUBLE_EQ(GetBandEdgeFre(d, 405, false, 1), 410.0);
    EXPECT_DOUBLE_EQ(GetBandEdgeFre(d, 405, false, 0), 400.0);
    EXPECT_DOUBLE_EQ(GetTxBandLowFre(d, false), 410.0);
    EXPECT_DOUBLE_EQ(GetRxBandLowFre(d, true), 400.0);
    EXPECT_EQ(Shown(), warned);
}

// A text is read once into its value and units; the band check in units
// gives what the number band check gives for that value, with the same
// warnings, even next to an edge, between two edges and far beyond them.
TEST_F(Conversions, UnitsBandCheckAgreesWithTheNumberOne) {
    const char* const texts[] = {
        "462.5625",   "462.561",    "400.00875",  "145.013",   "136.00624",  " 145.0125 ", "+1.45013e2",
        "480.000004", "480.000005", "479.999996", "399.999996", "400.000004", "174.000004", "135.999996",
        "287",        "286.999999", "287.000001", "300",       ".5",         "146.",       "0",
        "-5",         "1e13",       "1e19",       "1e300",     "-1e300",     "999999999",  "145.000015",
    };
    for (const bool rx : {true, false}) {
        for (const char* t : texts) {
            SCOPED_TRACE(std::string(t) + (rx ? " RX" : " TX"));
            const double v = *ParseNumber(t);
            const std::string byNumber = FormatNumber(
                rx ? CheckRxFreInBand(d, v, 0, true) : CheckTxFreInBand(d, v, 0, true), "000.00000");
            const Msgs numberWarned = Shown();
            EXPECT_EQ(FormatFreInBandBy(d, t, 0, rx, true), byNumber);
            EXPECT_EQ(Shown(), numberWarned);
            EXPECT_EQ(FreUnitsText(FreUnitsInBandBy(d, v, rx, false), kChannelWholeDigits), byNumber);
        }
    }
}

TEST_F(Conversions, CheckOffsetFre) {
    struct Case { const char* off; const char* rx; int dir; const char* out; } cases[] = {
        {"0.6", "145.00000", OffsetPlus, "000.60000"},
        {"0.6", "145.00000", OffsetMinus, "000.60000"},   // TX 144.4
        {"0.6", "145.00000", OffsetNone, "000.60000"},    // 0 adds
        {"0.6", "145.00000", 7, "000.60000"},             // other values subtract
        {"10", "475.00000", OffsetPlus, "005.00000"},     // TX 485 -> 480
        {"50", "420.00000", OffsetMinus, "020.00000"},    // TX 370 -> 400
        {"0.0031", "145.00000", OffsetPlus, "000.00250"}, // TX moved onto the grid
        {"5", "440", OffsetPlus, "005.00000"},
        {"0.001", "145.00625", OffsetPlus, "000.00000"},  // TX moved below RX
        {"-0.6", "145.00000", OffsetPlus, "000.00000"},
        {"", "145.00000", OffsetPlus, "000.00000"},
        {"abc", "145.00000", OffsetPlus, "000.00000"},
        {"0.6", "abc", OffsetPlus, "000.00000"},
        {"0.6", "", OffsetPlus, "000.00000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckOffsetFre(d, c.off, c.rx, c.dir, 0, false), c.out)
            << c.off << " " << c.rx << " " << c.dir;
    EXPECT_EQ(Shown(), none);
    EXPECT_EQ(CheckOffsetFre(d, "10", "475.00000", OffsetPlus, 0, true), "005.00000");
    EXPECT_EQ(Shown(), warned);
    EXPECT_EQ(CheckOffsetFre(d, "0.6", "145.00000", OffsetPlus, 0, true), "000.60000");
    EXPECT_EQ(Shown(), none);
}

// The direction names the side of RX on which the offset is counted: above
// for OffsetNone and OffsetPlus, below for OffsetMinus and any other value.
// The side shows where the band check moves TX.
TEST_F(Conversions, CheckOffsetFreDirectionSides) {
    struct Case { const char* off; const char* rx; int dir; const char* out; } cases[] = {
        {"10", "475.00000", OffsetNone, "005.00000"},  // TX 485 -> 480
        {"10", "475.00000", OffsetMinus, "010.00000"}, // TX 465
        {"10", "475.00000", 7, "010.00000"},
        {"10", "475.00000", -1, "010.00000"},
        {"50", "420.00000", OffsetNone, "050.00000"},  // TX 470
        {"50", "420.00000", 3, "020.00000"},           // TX 370 -> 400
        {"0", "145.00000", OffsetNone, "000.00000"},
        {"0", "145.00000", 255, "000.00000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckOffsetFre(d, c.off, c.rx, c.dir, 0, false), c.out) << c.off << " " << c.rx << " " << c.dir;
    // No offset with an RX outside the TX band: TX goes to the band, above RX
    // for OffsetNone; below RX the band's edge leaves no offset.
    d.TxBandLow[0] = 410.0;
    EXPECT_EQ(CheckOffsetFre(d, "0", "405.00000", OffsetNone, 0, false), "005.00000");
    EXPECT_EQ(CheckOffsetFre(d, "0", "405.00000", OffsetMinus, 0, false), "000.00000");
    EXPECT_EQ(CheckOffsetFre(d, "0", "405.00000", 9, 0, false), "000.00000");
    EXPECT_EQ(Shown(), none);
}

TEST_F(Conversions, GetFreBand) {
    struct Case { const char* in; int band; } cases[] = {
        {"462.5", 1}, {"400", 1}, {"480", 1}, {"145", 2}, {"136", 2}, {"174", 2},
        {"200", 0}, {"480.00001", 0}, {"", 0}, {"x", 0}, {"145   ", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(GetFreBand(d, c.in), c.band) << c.in;
    EXPECT_EQ(GetFreBand(d, std::string("145\0  ", 6)), 2);
}

TEST_F(Conversions, FmList) {
    struct Round { double in, out; } rounds[] = {
        {101.23, 101.25}, {101.22, 101.2}, {101.25, 101.25}, {101.2, 101.2},
        {101.27, 101.25}, {101.28, 101.3}, {101.225, 101.2},  // 10122.5 -> 10122 -> 101.20
    };
    for (const auto& r : rounds) EXPECT_DOUBLE_EQ(RoundFMFre(r.in), r.out) << r.in;

    struct Case { const char* in; const char* out; bool warns; } cases[] = {
        {"101.23", "101.2500", false}, {"76", "76.0000", false}, {"108", "108.0000", false},
        {"75", "76.0000", true}, {"108.1", "108.0000", true}, {"abc", "76.0000", true},
        {"", "76.0000", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFMFre(d, c.in), c.out) << c.in;
        EXPECT_EQ(Shown(), c.warns ? warned : none) << c.in;
    }
    EXPECT_EQ(FormatFMFre(d, 101.22), "101.2000");
    d.FMLowFre = 64.0;  // model "7425USD"
    EXPECT_EQ(FormatFMFre(d, "75"), "75.0000");
    EXPECT_EQ(Shown(), none);
    d.FMLowFre = 76.0;

    struct Data { const char* in; const char* out; } data[] = {
        {"101.2500", "01012500"}, {"76.0000", "00760000"}, {"", ""}, {"abc", ""},
        {"10000", ""},  // does not fit eight digits
        {".8E-911", "00000000"},
    };
    for (const auto& c : data) EXPECT_EQ(RadioFreToData(c.in), c.out) << c.in;

    struct Text { const char* in; const char* out; bool notNumeric; } text[] = {
        {"", "", false}, {"FFFFFFFF", "", false}, {"01011000", "101.1000", false},
        {"101.25", "101.25", false},  // dotted text returned unchanged
        {"1011", "1011.0000", false}, {"12AB", "76.0000", true}, {"0101x000", "76.0000", true},
    };
    for (const auto& c : text) {
        EXPECT_EQ(RadioDataToFreText(d, c.in), c.out) << c.in;
        EXPECT_EQ(Shown(), c.notNumeric ? notNumeric : none) << c.in;
    }
}

TEST_F(Conversions, RadioChannelCountSkipsTheVfoEntry) {
    for (std::size_t i : {0u, 5u, 99u, 100u}) d.WorkData.RadioFreData[i].Used = 1;
    d.WorkData.RadioFreData[7].Used = 2;
    EXPECT_EQ(GetRadioChannelCount(d), 3);
}

TEST_F(Conversions, AirBand) {
    struct Case { const char* in; const char* out; bool warns; } cases[] = {
        {"120.123", "120.1230", false}, {"118", "118.0000", false}, {"136", "136.0000", false},
        {"120.12345", "120.1234", false},  // tie to even at the fourth decimal
        {"117", "118.0000", true}, {"137", "136.0000", true}, {"", "118.0000", true},
        {"x", "118.0000", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatAMFre(d, c.in), c.out) << c.in;
        EXPECT_EQ(Shown(), c.warns ? warned : none) << c.in;
    }
    EXPECT_EQ(FormatAMFre(d, 117.0), "118.0000");
    EXPECT_EQ(Shown(), warned);

    EXPECT_EQ(FormatRadioFre(""), "");
    EXPECT_EQ(FormatRadioFre("120.123"), "120.1230");
    EXPECT_EQ(FormatRadioFre("x"), "");

    struct Text { const char* in; const char* out; bool notNumeric; } text[] = {
        {"", "", false}, {"FFFFFFFF", "", false}, {"120.5", "120.5000", false},
        {"01200000", "120.0000", false}, {"bad", "118.0000", true},
    };
    for (const auto& c : text) {
        EXPECT_EQ(RadioDataToFreStr(d, c.in), c.out) << c.in;
        EXPECT_EQ(Shown(), c.notNumeric ? notNumeric : none) << c.in;
    }
}

TEST(ConversionTexts, CustomCtcss) {
    struct Case { const char* in; const char* out; } cases[] = {
        {"62.4", "151.1"}, {"62.5", "62.5"}, {"", "151.1"}, {"100", "100.0"},
        {"254.1", "254.1"}, {"254.2", "151.1"}, {"abc", "151.1"}, {"100.05", "100.0"},
        {"88.55", "88.6"}, {" 88.5 ", "88.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckCTCSSText(c.in), c.out) << c.in;
}

TEST(ConversionTexts, ChannelTexts) {
    struct ByNo { int n, offset; const char* out; } byNo[] = {
        {5, -1, "4"}, {1, -1, "0"}, {200, -1, "199"}, {200, 0, "200"}, {201, -1, "PL1"},
        {202, 0, "PU1"}, {203, 0, "PL2"}, {204, 0, "PU2"}, {205, 0, "VFO1"}, {206, 0, "VFO2"},
        {0, 0, "Unknown"}, {207, 0, "Unknown"}, {-1, 0, "Unknown"},
        {200, 2147483647, "2147483847"},
    };
    for (const auto& c : byNo) EXPECT_EQ(GetChannelTextByNo(c.n, c.offset), c.out) << c.n;

    struct ByText { std::string in; int no; } byText[] = {
        {"4", 5}, {"0", 1}, {"199", 200}, {"PL1", 201}, {"PU1", 202}, {"PL2", 203},
        {"PU2", 204}, {"VFO1", 205}, {"VFO2", 206}, {"vfo1", 1}, {"PL1  ", 201},
        {std::string("PU2\0  ", 6), 204}, {"abc", 1}, {"", 1}, {"2.5", 3}, {"3.5", 5},
        {"99999", 1}, {"1e30", 1},
    };
    for (const auto& c : byText) EXPECT_EQ(GetChannelNoByText(c.in), c.no) << c.in;
    // Every text the memory list shows reads back as its channel.
    for (int n = 1; n <= 206; ++n) EXPECT_EQ(GetChannelNoByText(GetChannelTextByNo(n, -1)), n);
}

TEST(ConversionTexts, OptSigType) {
    struct Case { const char* in; int type; } cases[] = {
        {"DTMF", 1}, {"2Tone", 2}, {"5Tone", 3}, {"MSK", 4}, {"dtmf", 0}, {"", 0}, {"DTMF ", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(GetOptSigType(c.in), c.type) << c.in;
}

TEST_F(Conversions, LocaleTable) { RunLocaleTable(d); }

// The same table under a locale whose decimal separator is ",": nothing may
// change. Fails (does not skip) when the locale cannot be set.
TEST_F(Conversions, LocaleTableUnderCommaLocale) {
    struct Restore {
        ~Restore() {
            std::setlocale(LC_ALL, "C");
            std::locale::global(std::locale::classic());
        }
    } restore;
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 missing";
    try {
        std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error& e) {
        FAIL() << "locale de_DE.UTF-8 missing: " << e.what();
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    RunLocaleTable(d);
}
