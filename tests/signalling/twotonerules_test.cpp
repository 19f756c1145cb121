// The two-tone rules: tone texts and clamps, stored tones and divisors, call
// formats and the decode entry's save.
#include <gtest/gtest.h>

#include "signalling/twotonerules.h"

using namespace rp;

TEST(TwoToneEncode, CommittedToneToCellAndBytes) {
    struct Case {
        const char* typed;
        const char* cell;
        int toneH, toneL, divH, divL;
    };
    const Case cases[] = {
        {"1000", "1000.0", 39, 16, 1, 150},    // 10000, 406
        {"5000", "3116.0", 121, 184, 0, 130},  // 31160, 130
        {"100", "288.0", 11, 64, 5, 130},      // 2880, 1410
        {"288", "288.0", 11, 64, 5, 130},
        {" 1500.55 ", "1500.6", 58, 158, 1, 14},  // 15006 (half to even), 270
        {"1234.56", "1234.6", 48, 58, 1, 73},     // 12346, 329
    };
    for (const Case& c : cases) {
        const std::optional<double> f = ClampEncodeTone(c.typed);
        ASSERT_TRUE(f.has_value()) << c.typed;
        EXPECT_EQ(FormatTone(*f), c.cell) << c.typed;
        Tone2EncodeRec e;
        e.Empty = 1;
        SetEncodeTone(e, 1, *f);
        EXPECT_EQ(e.Empty, 0) << c.typed;
        EXPECT_EQ((std::array<int, 4>{e.Tone1H, e.Tone1L, e.Divisor1H, e.Divisor1L}),
                  (std::array<int, 4>{c.toneH, c.toneL, c.divH, c.divL}))
            << c.typed;
        SetEncodeTone(e, 2, *f);
        EXPECT_EQ((std::array<int, 4>{e.Tone2H, e.Tone2L, e.Divisor2H, e.Divisor2L}),
                  (std::array<int, 4>{c.toneH, c.toneL, c.divH, c.divL}))
            << c.typed;
        EXPECT_DOUBLE_EQ(EncodeTone(e, 1), (c.toneH * 256 + c.toneL) / 10.0);
    }
    for (const char* text : {"", ".", "1..5", "abc", "1,5"})
        EXPECT_FALSE(ClampEncodeTone(text).has_value()) << text;
}

TEST(TwoToneEncode, ClearingTones) {
    Tone2EncodeRec e;
    SetEncodeTone(e, 1, 1000);
    SetEncodeTone(e, 2, 2000);
    e.Name.Set("CALL");
    Tone2EncodeRec second = e;
    ClearEncodeTone(second, 2);
    EXPECT_EQ(second.Empty, 0);
    EXPECT_EQ(second.Tone1H, 39);
    EXPECT_EQ(second.Tone2H + second.Tone2L + second.Divisor2H + second.Divisor2L, 0);
    EXPECT_EQ(second.Name.Trim(), "CALL");
    ClearEncodeTone(e, 1);
    Tone2EncodeRec empty;
    empty.Empty = 1;
    empty.Name.Set("");
    EXPECT_EQ(e, empty);
}

TEST(TwoToneDecode, ClampDecodeTone) {
    struct Case {
        const char* text;
        double hz;
    };
    const Case cases[] = {{"", 0.0},          {"abc", 0.0},     {".", 0.0},    {"1..5", 0.0},
                          {"12", 288.0},      {"0.0", 288.0},   {"4000", 3116.0},
                          {"1500.55", 1500.55}, {" 300 ", 300.0}, {"3116", 3116.0}};
    for (const Case& c : cases) EXPECT_EQ(ClampDecodeTone(c.text), c.hz) << c.text;
}

TEST(TwoToneBoxes, DepartureAndSaveTexts) {
    struct Case {
        const char* text;
        const char* decodeLeave;  // decode tone box losing the focus
        const char* toneLeave;    // tone box A..D losing the focus
        const char* toneSave;     // tone box A..D before the save
    };
    const Case cases[] = {
        {"", "288.0", "288", "2000"},          {".", "288.0", "288", "2000"},
        {"1..5", "288.0", "288", "2000"},      {"250", "288.0", "288", "280"},
        {"275", "288.0", "288", "280"},        {"285", "288.0", "288", "285"},
        {"4000", "3116.0", "3116", "3116"},    {"1000.0", "1000.0", "1000", "1000"},
        {"300.50", "300.5", "300.5", "300.5"}, {"1500.55", "1500.6", "1500.55", "1500.55"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LeaveDecodeToneText(c.text), c.decodeLeave) << c.text;
        EXPECT_EQ(LeaveToneText(c.text), c.toneLeave) << c.text;
        EXPECT_EQ(ClampToneText(c.text), c.toneSave) << c.text;
    }
    EXPECT_EQ(FormatTone(std::numeric_limits<double>::quiet_NaN()), "");
}

