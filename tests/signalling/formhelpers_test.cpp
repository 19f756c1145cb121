// The signalling forms' control arrays and the key filters of their boxes.
#include <gtest/gtest.h>

#include <string>

#include "signalling/formhelpers.h"
#include "signalling/frm2tonecontrols.h"
#include "signalling/frmdtmfcontrols.h"

using namespace rp;

// The forms' dispatch finds an element's index by its array; a single
// control or another array's element is none of its elements.
TEST(ControlNames, SplitAndJoin) {
    struct Case {
        ControlArray array;
        std::string control;
        int index;
    };
    const Case cases[] = {
        {dtmf::CodeBoxes, dtmf::CodeBoxes[16], 16},
        {dtmf::CodeBoxes, dtmf::CodeBoxes[0], 0},
        {dtmf::CodeBoxes, dtmf::OwnId, -1},
        {dtmf::CodeBoxes, dtmf::CodeCaptions[3], -1},
        {twotone::ToneBoxes, twotone::ToneBoxes[3], 3},
        {twotone::ToneBoxes, twotone::ToneEditor, -1},
        {twotone::ToneBoxes, twotone::NameEditor, -1},
        {twotone::DecodeTone1Boxes, twotone::DecodeTone2Boxes[2], -1},
        {twotone::DecodeValidBoxes, twotone::DecodeValidBoxes[15], 15},
        {twotone::DecodeValidBoxes, twotone::SideTone, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.array.IndexOf(c.control), c.index) << c.control;
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
        EXPECT_EQ(c.filter(kKeyReturn), kKeyReturn) << c.name;
    }
    EXPECT_EQ(DtmfCodeKey('c'), 'C');
    EXPECT_EQ(MskIdKey('a'), 'A');
}
