// The channel dialog's input: key filters, Enter as Tab, select-all, the
// own-CTCSS check on leaving its box, the bank ticks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "channels/cheditkeys.h"
#include "cheditfixture.h"

using namespace rp;

namespace {

class ChEditKeys : public test::ChEditTest {
protected:
    void Type(const std::string& box, const std::string& keys) {
        Focus(box);
        for (char c : keys) TypeKey(static_cast<unsigned char>(c));
    }
};

}  // namespace

TEST(ChEditKeyFilter, ATableOfKeysPerBox) {
    constexpr int kKeyCtrlC = 3, kKeyCtrlV = 22, kKeyCtrlX = 24;
    struct Case {
        const char* box;
        int key;
        int passed;
        bool tabNow, tabAfter;
    };
    const Case cases[] = {
        {"Text1_0", '7', '7', false, false},  {"Text1_0", '.', '.', false, false},
        {"Text1_0", 'a', 0, false, false},    {"Text1_0", ' ', 0, false, false},
        {"Text1_0", 8, 8, false, false},      {"Text1_0", kKeyCtrlV, 0, false, false},
        {"Text1_0", kKeyCtrlC, 0, false, false}, {"Text1_0", kKeyCtrlX, 0, false, false},
        {"Text1_0", 13, 0, true, false},      {"Text1_0", 233, 0, false, false},
        {"Text1_0", 0x4E2D, 0, false, false}, {"Text1_1", '-', 0, false, false},
        {"Text1_10", 'x', 'x', false, false}, {"Text1_10", '~', '~', false, false},
        {"Text1_10", kKeyCtrlV, 0, false, false},
        {"Text1_2", 'A', 'A', false, true},   {"Text1_7", ' ', ' ', false, true},
        {"Text1_4", '\\', 0, false, false},   {"Text1_4", '~', 0, false, false},
        {"Text1_4", 8, 8, false, false},      {"Text1_5", 13, 0, true, false},
        {"Text2", '5', '5', false, false},    {"Text2", '.', 0, false, false},
        {"Text2", 'a', 0, false, false},      {"Text2", 13, 0, true, false},
        {"Text3", '.', '.', false, false},    {"Text3", 'e', 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " key " + std::to_string(c.key));
        const ChEditKey k = ChEditFilterKey(c.box, c.key);
        EXPECT_EQ(k.key, c.passed);
        EXPECT_EQ(k.tabNow, c.tabNow);
        EXPECT_EQ(k.tabAfter, c.tabAfter);
    }
}

TEST(ChEditKeyFilter, TheValidatorsCharacters) {
    EXPECT_EQ(ChEditAllowedChars("Text1_0"), "0123456789.");
    EXPECT_EQ(ChEditAllowedChars("Text3"), "0123456789.");
    EXPECT_EQ(ChEditAllowedChars("Text2"), "0123456789");
    EXPECT_EQ(ChEditAllowedChars("Text1_10").size(), 95u);
    const std::string name = ChEditAllowedChars("Text1_3");
    EXPECT_EQ(name.size(), 93u);
    EXPECT_EQ(name.find('\\'), std::string::npos);
    EXPECT_EQ(name.find('~'), std::string::npos);
    EXPECT_NE(name.find(' '), std::string::npos);
    EXPECT_EQ(ChEditAllowedChars("Combo1_0"), "");
}

TEST_F(ChEditKeys, TypingIntoTheRxBoxKeepsDigitsAndPoint) {
    Open(ListMemory, 1);
    Type("Text1_0", "145.5a");
    EXPECT_EQ(C("Text1_0").text, "145.5");
}

TEST_F(ChEditKeys, SixLettersFillTheSixNameBoxes) {
    Open(ListMemory, 1);
    Type("Text1_2", "ABCDEF");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(C("Text1_" + std::to_string(i + 2)).text, std::string(1, 'A' + i));
    EXPECT_EQ(f->State().focus, "Combo1_0");
    // Refused characters leave the focus; a blank is taken.
    Type("Text1_4", "\\~");
    EXPECT_EQ(f->State().focus, "Text1_4");
    EXPECT_EQ(C("Text1_4").text, "C");
    TypeKey(' ');
    EXPECT_EQ(C("Text1_4").text, " ");
    EXPECT_EQ(f->State().focus, "Text1_5");
}

