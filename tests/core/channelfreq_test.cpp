// A channel's frequency arithmetic in 10 Hz units, and the record setters
// that take it from the band check to the stored nine-digit text.
#include "core/channelfreq.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/bands.h"
#include "core/channelrecord.h"
#include "core/conversions.h"
#include "core/numtext.h"
#include "fakes.h"

namespace rp {
namespace {

TEST(ChannelFreq, TextsReadAndStored) {
    struct Case {
        const char* text;
        std::optional<FreUnits> units;
        const char* stored;
    };
    const Case cases[] = {
        {"462.5625", 46256250, "046256250"},
        {"145", 14500000, "014500000"},  // whole megahertz
        {" 145.6 ", 14560000, "014560000"},
        // More than five decimals: ties go to the even neighbour.
        {"145.000015", 14500002, "014500002"},
        {"145.000025", 14500002, "014500002"},
        {"145.0000251", 14500003, "014500003"},
        {"145.000004", 14500000, "014500000"},
        // Without "." the value is rounded to whole megahertz first.
        {"1e-3", 0, "000000000"},
        {"0.001", 100, "000000100"},
        {"15e-1", 200000, "000200000"},
        // Too small for a double: zero, with or without "."
        {".8E-911", 0, "000000000"},
        {"8E-911", 0, "000000000"},
        // The nine-digit field's edges.
        {"9999.99999", 999999999, "999999999"},
        {"10000", 1000000000, ""},
        {"-0.00001", -1, ""},
        {"-5", -500000, ""},
        // Not a frequency: empty, the unused RX, too large.
        {"", std::nullopt, ""},
        {"FFFFFFFFF", std::nullopt, ""},
        {"1,5", std::nullopt, ""},
        {"1e14", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FreTextToUnits(c.text), c.units) << c.text;
        EXPECT_EQ(FreStrToData(c.text), c.stored) << c.text;
        if (c.units) {
            EXPECT_EQ(FreUnitsToData(*c.units), c.stored) << c.text;
        }
    }
}

// The plain texts the grids and files hold are read digit by digit; they
// must come out as the number reading and rounding gives them.
TEST(ChannelFreq, PlainTextsReadAsNumbersRead) {
    for (const char* fraction : {"", ".0", ".5", ".00625", ".12345", ".9999", ".00001", ".1"}) {
        for (long mhz : {0L, 1L, 9L, 136L, 145L, 174L, 400L, 439L, 520L, 999L, 999999999L}) {
            const std::string text = std::to_string(mhz) + fraction;
            SCOPED_TRACE(text);
            const auto read = FreTextToUnits(text);
            ASSERT_TRUE(read.has_value());
            const std::optional<double> v = ParseNumber(text);
            ASSERT_TRUE(v.has_value());
            const auto general = *fraction ? RoundScaled(*v, 5) : RoundScaled(*v * kFreUnitsPerMHz, 0);
            EXPECT_EQ(*read, *general);
        }
    }
}

// The texts the callers showed with FormatNumber and its masks.
TEST(ChannelFreq, TextsMatchTheNumberMasks) {
    struct Mask {
        const char* mask;
        int wholeDigits;
    };
    const Mask masks[] = {{"000.00000", kChannelWholeDigits},
                          {"0.00000", kOffsetWholeDigits},
                          {"#0.00000", kOffsetWholeDigits},
                          {"#.00000", kTxWholeDigits}};
    const FreUnits values[] = {0,        1,         99999,      100000,          4500000, 46256250,
                               99999999, 999999999, -1,         -6400000,        -50000,
                               50000,    123456789, 1000000000, 123456789012345};
    for (const Mask& m : masks)
        for (FreUnits u : values)
            EXPECT_EQ(FreUnitsText(u, m.wholeDigits), FormatNumber(static_cast<double>(u) / 100000, m.mask))
                << u << " " << m.mask;
    EXPECT_EQ(FreUnitsText(50000, kTxWholeDigits), ".50000");
    EXPECT_EQ(FreUnitsText(4500000, kChannelWholeDigits), "045.00000");
    EXPECT_EQ(FreUnitsText(-6400000, kTxWholeDigits), "-64.00000");
}

// The band checks' reading: any number, its units rounded on its decimals
// (no whole-megahertz rule) and held at 10^13 MHz.
TEST(ChannelFreq, ValuesReadForTheBandChecks) {
    constexpr FreUnits kHeld = 1000000000000000000;  // 10^13 MHz
    struct Case {
        const char* text;
        std::optional<double> mhz;
        FreUnits units;
    };
    const Case cases[] = {
        {"145.5", 145.5, 14550000},        {"0145.50", 145.5, 14550000},
        {" 145.5 ", 145.5, 14550000},      {"+1.455e2", 145.5, 14550000},
        {"145.", 145.0, 14500000},         {".5", 0.5, 50000},
        {"145.000015", 145.000015, 14500002}, {"145.000025", 145.000025, 14500002},
        {"1e-3", 0.001, 100},              {"-5", -5.0, -500000},
        {"999999999.99999", 999999999.99999, 99999999999999},
        {"1e13", 1e13, kHeld},             {"1e14", 1e14, kHeld},
        {"-1e300", -1e300, -kHeld},
        {"", std::nullopt, 0},             {".", std::nullopt, 0},
        {"1,5", std::nullopt, 0},          {"FFFFFFFFF", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const std::optional<FreValue> v = ReadFreValue(c.text);
        ASSERT_EQ(v.has_value(), c.mhz.has_value()) << c.text;
        if (!v) continue;
        // The value is the number the text reads as, to the last bit.
        EXPECT_EQ(v->mhz, *c.mhz) << c.text;
        EXPECT_EQ(v->mhz, *ParseNumber(c.text)) << c.text;
        EXPECT_EQ(v->units, c.units) << c.text;
    }
    EXPECT_EQ(FreValueFromUnits(46256250).mhz, 462.5625);
    EXPECT_EQ(FreValueFromMHz(462.5625).units, 46256250);
}

// The channel grid from a base: 2.5 kHz (250 units) and 6.25 kHz (625 units)
// multiples stay, anything else moves to the 2.5 kHz point towards the base.
TEST(ChannelFreq, ChannelGrid) {
    struct Case {
        FreUnits f, base, out;
    };
    const Case cases[] = {
        {46256250, 40000000, 46256250},  // 2.5 kHz multiple
        {46256100, 40000000, 46256000},
        {40000625, 40000000, 40000625},  // 6.25 kHz multiple
        {40000875, 40000000, 40000750},
        {14501300, 13600000, 14501250},
        {44600450, 44600100, 44600350},  // counted from an odd base
        {39999900, 40000000, 40000000},  // below the base: upwards
        {39999700, 40000000, 39999750},
        {39999375, 40000000, 39999375},
        {375, 0, 250},                   {-375, 0, -250},
        {1875, 0, 1875},                 {0, 0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(OnChannelGrid(c.f, c.base), c.out) << c.f << " from " << c.base;
}

// The 100 Hz storage form gives what the number mask "000.0000" and the
// storage reader gave.
TEST(ChannelFreq, StorageFormTo100Hz) {
    struct Case {
        double mhz;
        const char* stored;
    };
    const Case cases[] = {
        {440.01234, "044001230"}, {440.01235, "044001240"}, {440.01245, "044001240"},
        {440.012451, "044001250"}, {0, "000000000"},        {-0.00004, "000000000"},
        {-0.00005, "000000000"},  {-0.00006, ""},           {9999.99994, "999999990"},
        {9999.99995, ""},         {1e300, ""},              {-1e300, ""},
        {1e-300, "000000000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FreDataTo100Hz(c.mhz), c.stored) << c.mhz;
        EXPECT_EQ(FreDataTo100Hz(c.mhz), FreStrToData(FormatNumber(c.mhz, "000.0000"))) << c.mhz;
    }
}

// TX from RX shifts only for OffsetPlus and OffsetMinus; the offset measured
// back is counted below RX for OffsetMinus and above it for any other value.
TEST(ChannelFreq, DirectionsShiftAndMeasure) {
    struct Case {
        int dir;
        FreUnits tx;           // TxFromRx(14500000, dir, 60000)
        FreUnits above, below;  // OffsetOnSide(14500000, 14560000 / 14440000, dir)
    };
    const Case cases[] = {
        {OffsetPlus, 14560000, 60000, 0},
        {OffsetMinus, 14440000, 0, 60000},
        {OffsetNone, 14500000, 60000, 0},
        {3, 14500000, 60000, 0},
        {-1, 14500000, 60000, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TxFromRx(14500000, c.dir, 60000), c.tx) << c.dir;
        EXPECT_EQ(OffsetOnSide(14500000, 14560000, c.dir), c.above) << c.dir;
        EXPECT_EQ(OffsetOnSide(14500000, 14440000, c.dir), c.below) << c.dir;
    }
}

TEST(ChannelFreq, TxShownFromRxOffsetAndDirection) {
    struct Case {
        const char* rx;
        const char* offset;
        int dir;
        const char* tx;
    };
    const Case cases[] = {
        {"462.56250", "5.00000", OffsetPlus, "467.56250"},
        {"145.50000", "0.60000", OffsetMinus, "144.90000"},
        {"440.00000", "5.00000", OffsetNone, "440.00000"},
        {"440.00000", "5.00000", 3, "440.00000"},  // no such direction
        {"440.00000", "0.00000", OffsetPlus, "440.00000"},
        {"045.00000", "0.00000", OffsetNone, "45.00000"},
        {"000.50000", "0.00000", OffsetNone, ".50000"},
        {"136.00000", "200.00000", OffsetMinus, "-64.00000"},
        {"400", "0.00000", OffsetPlus, "400.00000"},  // the reader's fall-back RX
        {"145.00000", "x", OffsetPlus, "145.00000"},  // an offset that is no number
        {"", "5.00000", OffsetPlus, ""},              // no RX
        {"abc", "5.00000", OffsetPlus, "abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TxDisplayText(c.rx, c.offset, c.dir), c.tx) << c.rx << " " << c.offset << " " << c.dir;
}

TEST(ChannelFreq, DirectionAndOffsetBetweenRxAndTx) {
    struct Case {
        const char* rx;
        const char* tx;
        std::optional<int> dir;
        FreUnits offset;
    };
    const Case cases[] = {
        {"145.50000", "145.50000", OffsetNone, 0},
        {"145.50000", "144.90000", OffsetMinus, 60000},
        {"400.00000", "480.00000", OffsetPlus, 8000000},
        {"174.00000", "136.00000", OffsetMinus, 3800000},
        {"145.5", "145.50000", OffsetNone, 0},  // equal values, different texts
        {"145.000015", "145.00000", OffsetMinus, 2},
        {"", "145.00000", std::nullopt, 0},
        {"FFFFFFFFF", "145.00000", std::nullopt, 0},
        {"145.00000", "x", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const std::optional<FreOffset> o = OffsetBetween(c.rx, c.tx);
        ASSERT_EQ(o.has_value(), c.dir.has_value()) << c.rx << " " << c.tx;
        if (!o) continue;
        EXPECT_EQ(o->dir, *c.dir) << c.rx << " " << c.tx;
        EXPECT_EQ(o->offset, c.offset) << c.rx << " " << c.tx;
        // And back: the direction and offset lead from RX to TX.
        EXPECT_EQ(TxFromRx(*FreTextToUnits(c.rx), o->dir, o->offset), *FreTextToUnits(c.tx));
    }
}

class ChannelFreqSetters : public ::testing::Test {
protected:
    AppData d;
    test::RecordingNotifier notes;
    test::FixedTexts texts;
    void SetUp() override {
        d.Ui.Notify = &notes;
        texts.entries = {{kTextOutOfRange, "out of band"}};
        d.Ui.Texts = &texts;
        d.CurBandText = "UHF(400 - 480 MHz) VHF(136 - 174 MHz)";
        ASSERT_TRUE(ParseBandRanges(d));
    }
};

TEST_F(ChannelFreqSetters, RxThroughTheBandCheckToTheStoredText) {
    struct Case {
        const char* text;
        const char* shown;
        const char* stored;
        bool warned;
    };
    const Case cases[] = {
        {"400", "400.00000", "040000000", false},
        {"480", "480.00000", "048000000", false},
        {"136", "136.00000", "013600000", false},
        {"174.00000", "174.00000", "017400000", false},
        {"399.99999", "400.00000", "040000000", true},  // below the band: its edge
        {"480.00001", "480.00000", "048000000", true},
        {"174.00001", "174.00000", "017400000", true},
        {"300", "400.00000", "040000000", true},        // the nearest edge
        {"462.5630", "462.56250", "046256250", false},  // down onto the 2.5 kHz grid
        {"462.56251", "462.56250", "046256250", false},
        {"FFFFFFFFF", "400.00000", "040000000", true},  // no number: the UHF low edge
    };
    for (const Case& c : cases) {
        notes.shown.clear();
        FreDataRec r = NewChannelRecord(1);
        EXPECT_EQ(SetRxFreData(d, r, c.text, true), c.shown) << c.text;
        EXPECT_EQ(r.RxFre.Raw(), c.stored) << c.text;
        EXPECT_EQ(!notes.shown.empty(), c.warned) << c.text;
    }
}

TEST_F(ChannelFreqSetters, OffsetThroughTheBandCheckToTheStoredText) {
    struct Case {
        const char* rx;
        const char* offset;
        int dir;
        std::string stored;
        bool kept;
    };
    const Case cases[] = {
        {"470.00000", "10", OffsetPlus, "001000000", true},     // TX on the band edge
        {"480.00000", "5", OffsetPlus, "000000000", true},      // TX moved back to RX
        {"400.00000", "5", OffsetMinus, "000000000", true},
        {"174.00000", "100", OffsetMinus, "003800000", true},   // TX on the nearest edge
        {"145.00000", "300", OffsetPlus, "030000000", true},    // TX in the other band
        {"145.00000", "0.6", OffsetMinus, "000060000", true},
        {"145.00000", "0", OffsetPlus, "000000000", true},      // no offset
        {"", "5", OffsetPlus, "000000000", true},               // no RX
        {"20000.00000", "0", OffsetMinus, std::string("\0        ", 9), false},  // beyond the field
    };
    for (const Case& c : cases) {
        FreDataRec r = NewChannelRecord(1);
        r.OffsetDir = static_cast<Integer>(c.dir);
        EXPECT_EQ(SetOffsetFreData(d, r, c.offset, c.rx, false), c.kept) << c.rx << " " << c.offset;
        EXPECT_EQ(r.OffsetFre.Raw(), c.stored) << c.rx << " " << c.offset;
    }
    EXPECT_TRUE(notes.shown.empty());
}

}  // namespace
}  // namespace rp
