// Control-array names: built and taken apart the same way for every form,
// a table that builds a form's state, and the caption tables.
#include <gtest/gtest.h>

#include "forms/controls.h"

#include <stdexcept>

namespace rp {
namespace {

TEST(ElementNames, BuildAndSplitAgree) {
    struct Case {
        const char* name;
        const char* base;
        int index;
    };
    const Case cases[] = {
        {"Combo1_5", "Combo1", 5},   {"Text2_16", "Text2", 16}, {"Option1_0", "Option1", 0},
        {"Text3", "Text3", -1},      {"Text1_", "Text1_", -1},  {"Text1_x", "Text1_x", -1},
        {"My_Name", "My_Name", -1},  {"", "", -1},              {"A_b_7", "A_b", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ElementRef ref = SplitElementName(c.name);
        EXPECT_EQ(ref.base, c.base);
        EXPECT_EQ(ref.index, c.index);
        if (c.index >= 0) {
            EXPECT_EQ(ElementName(c.base, c.index), c.name);
        }
    }
}

TEST(ElementNames, AnArrayFindsOnlyItsOwnElements) {
    constexpr ControlArray codes{"Text2"};
    EXPECT_EQ(codes[3], "Text2_3");
    EXPECT_EQ(codes.IndexOf("Text2_12"), 12);
    EXPECT_EQ(codes.IndexOf("Text21_2"), -1);
    EXPECT_EQ(codes.IndexOf("Text2"), -1);
    EXPECT_EQ(codes.IndexOf("Text1_2"), -1);
}

TEST(ControlTable, AddsSinglesAndArraysInOrder) {
    constexpr ControlEntry table[] = {
        {"Text1", ControlKind::TextBox, "RX", true, 9},
        {"Check2", ControlKind::CheckBox, "", false, 0, 2},
        {"Command1", ControlKind::Button},
    };
    FormState s;
    AddControls(s, table);
    EXPECT_EQ(s.Names(), (std::vector<std::string>{"Text1", "Check2_0", "Check2_1", "Command1"}));
    EXPECT_EQ(s["Text1"].max, 9);
    EXPECT_EQ(s["Text1"].tag, "RX");
    EXPECT_FALSE(s["Check2_1"].visible);
    EXPECT_EQ(s["Check2_1"].kind, ControlKind::CheckBox);
    EXPECT_TRUE(s["Command1"].visible);
}

TEST(CaptionTables, ALabelIsFoundByItsControlInTheFirstTableThatHasIt) {
    constexpr CaptionedControl left[] = {{"Label1_0", "Combo1_0"}, {"Label1_1", "Combo1_1"}};
    constexpr CaptionedControl right[] = {{"Label1_2", "Combo1_2"}, {"Label9", "Combo1_0"}};
    EXPECT_STREQ(CaptionOf({left, right}, "Combo1_1"), "Label1_1");
    EXPECT_STREQ(CaptionOf({left, right}, "Combo1_2"), "Label1_2");
    EXPECT_STREQ(CaptionOf({left, right}, "Combo1_0"), "Label1_0");
    EXPECT_STREQ(CaptionOf({right}, "Combo1_0"), "Label9");
    // A control no table captions is an error of the program.
    EXPECT_THROW(CaptionOf({left, right}, "Combo1_3"), std::out_of_range);
    EXPECT_THROW(CaptionOf({left}, "Label1_0"), std::out_of_range);
}

}  // namespace
}  // namespace rp
