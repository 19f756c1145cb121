// Control-array names: built and taken apart the same way for every form,
// and a table that builds a form's state.
#include <gtest/gtest.h>

#include "forms/controls.h"

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

}  // namespace
}  // namespace rp
