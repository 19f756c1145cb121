// The optional-functions dialog while the user edits, and its OK and Cancel.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "optionfixture.h"
#include "settings/frmoptioncontrols.h"

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
    Pick(*f, option::DisplayMode, c.pick);
    const OptionDataRec& e = f->OptionDataEdit;
    EXPECT_EQ(e.DisplayMode, c.pick);
    EXPECT_EQ(e.DisplayStyleA, c.wantA);
    EXPECT_EQ(e.DisplayStyleB, c.wantB);
    EXPECT_EQ(e.DisplayOption, c.wantOption);
    EXPECT_EQ(f->C(option::DisplayStyleA).index, c.wantA);
    EXPECT_EQ(f->C(option::DisplayStyleB).index, c.wantB);
    EXPECT_EQ(f->C(option::DisplayStyleA).enabled, c.stylesEnabled);
    EXPECT_EQ(f->C(option::DisplayStyleB).enabled, c.stylesEnabled);
    EXPECT_EQ(f->C(option::DisplayOption).visible, c.optionVisible);
    EXPECT_EQ(f->C(option::DisplayOption).index, c.optionShown);
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
    EXPECT_EQ(f->C(option::MemChannelA).items, want);
    EXPECT_EQ(f->C(option::MemChannelB).items, want);
    EXPECT_EQ(f->C(option::MemChannelA).text, "PL1");
    EXPECT_EQ(f->C(option::MemChannelB).text, "0");
    EXPECT_EQ(f->OptionDataEdit.MemChannelB, 150);  // shown only

    PickText(*f, option::MemChannelA, "PU2");
    EXPECT_EQ(f->OptionDataEdit.MemChannelA, 203);
    PickText(*f, option::MemChannelA, "0");
    EXPECT_EQ(f->OptionDataEdit.MemChannelA, 0);
    PickText(*f, option::MemChannelB, "PL1");
    EXPECT_EQ(f->OptionDataEdit.MemChannelB, 200);
    PickText(*f, option::MemChannelB, "4");
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
    Pick(*f, option::WorkModeA, 1);
    EXPECT_EQ(f->OptionDataEdit.WorkModeA, 1);
    EXPECT_EQ(f->C(option::MemChannelA).items, c.listed);
    EXPECT_EQ(f->C(option::MemChannelA).text, c.shown);
    EXPECT_EQ(f->OptionDataEdit.MemChannelA, c.wordAfter);
    // List 2 keeps its own mode and word.
    EXPECT_EQ(f->C(option::MemChannelB).items.size(), 10u);
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
    EXPECT_EQ(f->C(option::MemChannelB).items, (Items{"4", "9", "39"}));
    Pick(*f, option::MemGroupB, 4);  // bank 5
    EXPECT_EQ(f->OptionDataEdit.MemGroupB, 4);
    EXPECT_EQ(f->C(option::MemChannelB).items, (Items{"1"}));
    EXPECT_EQ(f->OptionDataEdit.MemChannelB, 1);
    Pick(*f, option::WorkModeB, 0);  // back to "CH"
    EXPECT_EQ(f->C(option::MemChannelB).items, (Items{"0", "1", "4", "9", "39", "PL1"}));
    EXPECT_EQ(f->OptionDataEdit.MemChannelB, 1);
    EXPECT_EQ(f->C(option::MemChannelA).items.size(), 6u);  // list 1 untouched
}

TEST_F(OptionDialogTest, BankModeAtLoadShowsFirstEntryAndKeepsTheWord) {
    SetChannels({1, 5, 10, 40, 201});
    SetBank(3, {40, 10, 5});
    Options().WorkModeA = 1;
    Options().MemGroupA = 2;
    Options().MemChannelA = 200;
    auto f = Load();
    EXPECT_EQ(f->C(option::MemChannelA).text, "4");
    f->CommandOK_Click();
    EXPECT_EQ(Options().MemChannelA, 200);
}

