#include <gtest/gtest.h>

#include <string>

#include "core/listutils.h"

using namespace rp;

TEST(ListUtils, LookupsFallBack) {
    const ItemList steps{"5K", "10K", "12.5K"};
    const ItemList empty;
    EXPECT_EQ(FindComboItem(steps, "10K"), "10K");
    EXPECT_EQ(FindComboItem(steps, "7K"), "5K");
    EXPECT_EQ(FindComboItem(steps, "10k"), "5K");  // case-sensitive
    EXPECT_EQ(FindComboItem(empty, "10K"), "");

    struct ByIndex { int index; const char* out; } byIndex[] = {
        {0, "5K"}, {2, "12.5K"}, {-1, "5K"}, {3, "5K"}, {100, "5K"},
    };
    for (const auto& c : byIndex) EXPECT_EQ(GetComboItemByIndex(steps, c.index), c.out) << c.index;
    EXPECT_EQ(GetComboItemByIndex(empty, 0), "");

    struct List { int index, fallback; const char* out; } list[] = {
        {1, 0, "10K"}, {3, 2, "12.5K"}, {-1, 1, "10K"}, {5, 5, ""}, {-1, -1, ""},
    };
    for (const auto& c : list)
        EXPECT_EQ(GetComboListText(c.index, steps, c.fallback), c.out) << c.index;
    EXPECT_EQ(GetComboListText(0, empty, 0), "");

    EXPECT_EQ(FindComboIndex(steps, "", 7), 7);
    EXPECT_EQ(FindComboIndex(empty, "5K", 7), 7);
    EXPECT_EQ(FindComboIndex(steps, "12.5K", 7), 2);
    EXPECT_EQ(FindComboIndex(steps, "7K", 7), 0);
    EXPECT_EQ(FindComboIndex(ItemList{"a", "b", "b"}, "b", 7), 1);

    EXPECT_EQ(SetComboText(steps, "10K"), 1);
    EXPECT_EQ(SetComboText(steps, "7K"), 0);
    EXPECT_EQ(SetComboText(empty, "7K"), -1);
}

TEST(ListUtils, AddComboItemIfMissing) {
    ItemList l{"a"};
    EXPECT_TRUE(AddComboItemIfMissing(l, "b"));
    EXPECT_FALSE(AddComboItemIfMissing(l, "a"));
    EXPECT_FALSE(AddComboItemIfMissing(l, "b"));
    EXPECT_TRUE(AddComboItemIfMissing(l, "A"));
    EXPECT_EQ(l, (ItemList{"a", "b", "A"}));
}

TEST(ListUtils, ParsingWithDefaults) {
    struct Lng { std::string in; Long out; } lng[] = {
        {"12", 12}, {"", -9}, {"1A", -9}, {" 12 ", 12}, {"-3", -3}, {"2.5", 2}, {"3.5", 4},
        {"1e3", 1000}, {"2147483647", 2147483647}, {"2147483648", -9}, {"1e30", -9},
        {"1,5", -9}, {"&H1A", -9}, {".8E-911", 0},
    };
    for (const auto& c : lng) EXPECT_EQ(ValLngDef(c.in, -9), c.out) << c.in;

    struct Dbl { std::string in; double out; } dbl[] = {
        {"3.5", 3.5}, {std::string("3.5\0\0\0", 6), 3.5}, {"3.5   ", 3.5}, {"", -1},
        {"x", -1}, {"1e400", -1}, {"3,5", -1}, {".8E-911", 0}, {"-1e-400", 0},
    };
    for (const auto& c : dbl) EXPECT_EQ(ValDblDef(c.in, -1), c.out) << c.in;
}

