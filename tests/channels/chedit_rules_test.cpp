// The channel dialog's field rules while the user edits.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "cheditfixture.h"

using namespace rp;

namespace {

class ChEditRules : public test::ChEditTest {
protected:
    // The squelch modes Combo1_9 offers, by their texts in the full list.
    std::vector<int> OfferedModes() {
        std::vector<int> modes;
        const auto& all = Items("Combo1_11");
        for (const auto& text : Items("Combo1_9"))
            for (std::size_t m = 0; m < all.size(); ++m)
                if (all[m] == text) modes.push_back(static_cast<int>(m));
        return modes;
    }
};

struct SqlCase {
    const char* name;
    int decodeType, encodeType, signalling, reverse;
    std::vector<int> modes;
};
void PrintTo(const SqlCase& c, std::ostream* os) { *os << c.name; }

class SqlModes : public ChEditRules, public ::testing::WithParamInterface<SqlCase> {};

const SqlCase kSqlCases[] = {
    {"no tone, no signalling", 0, 0, 0, 0, {0}},
    {"decode CTCSS", 1, 0, 0, 0, {0, 1}},
    {"decode DCS and DTMF", 2, 0, 1, 0, {0, 1, 2, 3, 4}},
    {"signalling alone", 0, 0, 3, 0, {0, 2}},
    {"encode only, reverse off", 0, 1, 0, 0, {0}},
    {"encode only, reverse on", 0, 1, 0, 1, {0, 1}},
    {"decode only, reverse on", 2, 0, 2, 1, {0, 2}},
    {"both tones, reverse on, signalling", 1, 2, 1, 1, {0, 1, 2, 3, 4}},
};

}  // namespace

TEST_P(SqlModes, FollowToneTypeSignallingAndReverse) {
    const SqlCase& c = GetParam();
    Open(ListMemory, 1);
    Pick("Combo1_5", c.decodeType);
    Pick("Combo1_10", c.encodeType);
    Pick("Combo1_4", c.signalling);
    SetTick("Check4_0", c.reverse);
    EXPECT_EQ(OfferedModes(), c.modes);
    EXPECT_EQ(C("Combo1_9").index, 0);
}

INSTANTIATE_TEST_SUITE_P(ChEdit, SqlModes, ::testing::ValuesIn(kSqlCases),
                         [](const auto& info) {
                             std::string n;
                             for (const char* p = info.param.name; *p; ++p)
                                 n += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return n;
                         });

TEST_F(ChEditRules, TheChosenModeStaysWhileOfferedAndIsStoredByNumber) {
    Open(ListMemory, 1);
    Pick("Combo1_5", 1);
    Pick("Combo1_4", 1);
    Pick("Combo1_9", 4);  // mode 4
    EXPECT_EQ(C("Combo1_11").index, 4);
    Pick("Combo1_8", 2);  // no effect on the modes
    EXPECT_EQ(C("Combo1_9").index, 4);
    Pick("Combo1_4", 0);  // signalling off: mode 4 is gone
    EXPECT_EQ(OfferedModes(), (std::vector<int>{0, 1}));
    EXPECT_EQ(C("Combo1_9").index, 0);
    Pick("Combo1_9", 1);
    Pick("Combo1_4", 2);  // mode 1 stays offered
    EXPECT_EQ(C("Combo1_9").text, Items("Combo1_11")[1]);
}

TEST_F(ChEditRules, ModesByNumberEvenWhenTheirTextsAreAlike) {
    d.LanguageFilePath = "/language/none.ini";  // every language text ""
    Open(ListMemory, 1);
    Pick("Combo1_5", 1);
    Pick("Combo1_4", 1);
    Pick("Combo1_9", 3);
    EXPECT_EQ(C("Combo1_11").index, 3);
    EXPECT_EQ(EvaluateChEditOK(d, f->State()).stored.record.SqlMode, 3);
}

TEST_F(ChEditRules, WithReverseTheEncodeTypeGovernsTheModes) {
    Open(ListMemory, 1);
    SetTick("Check4_0", 1);
    Pick("Combo1_5", 1);
    EXPECT_EQ(OfferedModes(), (std::vector<int>{0}));
    Pick("Combo1_10", 2);
    EXPECT_EQ(OfferedModes(), (std::vector<int>{0, 1}));
    // Talk-around unticks reverse; the decode type governs again.
    SetTick("Check4_1", 1);
    EXPECT_EQ(C("Check4_0").value, 0);
    EXPECT_EQ(OfferedModes(), (std::vector<int>{0, 1}));
    Pick("Combo1_5", 0);
    EXPECT_EQ(OfferedModes(), (std::vector<int>{0}));
    SetTick("Check4_0", 1);
    EXPECT_EQ(C("Check4_1").value, 0);
}