TEST_F(ChEditKeys, TextBoxesSelectAllOnFocus) {
    Open(ListMemory, 1);
    for (const char* box : {"Text1_0", "Text1_10", "Text1_2", "Text2", "Text3"}) {
        f->GotFocus(box);
        EXPECT_EQ(f->selectAllRequest, box);
    }
}

TEST_F(ChEditKeys, LeavingTheOwnToneBoxChecksIt) {
    Open(ListMemory, 1);
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {{"300", "151.1"}, {"88.5", "88.5"}, {"100", "100.0"}, {"", "151.1"}, {"62.5", "62.5"}};
    for (const Case& c : cases) {
        C("Text3").text = c.typed;
        EXPECT_TRUE(f->LostFocus("Text3", "CommandCancel"));
        EXPECT_EQ(C("Text3").text, c.shown) << c.typed;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ChEditKeys, EnterMovesAlongTheTabOrderAndNeverPressesOk) {
    Rec(1).OptSig = 1;
    Rec(1).DeCTCType = 2;
    Rec(1).EnCTCType = 1;
    Open(ListMemory, 1);
    const std::vector<std::string> expected = {
        "Text1_0",  "Text1_10", "Text1_2",  "Text1_3",  "Text1_4",  "Text1_5",       "Text1_6",
        "Text1_7",  "Combo1_0", "Combo1_1", "Combo1_2", "Combo1_5", "Combo3_2",      "Check2_0",
        "Combo1_10", "Combo3_1", "Combo1_4", "Combo4_0", "Combo1_9", "Combo1_7",     "Combo1_8",
        "Check1",   "Check6",   "Check4_0", "Check4_1", "Text3",    "CommandOK",     "CommandCancel",
        "Combo1_13", "ListBank", "Combo1_15", "Text1_0",
    };
    std::string at = expected.front();
    f->State().focus = at;
    for (std::size_t i = 1; i < expected.size(); ++i) {
        int key = kKeyReturn;
        f->KeyPress(at, key);
        EXPECT_EQ(key, 0) << at;
        ASSERT_EQ(f->State().focus, expected[i]) << "Enter in " << at;
        at = f->State().focus;
    }
    EXPECT_FALSE(f->unloadRequested);
    EXPECT_EQ(f->LastOutcome().action, ChEditAction::Closed);  // OK never ran
}

TEST_F(ChEditKeys, EnterOnTheHiddenControlsToo) {
    Open(ListMemory, 1);
    for (const char* name : {"Combo2", "Check3", "Check5", "Combo1_6", "Combo1_12", "Text2", "Text1_1"}) {
        int key = kKeyReturn;
        f->KeyPress(name, key);
        EXPECT_EQ(key, 0) << name;
    }
    int key = kKeyReturn;
    f->KeyPress("Check7", key);  // no key handler
    EXPECT_EQ(key, kKeyReturn);
}

TEST_F(ChEditKeys, AFullBankRefusesTheTick) {
    for (int s = 1; s <= kBankSlots; ++s) {
        d.BankCH()(s, 4) = static_cast<Integer>(s == 32 ? 1 : 100 + s);
        d.BankCH()(s, 5) = static_cast<Integer>(100 + s);
    }
    Open(ListMemory, 1);
    const auto& ticks = C("ListBank").selected;
    EXPECT_TRUE(ticks[3]);
    TickBank(4, true);  // full, without channel 1
    EXPECT_FALSE(ticks[4]);
    TickBank(3, false);  // full, holding channel 1
    EXPECT_FALSE(ticks[3]);
    TickBank(3, true);
    EXPECT_TRUE(ticks[3]);
    TickBank(6, true);  // room
    EXPECT_TRUE(ticks[6]);
    f->Click("CommandOK");
    EXPECT_EQ(GetChannelBankText(d, 1), "147");
}

TEST_F(ChEditKeys, EveryTextBoxHasNoContextMenuWhileOpen) {
    Open(ListMemory, 1);
    for (const char* box : {"Text1_0", "Text1_1", "Text1_2", "Text1_7", "Text1_10", "Text2", "Text3"})
        EXPECT_TRUE(C(box).noContextMenu) << box;
    f->Form_Unload();
    EXPECT_FALSE(C("Text1_0").noContextMenu);
}
