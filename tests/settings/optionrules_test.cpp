// The optional-functions dialog while the user edits, and its OK and Cancel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "optionfixture.h"

using namespace rp;
using rp::test::OptionDialogTest;
using Items = std::vector<std::string>;

namespace {

// ---- display mode -------------------------------------------------------------

struct DisplayCase {
    const char* name;
    Integer mode, styleA, styleB, option;  // stored
    int pick;
    Integer wantA, wantB, wantOption;
    bool stylesEnabled, optionVisible;
    int optionShown;
};
void PrintTo(const DisplayCase& c, std::ostream* os) { *os << c.name; }

class OptionDisplayMode : public OptionDialogTest, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(OptionDisplayMode, UsersChoiceSetsStylesAndDisplayOption) {
    const DisplayCase& c = GetParam();
    Options().DisplayMode = c.mode;
    Options().DisplayStyleA = c.styleA;
    Options().DisplayStyleB = c.styleB;
    Options().DisplayOption = c.option;
    auto f = Load();
    Pick(*f, "Combo1_0", c.pick);
    const OptionDataRec& e = f->OptionDataEdit;
    EXPECT_EQ(e.DisplayMode, c.pick);
    EXPECT_EQ(e.DisplayStyleA, c.wantA);
    EXPECT_EQ(e.DisplayStyleB, c.wantB);
    EXPECT_EQ(e.DisplayOption, c.wantOption);
    EXPECT_EQ(f->C("Combo1_1").index, c.wantA);
    EXPECT_EQ(f->C("Combo1_2").index, c.wantB);
    EXPECT_EQ(f->C("Combo1_1").enabled, c.stylesEnabled);
    EXPECT_EQ(f->C("Combo1_2").enabled, c.stylesEnabled);
    EXPECT_EQ(f->C("Combo1_18").visible, c.optionVisible);
    EXPECT_EQ(f->C("Combo1_18").index, c.optionShown);
    EXPECT_EQ(Options().DisplayMode, c.mode);  // nothing live before OK
}

INSTANTIATE_TEST_SUITE_P(
    Rule, OptionDisplayMode,
    ::testing::Values(
        DisplayCase{"Entry1", 0, 0, 0, 1, 1, 1, 1, 1, false, true, 1},
        DisplayCase{"Entry1StylesAlreadyShown", 0, 1, 1, 5, 1, 1, 1, 5, false, true, 0},
        DisplayCase{"Entry2", 0, 0, 0, 1, 2, 1, 1, 0, true, false, 0},
        DisplayCase{"Entry0", 1, 1, 1, 1, 0, 0, 0, 0, true, false, 0},
        // Stored words outside the lists show entry 0 already; the rule still stores 0.
        DisplayCase{"Entry0ListsAlreadyShowIt", 2, 5, -1, 3, 0, 0, 0, 0, true, false, 0},
        DisplayCase{"Entry2PickedAgain", 2, 7, 0, 4, 2, 1, 1, 0, true, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- memory-channel lists -----------------------------------------------------------

TEST_F(OptionDialogTest, ChannelModeListsMemoryAndEdgeChannelsInOrder) {
    SetChannels({5, 201, 1, 206, 2, 203, 202, 204, 205});
    Options().MemChannelA = 200;  // PL1
    Options().MemChannelB = 150;  // not in the store
    auto f = Load();
    const Items want = {"0", "1", "4", "PL1", "PU1", "PL2", "PU2"};
    EXPECT_EQ(f->C("Combo1_4").items, want);
    EXPECT_EQ(f->C("Combo1_5").items, want);
    EXPECT_EQ(f->C("Combo1_4").text, "PL1");
    EXPECT_EQ(f->C("Combo1_5").text, "0");
    EXPECT_EQ(f->OptionDataEdit.MemChannelB, 150);  // shown only

    PickText(*f, "Combo1_4", "PU2");
    EXPECT_EQ(f->OptionDataEdit.MemChannelA, 203);
    PickText(*f, "Combo1_4", "0");
    EXPECT_EQ(f->OptionDataEdit.MemChannelA, 0);
    PickText(*f, "Combo1_5", "PL1");
    EXPECT_EQ(f->OptionDataEdit.MemChannelB, 200);
    PickText(*f, "Combo1_5", "4");
    EXPECT_EQ(f->OptionDataEdit.MemChannelB, 4);
}

struct BankCase {
    const char* name;
    Integer word;         // word 4 before the user switches list 1 to "Bank"
    int group;            // memory group 1's entry: 0..8 banks 1..9, 9 "0"
    Items listed;
    Integer wordAfter;
    const char* shown;
};
void PrintTo(const BankCase& c, std::ostream* os) { *os << c.name; }

class OptionBankMode : public OptionDialogTest, public ::testing::WithParamInterface<BankCase> {};

TEST_P(OptionBankMode, SwitchingToBankRebuildsAndReselects) {
    const BankCase& c = GetParam();
    SetChannels({21, 40, 1, 201, 10, 202, 5, 203, 204, 205, 206, 2});
    SetBank(3, {40, 10, 5});
    SetBank(6, {});
    Options().MemGroupA = static_cast<Integer>(c.group);
    Options().MemChannelA = c.word;
    Options().MemChannelB = 20;
    auto f = Load();
    Pick(*f, "Combo1_30", 1);
    EXPECT_EQ(f->OptionDataEdit.WorkModeA, 1);
    EXPECT_EQ(f->C("Combo1_4").items, c.listed);
    EXPECT_EQ(f->C("Combo1_4").text, c.shown);
    EXPECT_EQ(f->OptionDataEdit.MemChannelA, c.wordAfter);
    // List 2 keeps its own mode and word.
    EXPECT_EQ(f->C("Combo1_5").items.size(), 10u);
    EXPECT_EQ(f->OptionDataEdit.MemChannelB, 20);
}

INSTANTIATE_TEST_SUITE_P(
    Banks, OptionBankMode,
    ::testing::Values(BankCase{"StoredChannelInBank", 9, 2, {"4", "9", "39"}, 9, "9"},
                      BankCase{"StoredChannelNotInBank", 20, 2, {"4", "9", "39"}, 4, "4"},
                      BankCase{"EdgeChannelNotInBank", 200, 2, {"4", "9", "39"}, 4, "4"},
                      BankCase{"GroupZeroListsAllMemoryChannels", 39, 9, {"0", "1", "4", "9", "20", "39"}, 39,
                               "39"},
                      BankCase{"EmptyBankKeepsTheWord", 20, 5, {}, 20, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionDialogTest, MemoryGroupChoiceRebuildsItsOwnList) {
    SetChannels({1, 2, 5, 10, 40, 201});
    SetBank(3, {40, 10, 5});
    SetBank(5, {2});
    Options().WorkModeB = 1;
    Options().MemGroupB = 2;
    Options().MemChannelB = 9;
    auto f = Load();
    EXPECT_EQ(f->C("Combo1_5").items, (Items{"4", "9", "39"}));
    Pick(*f, "Combo1_8", 4);  // bank 5
    EXPECT_EQ(f->OptionDataEdit.MemGroupB, 4);
    EXPECT_EQ(f->C("Combo1_5").items, (Items{"1"}));
    EXPECT_EQ(f->OptionDataEdit.MemChannelB, 1);
    Pick(*f, "Combo1_31", 0);  // back to "CH"
    EXPECT_EQ(f->C("Combo1_5").items, (Items{"0", "1", "4", "9", "39", "PL1"}));
    EXPECT_EQ(f->OptionDataEdit.MemChannelB, 1);
    EXPECT_EQ(f->C("Combo1_4").items.size(), 6u);  // list 1 untouched
}

TEST_F(OptionDialogTest, BankModeAtLoadShowsFirstEntryAndKeepsTheWord) {
    SetChannels({1, 5, 10, 40, 201});
    SetBank(3, {40, 10, 5});
    Options().WorkModeA = 1;
    Options().MemGroupA = 2;
    Options().MemChannelA = 200;
    auto f = Load();
    EXPECT_EQ(f->C("Combo1_4").text, "4");
    f->CommandOK_Click();
    EXPECT_EQ(Options().MemChannelA, 200);
}

TEST_F(OptionDialogTest, SelectionRulesStorePositionsAndNumbers) {
    for (auto& r : d.WorkData.RadioFreData) r.Used = 1;
    auto f = Load();
    struct Case {
        const char* list;
        int entry;
        int word;
    } cases[] = {{"Combo1_3", 1, 3},   {"Combo1_9", 3, 7},   {"Combo1_10", 4, 8},  {"Combo1_11", 2, 9},
                 {"Combo1_12", 1, 10}, {"Combo1_13", 2, 11}, {"Combo1_14", 1, 12}, {"Combo1_15", 1, 15},
                 {"Combo1_16", 27, 19}, {"Combo1_17", 3, 20}, {"Combo1_18", 1, 18}, {"Combo1_19", 2, 21},
                 {"Combo1_20", 5, 22}, {"Combo1_21", 4, 23}, {"Combo1_22", 10, 24}, {"Combo1_23", 25, 25},
                 {"Combo1_24", 3, 26}};
    for (const auto& c : cases) {
        Pick(*f, c.list, c.entry);
        EXPECT_EQ(OptionWord(f->OptionDataEdit, c.word), c.entry) << c.list;
    }
    PickText(*f, "Combo1_6", "42");
    EXPECT_EQ(f->OptionDataEdit.RadioMemChannel, 42);

    // Lists of fields outside the record store nothing until OK.
    const OptionDataRec before = f->OptionDataEdit;
    for (int i : {25, 26, 27, 28, 29, 32, 33, 34, 35, 36, 37}) Pick(*f, "Combo1_" + std::to_string(i), 1);
    EXPECT_EQ(f->OptionDataEdit, before);
}

TEST_F(OptionDialogTest, CheckBoxesStoreTheirWords) {
    auto f = Load();
    for (int i = 0; i < 16; ++i) {
        const std::string box = "Check1_" + std::to_string(i);
        const OptionDataRec before = f->OptionDataEdit;
        const int word = OptionCheckWord(i);
        const int value = word >= 0 ? 1 - OptionWord(before, word) : 1 - f->C(box).value;
        Tick(*f, box, value);
        OptionDataRec want = before;
        if (word >= 0) OptionWord(want, word) = static_cast<Integer>(value);
        EXPECT_EQ(f->OptionDataEdit, want) << box;
    }
    for (int i = 0; i < 10; ++i) {
        Tick(*f, "Check3_" + std::to_string(i), i % 2);
        EXPECT_EQ(f->OptionDataEdit.BankLink[static_cast<std::size_t>(i)], i % 2) << i;
    }
}

TEST_F(OptionDialogTest, ListsAreMutedWhileTheFormLoads) {
    FrmOption f(d);
    f.InitOptionLists();
    SetListIndex(f.C("Combo1_9"), 2);
    f.Combo1_Click(9);
    EXPECT_EQ(f.OptionDataEdit.ScanTime, 0);
    EXPECT_FALSE(f.IsOptionLoaded);
}

// ---- keys and focus ---------------------------------------------------------------

struct KeyCase {
    const char* name;
    const char* control;
    int key;
    int passed;          // the key after the handler; 0 = swallowed
    const char* focus;   // focus afterwards ("" = unchanged)
    const char* text = nullptr;  // the control's text afterwards (null: unchanged)
};
void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class OptionKeys : public OptionDialogTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(OptionKeys, FilterAndMoveOn) {
    const KeyCase& c = GetParam();
    auto f = Load();
    f->State().focus = c.control;
    f->C(c.control).text = "Q";
    int key = c.key;
    f->KeyPress(c.control, key);
    EXPECT_EQ(key, c.passed);
    EXPECT_EQ(f->C(c.control).text, c.text ? c.text : "Q");
    EXPECT_EQ(f->State().focus, *c.focus ? c.focus : c.control);
    EXPECT_FALSE(f->unloadRequested);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, OptionKeys,
    ::testing::Values(KeyCase{"LetterMovesOn", "Text1_3", 'A', 0, "Text1_4", "A"},
                      KeyCase{"BlankMovesOn", "Text1_5", ' ', 0, "Text1_6", " "},
                      KeyCase{"LastBoxMovesToFirstList", "Text1_11", 'z', 0, "Combo1_0", "z"},
                      KeyCase{"Backslash", "Text1_3", '\\', 0, ""},
                      KeyCase{"Tilde", "Text1_3", '~', 0, ""},
                      KeyCase{"CtrlC", "Text1_3", 3, 0, ""},
                      KeyCase{"CtrlV", "Text1_3", 22, 0, ""},
                      KeyCase{"CtrlX", "Text1_3", 24, 0, ""},
                      KeyCase{"EnterMovesOn", "Text1_3", 13, 0, "Text1_4"},
                      KeyCase{"BackspacePasses", "Text1_3", 8, 8, ""},
                      KeyCase{"NonAscii", "Text1_3", 0xE9, 0, ""},
                      KeyCase{"Negative", "Text1_3", -20, 0, ""},
                      KeyCase{"ListEnter", "Combo1_0", 13, 0, "Combo1_1"},
                      KeyCase{"ListEnterSkipsHidden", "Combo1_17", 13, 0, "Combo1_20"},
                      KeyCase{"ListLetterPasses", "Combo1_0", 'a', 'a', ""},
                      KeyCase{"CheckEnterSkipsHidden", "Check1_7", 13, 0, "Check1_12"},
                      KeyCase{"CheckSpacePasses", "Check1_7", ' ', ' ', ""},
                      KeyCase{"PasswordDigit", "Text2", '7', '7', ""},
                      KeyCase{"PasswordLetter", "Text2", 'a', 0, ""},
                      KeyCase{"PasswordCtrlV", "Text2", 22, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionDialogTest, PowerOnBoxesKeepOnlyTheRadiosCharactersWhateverTheRoad) {
    struct Case {
        const char* arrived;  // pasted, dropped or from an input method
        const char* kept;
    } cases[] = {{"a", "a"},      {" ", " "},         {"\\", ""},       {"~", ""},
                 {"\xC3\xA9", ""}, {"\xE4\xB8\xAD", ""}, {"\t", ""},      {"\xC3\xA9x", "x"},
                 {"~}", "}"},     {"", ""}};
    auto f = Load();
    for (const auto& c : cases) {
        f->C("Text1_4").text = c.arrived;
        f->Change("Text1_4");
        EXPECT_EQ(f->C("Text1_4").text, c.kept) << c.arrived;
    }
}

TEST_F(OptionDialogTest, PowerOnBoxesSelectAllOnFocus) {
    auto f = Load();
    f->GotFocus("Text1_7");
    EXPECT_EQ(f->selectAllRequest, "Text1_7");
    f->selectAllRequest.clear();
    f->GotFocus("Text2");  // empty: nothing to select
    EXPECT_EQ(f->selectAllRequest, "");
    f->GotFocus("Text3_0");
    EXPECT_EQ(f->selectAllRequest, "Text3_0");
    // A move made by the boxes themselves arrives like a Tab.
    int key = 'A';
    f->KeyPress("Text1_3", key);
    EXPECT_EQ(f->selectAllRequest, "Text1_4");
}

// ---- SW and LW boxes -----------------------------------------------------------------

TEST_F(OptionDialogTest, ShortWaveBoxesNormaliseOnLeaving) {
    struct Case {
        int box;
        const char* typed;
        const char* shown;
    } cases[] = {{0, "1", "2.3000"},      {0, "25", "21.8500"},    {0, "7.5", "7.5000"},
                 {0, "", "18.0000"},      {0, "abc", "18.0000"},   {0, "2.3", "2.3000"},
                 {0, "21.85", "21.8500"}, {0, " 9 ", "9.0000"},    {0, "-4", "2.3000"},
                 {1, "0.1", "0.5200"},    {1, "2", "1.7100"},      {1, "", "1.2000"},
                 {1, "x1", "1.2000"},     {1, "1.23456", "1.2346"}};
    auto f = Load();
    for (const auto& c : cases) {
        const std::string name = "Text3_" + std::to_string(c.box);
        f->C(name).text = c.typed;
        EXPECT_TRUE(f->LostFocus(name, ""));
        EXPECT_EQ(f->C(name).text, c.shown) << name << " " << c.typed;
        EXPECT_EQ(NormaliseShortWaveText(c.box, c.typed), c.shown) << name << " " << c.typed;
    }
}

// ---- OK and Cancel ----------------------------------------------------------------------

TEST_F(OptionDialogTest, OkStoresWorkingCopyOutsideFieldsAndRebuildsTheTree) {
    d.WorkData.AMFreData[2].Set("119.1");
    auto f = Load();
    Pick(*f, "Combo1_9", 2);
    Tick(*f, "Check3_4", 0);
    for (int j = 0; j < 12; ++j) f->C("Text1_" + std::to_string(j)).text = "";
    f->C("Text1_0").text = "O";
    f->C("Text1_1").text = "K";
    Tick(*f, "Check1_7", 1);
    Tick(*f, "Check1_9", 1);
    Tick(*f, "Check1_15", 1);
    struct Pickup {
        int list, entry;
    } picks[] = {{25, 6}, {26, 1}, {28, 3}, {29, 4}, {32, 5}, {33, 2}, {34, 6}, {35, 1}, {36, 22}, {37, 4}};
    for (const auto& p : picks) Pick(*f, "Combo1_" + std::to_string(p.list), p.entry);
    PickText(*f, "Combo1_27", "2");
    f->C("Text3_1").text = "9";  // hidden box, normalised by OK

    f->CommandOK_Click();
    const RadioDataRec& w = d.WorkData;
    EXPECT_EQ(Options().ScanTime, 2);
    EXPECT_EQ(Options().BankLink[4], 0);
    EXPECT_EQ(std::string(Options().PowerOnText.Raw()), "OK          ");
    EXPECT_EQ(Options(), f->OptionDataEdit);
    EXPECT_EQ(w.RadioOn, 1);
    EXPECT_EQ(w.FMEnabled, 1);
    EXPECT_EQ(w.AMEnabled, 0);
    EXPECT_EQ(w.QuickScan, 1);
    EXPECT_EQ(w.SubVolume, 6);
    EXPECT_EQ(w.AMDisplayMode, 1);
    EXPECT_EQ(w.RadioBand, 3);
    EXPECT_EQ(w.PF1Key, 4);
    EXPECT_EQ(w.PF2Key, 5);
    EXPECT_EQ(w.NOAAAlert, 2);
    EXPECT_EQ(w.NOAAChannel, 6);
    EXPECT_EQ(w.Part95Mode, 1);
    EXPECT_EQ(w.GMRSChannel, 22);
    EXPECT_EQ(w.MURSChannel, 4);
    EXPECT_EQ(w.AMMemChannel, 2);
    EXPECT_EQ(std::string(w.SWFre.Raw()), "18.0000 ");
    EXPECT_EQ(std::string(w.LWFre.Raw()), "1.7100  ");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"LoadShowTree"}));
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_TRUE(notes.shown.empty());
}

TEST_F(OptionDialogTest, OkWithoutChangesNormalisesOnlyWhatTheDialogOwns) {
    Options().PowerOnText.SetEmpty();
    const OptionDataRec before = Options();
    auto f = Load();
    f->CommandOK_Click();
    OptionDataRec want = before;
    want.PowerOnText.Set("            ");
    EXPECT_EQ(Options(), want);
    EXPECT_EQ(std::string(d.WorkData.SWFre.Raw()), "18.0000 ");
    EXPECT_EQ(std::string(d.WorkData.LWFre.Raw()), "1.2000  ");
}

TEST_F(OptionDialogTest, PowerOnTextBoxesStoreBlanksForEmptyBoxes) {
    struct Case {
        std::vector<std::string> boxes;  // the first boxes; the rest empty
        std::string stored;
    } cases[] = {{{"A", "B"}, "AB          "},
                 {{}, "            "},
                 {{"", "x", "", "y"}, " x y        "},
                 {{"\xC3\xA9"}, "\xE9           "}};
    for (const auto& c : cases) {
        auto f = Load();
        for (int j = 0; j < 12; ++j)
            f->C("Text1_" + std::to_string(j)).text =
                j < static_cast<int>(c.boxes.size()) ? c.boxes[static_cast<std::size_t>(j)] : "";
        f->CommandOK_Click();
        EXPECT_EQ(std::string(Options().PowerOnText.Raw()), c.stored);
    }
}

TEST_F(OptionDialogTest, CancelLeavesEverythingAsItWas) {
    d.WorkData.SWFre.Set("18");
    const RadioDataRec before = d.WorkData;
    auto f = Load();
    Pick(*f, "Combo1_0", 1);
    Pick(*f, "Combo1_30", 1);
    Pick(*f, "Combo1_36", 5);
    Tick(*f, "Check1_7", 1);
    Tick(*f, "Check3_0", 0);
    f->C("Text1_0").text = "Z";
    f->C("Text3_0").text = "3";
    f->LostFocus("Text3_0", "");
    f->Click("CommandCancel");
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_TRUE(d.WorkData == before);
    EXPECT_TRUE(view.calls.empty());
}

}  // namespace