TEST_F(OptionDialogTest, SelectionRulesStorePositionsAndNumbers) {
    for (auto& r : d.WorkData.RadioFreData) r.Used = 1;
    auto f = Load();
    struct Case {
        const char* list;
        int entry;
        Integer OptionDataRec::*word;
    } cases[] = {{option::RadioDisplay, 1, &OptionDataRec::RadioDisplay},
                 {option::ScanTime, 3, &OptionDataRec::ScanTime},
                 {option::KeyTime, 4, &OptionDataRec::KeyTime},
                 {option::Backlight, 2, &OptionDataRec::Backlight},
                 {option::Colour, 1, &OptionDataRec::Colour},
                 {option::SubDisplay, 2, &OptionDataRec::SubDisplay},
                 {option::SqlKey, 1, &OptionDataRec::SqlKey},
                 {option::MainBand, 1, &OptionDataRec::MainBand},
                 {option::Tot, 27, &OptionDataRec::TOT},
                 {option::AutoPowerOff, 3, &OptionDataRec::AutoPowerOff},
                 {option::DisplayOption, 1, &OptionDataRec::DisplayOption},
                 {option::BusyLock, 2, &OptionDataRec::BusyLockOption},
                 {option::PowerSave, 5, &OptionDataRec::PowerSave},
                 {option::ToneBurst, 4, &OptionDataRec::ToneBurst},
                 {option::VoxLevel, 10, &OptionDataRec::VoxLevel},
                 {option::VoxDelay, 25, &OptionDataRec::VoxDelay},
                 {option::TailMode, 3, &OptionDataRec::TailMode}};
    for (const auto& c : cases) {
        Pick(*f, c.list, c.entry);
        EXPECT_EQ(f->OptionDataEdit.*c.word, c.entry) << c.list;
    }
    PickText(*f, option::RadioMemChannel, "42");
    EXPECT_EQ(f->OptionDataEdit.RadioMemChannel, 42);

    // Lists of fields outside the record store nothing until OK.
    const OptionDataRec before = f->OptionDataEdit;
    for (const char* list : {option::SubVolume, option::AmDisplay, option::AmMemChannel, option::RadioBand,
                             option::Pf1Key, option::Pf2Key, option::NoaaAlert, option::NoaaChannel,
                             option::Part95Mode, option::GmrsChannel, option::MursChannel})
        Pick(*f, list, 1);
    EXPECT_EQ(f->OptionDataEdit, before);
}

TEST_F(OptionDialogTest, CheckBoxesStoreTheirWords) {
    // Each switch and its word; null: a field beside the record, stored on OK.
    const std::pair<const char*, Integer OptionDataRec::*> boxes[] = {
        {option::FuncOperA, &OptionDataRec::FuncOperA},       {option::FuncOperB, &OptionDataRec::FuncOperB},
        {option::InitKey, &OptionDataRec::InitKey},           {option::TailElim, &OptionDataRec::TailElim},
        {option::FullBand, &OptionDataRec::FullBand},         {option::Alarm, &OptionDataRec::Alarm},
        {option::Voice, &OptionDataRec::Voice},               {option::RadioOn, nullptr},
        {option::AmEnabled, nullptr},                         {option::FmEnabled, nullptr},
        {option::SwEnabled, nullptr},                         {option::LwEnabled, nullptr},
        {option::GroupSelectA, &OptionDataRec::GroupSelectA}, {option::GroupSelectB, &OptionDataRec::GroupSelectB},
        {option::KeyLock, &OptionDataRec::KeyLock},           {option::QuickScan, nullptr},
    };
    auto f = Load();
    for (auto [box, word] : boxes) {
        const OptionDataRec before = f->OptionDataEdit;
        const int value = word ? 1 - before.*word : 1 - f->C(box).value;
        Tick(*f, box, value);
        OptionDataRec want = before;
        if (word) want.*word = static_cast<Integer>(value);
        EXPECT_EQ(f->OptionDataEdit, want) << box;
    }
    for (int i = 0; i < 10; ++i) {
        Tick(*f, option::BankLinks[i], i % 2);
        EXPECT_EQ(f->OptionDataEdit.BankLink[static_cast<std::size_t>(i)], i % 2) << i;
    }
}

TEST_F(OptionDialogTest, ListsAreMutedWhileTheFormLoads) {
    FrmOption f(d);
    f.InitOptionLists();
    SetListIndex(f.C(option::ScanTime), 2);
    f.Combo1_Click(option::ScanTime);
    EXPECT_EQ(f.OptionDataEdit.ScanTime, 0);
    EXPECT_FALSE(f.IsOptionLoaded);
}

// ---- keys and focus ---------------------------------------------------------------