TEST(ListUtils, SmallValueAndTextHelpers) {
    EXPECT_EQ(FlagToCheckValue(1), 1);
    EXPECT_EQ(FlagToCheckValue(5), 1);
    EXPECT_EQ(FlagToCheckValue(0), 0);
    EXPECT_EQ(FlagToCheckValue(-1), 0);

    EXPECT_EQ(CutAtNull("abc"), "abc");
    EXPECT_EQ(CutAtNull(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(CutAtNull(std::string("\0x", 2)), "");

    EXPECT_EQ(GetFileNameFromPath("/home/u/radio/a.dat"), "a.dat");
    EXPECT_EQ(GetFileNameFromPath("a.dat"), "a.dat");
    EXPECT_EQ(GetFileNameFromPath("/home/u/"), "");
    EXPECT_EQ(GetFileNameFromPath(""), "");
}

TEST(ListUtils, HexAndOctal) {
    struct Hex { Long v; int width; const char* remove; const char* out; } hex[] = {
        {26, 4, "", "001A"}, {74565, 2, "", "12"}, {255, 2, "", "FF"}, {0, 3, "", "000"},
        {-1, 8, "", "FFFFFFFF"}, {0xF0F, 3, "F", "0"}, {0x1A1A, 4, "1A", ""}, {5, 0, "", ""},
    };
    for (const auto& c : hex) EXPECT_EQ(FormatHexWidth(c.v, c.width, c.remove), c.out) << c.v;

    EXPECT_EQ(ByteToHex2(10), "0A");
    EXPECT_EQ(ByteToHex2(0), "00");
    EXPECT_EQ(ByteToHex2(255), "FF");

    struct Oct { Integer v; int width; const char* out; } oct[] = {
        {19, 3, "023"}, {511, 2, "777"}, {0, 2, "00"}, {8, 0, "10"}, {-1, 1, "177777"},
    };
    for (const auto& c : oct) EXPECT_EQ(FormatOctalWidth(c.v, c.width), c.out) << c.v;
}

TEST(ListUtils, DtmfTexts) {
    EXPECT_EQ(DtmfCodeToText("12EF"), "12*#");
    EXPECT_EQ(DtmfTextToCode("*9#"), "E9F");
    EXPECT_EQ(DtmfCodeToText("ABCD0"), "ABCD0");
    for (const char* shown : {"", "0123456789ABCD*#", "*#*", "A*B#C"})
        EXPECT_EQ(DtmfCodeToText(DtmfTextToCode(shown)), shown) << shown;
}

TEST(ListUtils, RepeatTone) {
    struct Case { std::string code, preceding; const char* out; } cases[] = {
        {"11223", "X", "1E2E3"},
        {"111", "X", "1E1"},
        {"1234", "1", "E234"},
        {"11111", "X", "1E1E1"},
        {"11111", "1", "E1E1E"},
        {"1E", "X", "1E"},          // "E" after "1" differs; kept
        {"1EE", "X", "1EE"},        // "E" equal to the "E" just sent: "E" again
        {"", "1", ""},
        {"12   ", "X", "12"},       // trimmed
        {"11", "", "1E"},           // "" is no preceding tone
        // A text beginning with "E1" keeps positions 9 on unchanged.
        {"E1122334455", "X", "E1E2E3E4455"},
        {"F1122334455", "X", "F1E2E3E4E5E"},
        {"1122334455", "E", "1E2E3E4455"},  // the preceding tone counts
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddRepeatTone(c.code, c.preceding), c.out) << c.code << "/" << c.preceding;
}

TEST(ListUtils, RepeatToneKeepingTheFunctionDigit) {
    struct Case { const char* code; const char* out; } cases[] = {
        {"11111A12345", "1E1E1A12345"},
        {"11111AA2345", "1E1E1AA2345"},  // positions 6 and 7 copied as they are
        {"11111112345", "1E1E1112345"},
        {"12345A11345", "12345A1E345"},  // position 8 compared with position 7
        {"1122", "1E2E"},
        {"1111112345", "1E1E1E2345"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(AddRepeatToneKeepFunc(c.code), c.out) << c.code;
}

TEST(ListUtils, FunctionCodeFormat) {
    struct Case { const char* code; const char* own; bool func; } cases[] = {
        {"6789012345", "12345", true},
        {"67890A12345", "12345", true},
        {"67890F12345", "12345", true},
        {"67890a12345", "12345", true},
        {"67890112345", "12345", false},
        {"67890G12345", "12345", false},
        {"67890AB12345", "12345", false},
        {"6789054321", "12345", false},
        {"67890SelfID", "12345", true},
        {"67890ASelfID", "12345", true},
        {"67890ASelfID", "", true},       // the marker needs no own ID
        {"678901SelfID", "12345", false},
        {"6789SelfID", "12345", false},
        {"6789012SelfID", "12345", false},
        {"12345", "12345", false},
        {"123456789", "12345", false},
        {"6789001234", "1234", false},    // the own ID must have five digits
        {"678901E234", "11234", true},    // own ID with its repeat tone
        {"67891E2345", "12345", true},    // repeat tone after the tone before it
        {"67892E2345", "12345", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsFuncCodeFormat(c.code, c.own), c.func) << c.code;

    EXPECT_EQ(FormatCodeRepeat("11111A12345", "12345"), "1E1E1A12345");
    EXPECT_EQ(FormatCodeRepeat("11111AA1345", "A1345"), "1E1E1AA1345");
    EXPECT_EQ(FormatCodeRepeat("11111AA1345", "54321"), "1E1E1AE1345");  // not the own ID
    EXPECT_EQ(FormatCodeRepeat("11111112345", "12345"), "1E1E1E12345");  // "1" is no function
    EXPECT_EQ(FormatCodeRepeat("1111112345", "12345"), "1E1E1E2345");
    EXPECT_EQ(FormatCodeRepeat("1122", "12345"), "1E2E");
}