TEST_F(ChEditRules, PttIdListsExcludeEachOther) {
    Open(ListMemory, 1);
    Pick("Combo1_7", 2);
    Pick("Combo1_8", 1);
    EXPECT_EQ(C("Combo1_7").index, 0);
    Pick("Combo1_7", 3);
    EXPECT_EQ(C("Combo1_8").index, 0);
    Pick("Combo1_8", 0);  // the first item changes nothing
    EXPECT_EQ(C("Combo1_7").index, 3);
}

TEST_F(ChEditRules, ANewToneTypeShowsItsListAtTheFirstItem) {
    Rec(1).DeCTCType = 1;
    Rec(1).DeCTCSS = 20;
    Open(ListMemory, 1);
    EXPECT_TRUE(C("Combo3_0").visible);
    EXPECT_EQ(C("Combo3_0").text, "127.3");
    C("Check2_0").value = 1;
    Pick("Combo1_5", 2);
    EXPECT_FALSE(C("Combo3_0").visible);
    EXPECT_TRUE(C("Combo3_2").visible);
    EXPECT_TRUE(C("Combo3_2").enabled);
    EXPECT_EQ(C("Combo3_2").text, "000");
    EXPECT_TRUE(C("Check2_0").visible);
    EXPECT_TRUE(C("Check2_0").enabled);
    EXPECT_EQ(C("Check2_0").value, 0);
    // A list hidden by the opening is usable once its type is chosen.
    Pick("Combo1_10", 1);
    EXPECT_TRUE(C("Combo3_1").visible);
    EXPECT_TRUE(C("Combo3_1").enabled);
    EXPECT_EQ(C("Combo3_1").text, "62.5");
    Pick("Combo1_10", 0);
    EXPECT_FALSE(C("Combo3_1").visible);
}

TEST_F(ChEditRules, SignallingShowsItsCodeListAtTheFirstEntry) {
    for (auto& e : d.Tone2Data().Encodes) e.Empty = 1;
    Open(ListMemory, 1);
    Pick("Combo1_4", 2);  // two-tone with no entry in use
    EXPECT_TRUE(C("Combo4_1").visible);
    EXPECT_EQ(C("Combo4_1").index, -1);
    EXPECT_TRUE(C("Combo1_16").enabled);
    Pick("Combo1_4", 1);
    EXPECT_FALSE(C("Combo4_1").visible);
    EXPECT_TRUE(C("Combo4_0").visible);
    EXPECT_EQ(C("Combo4_0").text, "M1");
    EXPECT_FALSE(C("Combo1_16").enabled);
}

TEST_F(ChEditRules, TheRxBoxSwitchesTheChannelControls) {
    Rec(1).OptSig = 1;
    Open(ListMemory, 1);
    SetText("Text1_0", "");
    for (const char* name : {"Text1_10", "Text1_2", "Combo1_0", "Combo1_4", "Combo4_0", "Check1", "Check6",
                             "Text3", "ListBank", "Combo1_16", "Text2"})
        EXPECT_FALSE(C(name).enabled) << name;
    EXPECT_TRUE(C("Text1_0").enabled);
    EXPECT_EQ(C("Combo1_4").text, "DTMF");  // nothing cleared
    SetText("Text1_0", "1");
    for (const char* name : {"Text1_10", "Text1_2", "Combo1_0", "Combo1_4", "Combo4_0", "Check1", "Check6",
                             "Text3", "ListBank", "Text2"})
        EXPECT_TRUE(C(name).enabled) << name;
    EXPECT_FALSE(C("Combo1_16").enabled);
    EXPECT_FALSE(C("Combo4_1").enabled);  // hidden
    Pick("Combo1_4", 2);
    SetText("Text1_0", "");
    SetText("Text1_0", "4");
    EXPECT_TRUE(C("Combo1_16").enabled);
}

TEST_F(ChEditRules, ThePttIdCodeBoxIsForMemoryAndLowerEdgeChannels) {
    for (int n : {1, int{ChPL1}, int{ChPL2}, int{ChPU2}, int{ChVFO2}}) {
        Open(ListMemory, n);
        EXPECT_EQ(C("Text2").enabled, n <= ChPL2) << n;
        EXPECT_EQ(C("Check7").enabled, n <= ChPL2) << n;
    }
}
