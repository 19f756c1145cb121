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