TEST(TwoToneCallFormat, EnabledToneBoxes) {
    using B = std::array<bool, 4>;
    struct Case {
        int format;
        B boxes;
    };
    const Case cases[] = {{0, {true, true, false, false}},  {6, {true, false, true, false}},
                          {11, {false, false, true, true}}, {12, {true, false, false, false}},
                          {13, {false, true, false, false}}, {14, {false, false, true, false}},
                          {15, {false, false, false, false}}, {-1, {false, false, false, false}}};
    for (const Case& c : cases) EXPECT_EQ(CallFormatBoxes(c.format), c.boxes) << c.format;
}

TEST(TwoToneOwnCall, PairAndTonesInTheirByteOrders) {
    Tone2DataRec t;
    SaveOwnCall(t, 0, {1000.0, 928.1, 626.5, 2043.8});
    EXPECT_EQ((std::array<int, 2>{t.OwnTone1H, t.OwnTone1L}), (std::array<int, 2>{39, 16}));
    EXPECT_EQ((std::array<int, 2>{t.OwnDivisor1H, t.OwnDivisor1L}), (std::array<int, 2>{12, 178}));
    EXPECT_EQ(t.OwnTone2H * 256 + t.OwnTone2L, 9281);
    EXPECT_EQ(t.OwnDivisor2H * 256 + t.OwnDivisor2L, 3501);  // 6500000 / 1856.2
    EXPECT_EQ((std::array<int, 2>{t.ToneAL, t.ToneAH}), (std::array<int, 2>{16, 39}));
    EXPECT_EQ(t.ToneDH * 256 + t.ToneDL, 20438);
    EXPECT_EQ(t.CallFormat, 0);

    // "C-A": the first tone is C, the second A; the divisor uses the unrounded tone.
    SaveOwnCall(t, 6, {1000.0, 928.1, 300.07, 2043.8});
    EXPECT_EQ(t.OwnTone1H * 256 + t.OwnTone1L, 3001);
    EXPECT_EQ(t.OwnDivisor1H * 256 + t.OwnDivisor1L, 10830);  // 6500000 / 600.14
    EXPECT_EQ(t.OwnTone2H * 256 + t.OwnTone2L, 10000);

    SaveOwnCall(t, 13, {1000.0, 928.1, 626.5, 2043.8});  // "Long B"
    EXPECT_EQ(t.OwnTone1H * 256 + t.OwnTone1L, 9281);
    EXPECT_EQ(t.OwnTone2H + t.OwnTone2L + t.OwnDivisor2H + t.OwnDivisor2L, 0);
}

TEST(TwoToneOwnCall, StoredTonesShownWithDefaults) {
    Tone2DataRec t;
    t.ToneAH = 0, t.ToneAL = 7;      // high byte 0: default
    t.ToneBH = 255, t.ToneBL = 1;    // high byte 255: default
    t.ToneCH = 11, t.ToneCL = 34;    // 2850
    t.ToneDH = 1, t.ToneDL = 0;      // 256
    EXPECT_EQ(ShownToneTenths(t, 0), 3217);
    EXPECT_EQ(ShownToneTenths(t, 1), 9281);
    EXPECT_EQ(ShownToneTenths(t, 2), 2850);
    EXPECT_EQ(ShownToneTenths(t, 3), 256);
}

TEST(TwoToneDecode, StoredEntry) {
    struct Case {
        const char* name;
        int check;
        const char *tone1, *tone2, *entryName;
        int valid;
        double t1, t2;
        const char* rawName;
    };
    const Case cases[] = {
        {"three letters", 1, "1000", "2000", "ABC", 1, 1000, 2000, "ABC\0  "},
        {"six letters", 1, "1000", "2000", "ABCDEF", 1, 1000, 2000, "ABCDEF"},
        {"longer name cut", 1, "1000", "2000", "ABCDEFGH", 1, 1000, 2000, "ABCDEF"},
        {"empty name", 1, "1000", "2000", "", 1, 1000, 2000, "\0     "},
        {"unticked", 0, "1000", "2000", "X", 0, 1000, 2000, "X\0    "},
        {"no first tone", 1, "", "2000", "X", 0, 0, 2000, "X\0    "},
        {"no second tone", 1, "1000", ".", "X", 0, 1000, 0, "X\0    "},
        {"clamped", 1, "12", "4000", "X  ", 1, 288, 3116, "X\0    "},
    };
    for (const Case& c : cases) {
        Tone2DecodeRec e;
        StoreDecodeEntry(e, c.check, c.tone1, c.tone2, 2, c.entryName);
        EXPECT_EQ(e.Valid, c.valid) << c.name;
        EXPECT_EQ(e.Tone1, c.t1) << c.name;
        EXPECT_EQ(e.Tone2, c.t2) << c.name;
        EXPECT_EQ(e.Response, 2) << c.name;
        EXPECT_EQ(e.Name.Raw(), std::string_view(c.rawName, 6)) << c.name;
    }
}