struct KeyCase {
    const char* name;
    std::string control;
    int key;
    int passed;          // the key after the handler; 0 = swallowed
    std::string focus;   // focus afterwards ("" = unchanged)
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
    EXPECT_EQ(f->State().focus, c.focus.empty() ? c.control : c.focus);
    EXPECT_FALSE(f->unloadRequested);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, OptionKeys,
    ::testing::Values(KeyCase{"LetterMovesOn", option::PowerOnBoxes[3], 'A', 0, option::PowerOnBoxes[4], "A"},
                      KeyCase{"BlankMovesOn", option::PowerOnBoxes[5], ' ', 0, option::PowerOnBoxes[6], " "},
                      KeyCase{"LastBoxMovesToFirstList", option::PowerOnBoxes[11], 'z', 0, option::DisplayMode, "z"},
                      KeyCase{"Backslash", option::PowerOnBoxes[3], '\\', 0, ""},
                      KeyCase{"Tilde", option::PowerOnBoxes[3], '~', 0, ""},
                      KeyCase{"CtrlC", option::PowerOnBoxes[3], 3, 0, ""},
                      KeyCase{"CtrlV", option::PowerOnBoxes[3], 22, 0, ""},
                      KeyCase{"CtrlX", option::PowerOnBoxes[3], 24, 0, ""},
                      KeyCase{"EnterMovesOn", option::PowerOnBoxes[3], 13, 0, option::PowerOnBoxes[4]},
                      KeyCase{"BackspacePasses", option::PowerOnBoxes[3], 8, 8, ""},
                      KeyCase{"NonAscii", option::PowerOnBoxes[3], 0xE9, 0, ""},
                      KeyCase{"Negative", option::PowerOnBoxes[3], -20, 0, ""},
                      KeyCase{"ListEnter", option::DisplayMode, 13, 0, option::DisplayStyleA},
                      KeyCase{"ListEnterSkipsHidden", option::AutoPowerOff, 13, 0, option::PowerSave},
                      KeyCase{"ListLetterPasses", option::DisplayMode, 'a', 'a', ""},
                      KeyCase{"CheckEnterSkipsHidden", option::RadioOn, 13, 0, option::GroupSelectA},
                      KeyCase{"CheckSpacePasses", option::RadioOn, ' ', ' ', ""},
                      KeyCase{"PasswordDigit", option::Password, '7', '7', ""},
                      KeyCase{"PasswordLetter", option::Password, 'a', 0, ""},
                      KeyCase{"PasswordCtrlV", option::Password, 22, 0, ""}),
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
        f->C(option::PowerOnBoxes[4]).text = c.arrived;
        f->Change(option::PowerOnBoxes[4]);
        EXPECT_EQ(f->C(option::PowerOnBoxes[4]).text, c.kept) << c.arrived;
    }
}

TEST_F(OptionDialogTest, PowerOnBoxesSelectAllOnFocus) {
    auto f = Load();
    // The text boxes select their text when the user brings the focus (an
    // empty one has nothing to select); no other control does.
    for (const std::string& name : f->State().Names()) {
        const ControlState& c = f->C(name);
        const bool box = option::PowerOnBoxes.IndexOf(name) >= 0 || name == option::Password ||
                         name == option::SwFrequency || name == option::LwFrequency;
        EXPECT_EQ(c.selectOnEntry, box ? SelectOnEntry::OnArrival : SelectOnEntry::Never) << name;
    }
    // A move made by the boxes themselves arrives like a Tab.
    int key = 'A';
    f->KeyPress(option::PowerOnBoxes[3], key);
    EXPECT_EQ(f->State().focus, option::PowerOnBoxes[4]);
    EXPECT_TRUE(f->State().focusArrives);
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
        const std::string name = c.box == 0 ? option::SwFrequency : option::LwFrequency;
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
    Pick(*f, option::ScanTime, 2);
    Tick(*f, option::BankLinks[4], 0);
    for (int j = 0; j < 12; ++j) f->C(option::PowerOnBoxes[j]).text = "";
    f->C(option::PowerOnBoxes[0]).text = "O";
    f->C(option::PowerOnBoxes[1]).text = "K";
    Tick(*f, option::RadioOn, 1);
    Tick(*f, option::FmEnabled, 1);
    Tick(*f, option::QuickScan, 1);
    struct Pickup {
        const char* list;
        int entry;
    } picks[] = {{option::SubVolume, 6},   {option::AmDisplay, 1},   {option::RadioBand, 3},
                 {option::Pf1Key, 4},      {option::Pf2Key, 5},      {option::NoaaAlert, 2},
                 {option::NoaaChannel, 6}, {option::Part95Mode, 1},  {option::GmrsChannel, 22},
                 {option::MursChannel, 4}};
    for (const auto& p : picks) Pick(*f, p.list, p.entry);
    PickText(*f, option::AmMemChannel, "2");
    f->C(option::LwFrequency).text = "9";  // hidden box, normalised by OK

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
            f->C(option::PowerOnBoxes[j]).text =
                j < static_cast<int>(c.boxes.size()) ? c.boxes[static_cast<std::size_t>(j)] : "";
        f->CommandOK_Click();
        EXPECT_EQ(std::string(Options().PowerOnText.Raw()), c.stored);
    }
}

TEST_F(OptionDialogTest, CancelLeavesEverythingAsItWas) {
    d.WorkData.SWFre.Set("18");
    const RadioDataRec before = d.WorkData;
    auto f = Load();
    Pick(*f, option::DisplayMode, 1);
    Pick(*f, option::WorkModeA, 1);
    Pick(*f, option::GmrsChannel, 5);
    Tick(*f, option::RadioOn, 1);
    Tick(*f, option::BankLinks[0], 0);
    f->C(option::PowerOnBoxes[0]).text = "Z";
    f->C(option::SwFrequency).text = "3";
    f->LostFocus(option::SwFrequency, "");
    f->Click(kCancelButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_TRUE(d.WorkData == before);
    EXPECT_TRUE(view.calls.empty());
}

}  // namespace
