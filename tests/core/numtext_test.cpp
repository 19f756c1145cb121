#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "core/numtext.h"

using namespace rp;

TEST(NumText, Grammar) {
    struct Case { const char* s; bool numeric; } cases[] = {
        {"1", true}, {"1.", true}, {".5", true}, {"  12  ", true}, {"+1", true},
        {"-1.5e3", true}, {"1E-2", true}, {"007", true}, {"1e+05", true}, {"\t3\t", true},
        {"1.e5", true}, {".5e1", true}, {"-.5", true},
        {"", false}, {" ", false}, {".", false}, {"-", false}, {"inf", false}, {"nan", false},
        {"-inf", false}, {"1,5", false}, {"&H1A", false}, {"0x10", false}, {"1e", false},
        {"1e+", false}, {"e5", false}, {"1.2.3", false}, {"--1", false}, {"1 2", false},
        {"- 1", false}, {"12AB", false},
        {"1e400", false},  // does not fit a double
        {"-1.8e308", false}, {"10000e305", false}, {"1e99999999999999999999", false},
        // Too small for a double: reads as 0, as a double underflows.
        {".8E-911", true}, {"-2e-324", true}, {"123456e-330", true},
        {"0.000001e-99999999999999999999", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsNumeric(c.s), c.numeric) << '"' << c.s << '"';
    // A NUL is not a blank.
    EXPECT_FALSE(IsNumeric(std::string_view("1\0", 2)));
}

TEST(NumText, ParseValues) {
    EXPECT_EQ(ParseNumber(" -1.5e3 "), -1500.0);
    EXPECT_EQ(ParseNumber("1."), 1.0);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("1.e5"), 100000.0);
    EXPECT_EQ(ParseNumber("-.5"), -0.5);
    EXPECT_EQ(ParseNumber("+462.5625"), 462.5625);
    EXPECT_EQ(ParseNumber("1,5"), std::nullopt);
    // Underflow gives a zero of the text's sign; the smallest double still reads.
    EXPECT_EQ(ParseNumber(".8E-911"), 0.0);
    EXPECT_FALSE(std::signbit(*ParseNumber(".8E-911")));
    EXPECT_TRUE(std::signbit(*ParseNumber("-.8E-911")));
    EXPECT_EQ(ParseNumber("5e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(ParseWhole(".8E-911"), 0);
}

TEST(NumText, MasksRoundTiesToEvenOnTheDecimalValue) {
    struct Case { double v; const char* mask; const char* out; } cases[] = {
        {100.05, "#.0", "100.0"},     // decimal tie, even neighbour
        {100.15, "#.0", "100.2"},     // decimal tie; binary value lies below it
        {100.25, "#.0", "100.2"},
        {0.125, "0.00", "0.12"},
        {0.375, "0.00", "0.38"},
        {2.5, "0", "2"},
        {3.5, "0", "4"},
        {999.999995, "000.00000", "1000.00000"},  // tie rounds up into a new digit
        {462.5625, "000.00000", "462.56250"},
        {0.6, "000.00000", "000.60000"},
        {145.6 - 145.0, "000.00000", "000.60000"},
        {5, "0.00000", "5.00000"},
        {100, "0.00000", "100.00000"},
        {101.25, "#0.0000", "101.2500"},
        {0.25, "#0.0000", "0.2500"},
        {0.5, "#.0", ".5"},
        {62.5, "#.0", "62.5"},
        {46256250, "000000000", "046256250"},
        {0, "000000000", "000000000"},
        {-1.5, "0.0", "-1.5"},
        {-0.00001, "0.00", "0.00"},  // no sign when nothing but zeros is left
        {1.25, "0.0#", "1.25"},
        {1.2, "0.0#", "1.2"},
        {1e20, "0", "100000000000000000000"},
        {1e-20, "0.00", "0.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.v, c.mask), c.out) << c.v << " " << c.mask;
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "0"), "");
}

TEST(NumText, RoundScaledAndWhole) {
    EXPECT_EQ(RoundScaled(462.5625, 5), 46256250);
    EXPECT_EQ(RoundScaled(400.00875, 5), 40000875);
    EXPECT_EQ(RoundScaled(0.000025, 5), 2);  // 2.5 units: even
    EXPECT_EQ(RoundScaled(0.000035, 5), 4);
    EXPECT_EQ(RoundScaled(-2.5, 0), -2);
    EXPECT_EQ(RoundScaled(1e300, 0), std::nullopt);
    EXPECT_EQ(RoundScaled(std::numeric_limits<double>::quiet_NaN(), 0), std::nullopt);
    EXPECT_EQ(ParseWhole("2.5"), 2);
    EXPECT_EQ(ParseWhole("3.5"), 4);
    EXPECT_EQ(ParseWhole("-0.5"), 0);
    EXPECT_EQ(ParseWhole("1e19"), std::nullopt);
    EXPECT_EQ(ParseWhole("x"), std::nullopt);
}

TEST(NumText, PlainTextAndSignificantDigits) {
    EXPECT_EQ(PlainNumberText(400), "400");
    EXPECT_EQ(PlainNumberText(462.5625), "462.5625");
    EXPECT_EQ(PlainNumberText(-0.0), "0");
    EXPECT_EQ(RoundSignificant(145.0 + 0.6, 15), 145.6);
    EXPECT_EQ(RoundSignificant(0.1 + 0.2, 15), 0.3);
    // Decimal ties at the 16th digit go to the even neighbour, whichever side
    // of the tie the binary value lies.
    struct Case { double v, out; } ties[] = {
        {100.0000000000025, 100.000000000002}, {100.0000000000035, 100.000000000004},
        {-100.0000000000045, -100.000000000004}, {999999999999999.5, 1e15},
    };
    for (const auto& c : ties) EXPECT_EQ(RoundSignificant(c.v, 15), c.out) << c.v;
}

TEST(NumText, HexDigitValue) {
    struct Case { char c; int v; } cases[] = {
        {'0', 0}, {'9', 9}, {'A', 10}, {'F', 15}, {'a', 10}, {'f', 15},
        {'G', -1}, {'g', -1}, {' ', -1}, {'\0', -1}, {'*', -1}, {'/', -1}, {':', -1}, {'@', -1},
    };
    for (const auto& c : cases) EXPECT_EQ(HexDigitValue(c.c), c.v) << c.c;
}
