// Control-array names and the key filters of the signalling dialogs.
#include <gtest/gtest.h>

#include "signalling/formhelpers.h"

using namespace rp;

TEST(ControlNames, SplitAndJoin) {
    struct Case {
        const char* name;
        const char* base;
        int index;
    };
    const Case cases[] = {{"Text2_16", "Text2", 16}, {"Combo1_0", "Combo1", 0},
                          {"Text3", "Text3", -1},     {"MSHFlexGrid1", "MSHFlexGrid1", -1},
                          {"Odd_", "Odd_", -1},       {"A_b1", "A_b1", -1}};
    for (const Case& c : cases) {
        const ControlName n = SplitControlName(c.name);
        EXPECT_EQ(n.base, c.base) << c.name;
        EXPECT_EQ(n.index, c.index) << c.name;
        if (c.index >= 0) {
            EXPECT_EQ(Elem(c.base, c.index), c.name);
        }
    }
}

TEST(KeyFilters, PassDropOrChangeEachKey) {
    struct Case {
        const char* name;
        int (*filter)(int);
        const char* pass;    // printable keys that pass unchanged
        const char* dropped; // printable keys that are dropped
    };
    const Case cases[] = {
        {"DTMF code", DtmfCodeKey, "0123456789*#ABCD", "EFef.+ -xyz"},
        {"digits", DigitKey, "0123456789", "A*#. a"},
        {"tone", ToneKey, "0123456789.", "-+eE ,a"},
        {"MSK ID", MskIdKey, "0123456789A", "BbFf *"},
        {"ASCII", AsciiKey, " !~\\AZaz09", ""},
        {"encode name", EncodeNameKey, " !AZaz09{}", "\\~"},
    };
    for (const Case& c : cases) {
        for (const char* p = c.pass; *p; ++p) EXPECT_EQ(c.filter(*p), *p) << c.name << " " << *p;
        for (const char* p = c.dropped; *p; ++p) EXPECT_EQ(c.filter(*p), 0) << c.name << " " << *p;
        // Shared by all: clipboard keys and non-ASCII dropped; Backspace and
        // Enter (a move to the next control) pass.
        for (int k : {kKeyCtrlC, kKeyCtrlV, kKeyCtrlX, 128, 233, -1})
            EXPECT_EQ(c.filter(k), 0) << c.name << " " << k;
        EXPECT_EQ(c.filter(8), 8) << c.name;
        EXPECT_EQ(c.filter(kKeyEnter), kKeyEnter) << c.name;
    }
    EXPECT_EQ(DtmfCodeKey('c'), 'C');
    EXPECT_EQ(MskIdKey('a'), 'A');
}
