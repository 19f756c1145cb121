// The batch channel editor's form without widgets: opening (lists,
// captions, initial values and the rules they run), the choice boxes and
// the file, the control rules, the key filters and clamps, and Apply's
// request and aftermath.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "channels/chbatchfixture.h"
#include "core/numtext.h"

namespace rp {
namespace {

using test::ChBatchTest;
using Names = std::vector<std::string>;

std::string AllBytes(char b) { return std::string(21, b); }

// ---- opening ---------------------------------------------------------------------

TEST_F(ChBatchTest, OpensWithTheRangeTxIdEncodeAndCodeInputsDisabled) {
    Open();
    for (const char* name : {"Text1_0", "Text1_1", "Text2_2", "Option4_0", "Option4_1", "Text2_3", "Text2_4",
                             "Option5_0", "Option5_1", "Text2_8", "Text2_9", "Option7_0", "Option7_1", "Check3_1",
                             "Combo1_1", "Text2_6", "Option10_0", "Option10_1"})
        EXPECT_FALSE(C(name).enabled) << name;
    for (const char* name : {"Text2_0", "Text2_1", "Text2_5", "Text2_7", "Combo1_0", "Check3_0", "Option9_0",
                             "Combo1_5", "Combo1_16", "Check3_2"})
        EXPECT_TRUE(C(name).enabled) << name;
    // The code lists; those without entries hold no selection.
    for (int k = 11; k <= 14; ++k) EXPECT_FALSE(C("Combo1_" + std::to_string(k)).enabled) << k;
    EXPECT_EQ(C("Combo1_11").index, -1);
}

TEST_F(ChBatchTest, OpensWithTheInitialValues) {
    Open();
    EXPECT_FALSE(f->IsFunPanelShown);
    EXPECT_TRUE(C("Frame1").visible);
    EXPECT_FALSE(C("Frame2").visible);
    EXPECT_EQ(C("CommandFun").text, GetLanguageString(d, 4005));
    EXPECT_EQ(f->State().caption, GetLanguageString(d, 4000));
    EXPECT_EQ(C("Text1_0").text, "0");
    EXPECT_EQ(C("Text1_1").text, "199");
    EXPECT_EQ(C("Text2_0").text, FormatNumber(d.RxBandLow[0], "#0.00000"));
    EXPECT_EQ(C("Text2_3").text, FormatNumber(d.TxBandLow[0], "#0.00000"));
    EXPECT_EQ(C("Text2_2").text, "0.00000");
    EXPECT_EQ(C("Text2_7").text, "");
    EXPECT_EQ(C("Text2_10").text, "000");
    EXPECT_EQ(C("Text3").text, "");
    for (const char* name : {"Option1_0", "Option2_0", "Option3_0", "Option4_0", "Option5_0", "Option6_0",
                             "Option7_0", "Option8_0", "Option9_0", "Option10_0", "Check3_2"})
        EXPECT_EQ(C(name).value, 1) << name;
    for (const char* name : {"Option1_1", "Option3_1", "Option3_2", "Check1_0", "Check1_3", "Check1_4", "Check4",
                             "Check3_0", "Check3_1"})
        EXPECT_EQ(C(name).value, 0) << name;
    for (int k = 0; k <= 10; ++k) EXPECT_EQ(C("Combo1_" + std::to_string(k)).index, 0) << k;
    EXPECT_EQ(C("Combo1_15").SelectedItem(), "3");
}

TEST_F(ChBatchTest, ListsFollowTheModelAndTheSignallingData) {
    auto& t2 = d.Tone2Data();
    t2.Encodes[0].Empty = 0;
    t2.Encodes[5].Empty = 0;
    for (std::size_t n = 1; n < t2.Encodes.size(); ++n)
        if (n != 5) t2.Encodes[n].Empty = 1;
    for (auto& dec : t2.Decodes) dec.Valid = 0;
    t2.Decodes[0].Valid = 1;
    t2.Decodes[5].Valid = 1;
    auto& mem = d.DTMFData().MemCodes;
    for (auto& m : mem) m.CodeLen = 0;
    mem[1].CodeLen = 3;
    mem[3].CodeLen = 1;
    d.CurModel = "7425USD";
    Open();
    EXPECT_EQ(C("Combo1_11").items, (Names{"M2", "M4"}));
    EXPECT_EQ(C("Combo1_12").items, (Names{"0", "5"}));
    EXPECT_EQ(C("Combo1_16").items, (Names{"1", "6"}));
    EXPECT_EQ(C("Combo1_5").items.size(), 5U);
    EXPECT_EQ(C("Combo1_5").items.back(), "MSK");
    EXPECT_EQ(C("Combo1_3").items, (Names{"25KHz", "20KHz", "12.5KHz"}));
    EXPECT_EQ(C("Combo1_2").items.size(), 9U);
    EXPECT_EQ(C("Combo1_15").items.size(), 10U);

    d.CurModel = "KEVRA8R";
    Open();
    EXPECT_EQ(C("Combo1_5").items.size(), 4U);
}

TEST_F(ChBatchTest, ToneListsHoldOffTheTonesTheCustomEntryAndTheDcsCodes) {
    Open();
    for (const char* list : {"Combo1_0", "Combo1_1"}) {
        const Names& items = C(list).items;
        ASSERT_EQ(items.size(), 1077U) << list;
        EXPECT_EQ(items[0], GetLanguageString(d, 4070));
        EXPECT_EQ(items[1], "62.5");
        EXPECT_EQ(items[51], "254.1");
        EXPECT_EQ(items[52], GetLanguageString(d, 4030));
        EXPECT_EQ(items[53], "D000N");
        EXPECT_EQ(items[72], "D023N");
        EXPECT_EQ(items[564], "D777N");
        EXPECT_EQ(items[565], "D000I");
        EXPECT_EQ(items[1076], "D777I");
    }
}

TEST_F(ChBatchTest, CaptionsComeFromTheLanguageKeys) {
    Open();
    const std::pair<const char*, int> cases[] = {
        {"Label1", 4001},    {"Option1_1", 4003},  {"CommandApply", 4007}, {"CommandSelNone", 4046},
        {"Check4", 4099},    {"Label3_14", 4024},  {"Label3_15", 1119},    {"Label3_16", 4039},
        {"Check1_4", 4029},  {"Check2_4", 4014},   {"Check2_5", 4016},     {"Check2_18", 4029},
        {"Check2_19", 4030}, {"Check2_20", 1119},  {"Option7_1", 4041},    {"Option4_1", 4043},
        {"Check3_2", 4052},  {"Option3_2", 4050},  {"Label4_9", 4056},     {"Label5", 4030},
    };
    for (const auto& [name, key] : cases) EXPECT_EQ(C(name).text, GetLanguageString(d, key)) << name;
}

// ---- choice boxes and the file ----------------------------------------------------------

TEST_F(ChBatchTest, AChoiceBoxHidesAndShowsItsRowAndRewritesTheFile) {
    Open();
    EXPECT_TRUE(C("Label3_15").visible);
    EXPECT_TRUE(C("Combo1_15").visible);
    SetTick("Check2_20", 0);
    EXPECT_FALSE(C("Label3_15").visible);
    EXPECT_FALSE(C("Combo1_15").visible);
    EXPECT_EQ(d.BatchFunFlag[20], 0);
    EXPECT_EQ(FileBytes()[20], '\0');
    SetTick("Check2_20", 1);
    EXPECT_TRUE(C("Combo1_15").visible);
    EXPECT_EQ(FileBytes()[20], '\1');
}

TEST_F(ChBatchTest, ControlsOutsideTheDialogNeverShow) {
    d.CurModel = "7425USD";
    Open();
    Click("CommandSelAll");
    for (const char* name : {"Check2_15", "Check1_1", "Label3_13", "Combo1_9", "Combo1_14", "Label3_5", "Text2_10",
                             "Label4_8", "Text2_11", "Label4_9", "Option8_0", "Option8_1"})
        EXPECT_FALSE(C(name).visible) << name;
    // Function 8's other lists show; the scrambler's choice box is offered.
    for (const char* name : {"Combo1_5", "Combo1_11", "Combo1_12", "Combo1_13", "Combo1_16", "Label3_16", "Check2_12"})
        EXPECT_TRUE(C(name).visible) << name;
}

TEST_F(ChBatchTest, SelectAllSkipsTheCompanderAndSelectNoneClearsTheFile) {
    Open();
    Click("CommandSelNone");
    EXPECT_EQ(FileBytes(), AllBytes('\0'));
    Click("CommandSelAll");
    std::string expected = AllBytes('\1');
    expected[15] = '\0';
    EXPECT_EQ(FileBytes(), expected);
    EXPECT_EQ(C("Check2_15").value, 0);

    // Select none, close and reopen: every row hidden, the file all 00.
    Click("CommandSelNone");
    Click("CommandClose");
    EXPECT_TRUE(f->unloadRequested);
    Open();
    for (int i = 0; i <= 20; ++i)
        for (const std::string& name : BatchRowControls(i)) EXPECT_FALSE(C(name).visible) << name;
    EXPECT_EQ(FileBytes(), AllBytes('\0'));
}

TEST_F(ChBatchTest, OpeningStoresAByteOfTwoAsOne) {
    std::string bytes = AllBytes('\0');
    bytes[3] = '\2';
    test::WriteFile(BatchFile(), bytes);
    LoadBatchFunFile(d);
    Open();
    EXPECT_EQ(C("Check2_3").value, 1);
    EXPECT_TRUE(C("Label3_3").visible);
    EXPECT_FALSE(C("Label3_0").visible);
    bytes[3] = '\1';
    EXPECT_EQ(FileBytes(), bytes);
}

TEST_F(ChBatchTest, AFileThatCannotBeRewrittenIsReportedOnceAndTheChoiceHolds) {
    std::filesystem::remove(BatchFile());
    std::filesystem::create_directory(BatchFile());  // no file can take its place
    test::WriteFile(folder / "blocker", "x");
    d.UserConfigDir = folder / "blocker/user";        // nor a per-user copy
    Open();  // the boxes ticked by opening try to rewrite the file
    SetTick("Check2_20", 0);
    SetTick("Check2_4", 0);
    EXPECT_EQ(notes.Texts(), (Names{"file error.\nBatchFun.ini: Permission denied"}));
    EXPECT_FALSE(C("Combo1_15").visible);
    EXPECT_FALSE(C("Text2_7").visible);
    EXPECT_EQ(d.BatchFunFlag[20], 0);
    EXPECT_EQ(d.BatchFunFlag[0], 1);
}

// ---- control rules ----------------------------------------------------------------------------

TEST_F(ChBatchTest, RangeAndNameModesEnableTheirInputs) {
    Open();
    Choose("Option1_1");
    EXPECT_TRUE(C("Text1_0").enabled && C("Text1_1").enabled);
    Choose("Option1_0");
    EXPECT_FALSE(C("Text1_0").enabled || C("Text1_1").enabled);
    Choose("Option6_1");
    for (const char* name : {"Text2_8", "Text2_9", "Option7_0", "Option7_1", "Text2_7"})
        EXPECT_TRUE(C(name).enabled) << name;
    Choose("Option6_0");
    for (const char* name : {"Text2_8", "Text2_9", "Option7_0", "Option7_1"}) EXPECT_FALSE(C(name).enabled) << name;
    EXPECT_TRUE(C("Text2_7").enabled);
}

TEST_F(ChBatchTest, TxModeEnablesItsInputs) {
    struct Case {
        const char* option;
        bool offset;  // Text2_2, Option4
        bool start;   // Text2_3, Text2_4, Option5
    };
    const Case cases[] = {{"Option3_1", true, false}, {"Option3_2", false, true}, {"Option3_0", false, false}};
    Open();
    for (const Case& c : cases) {
        Choose(c.option);
        for (const char* name : {"Text2_2", "Option4_0", "Option4_1"})
            EXPECT_EQ(C(name).enabled, c.offset) << c.option << " " << name;
        for (const char* name : {"Text2_3", "Text2_4", "Option5_0", "Option5_1"})
            EXPECT_EQ(C(name).enabled, c.start) << c.option << " " << name;
    }
}

TEST_F(ChBatchTest, RandomAndSameAsDecodeGovernTheToneInputs) {
    Open();
    const Names decode = {"Combo1_0", "Text2_5", "Option9_0", "Option9_1"};
    const Names encode = {"Combo1_1", "Text2_6", "Option10_0", "Option10_1"};
    SetTick("Check3_0", 1);
    for (const auto& n : decode) EXPECT_FALSE(C(n).enabled) << n;
    SetTick("Check3_0", 0);
    for (const auto& n : decode) EXPECT_TRUE(C(n).enabled) << n;

    // Same as decode off: the encode inputs follow random encode.
    SetTick("Check3_2", 0);
    EXPECT_TRUE(C("Check3_1").enabled);
    for (const auto& n : encode) EXPECT_TRUE(C(n).enabled) << n;
    SetTick("Check3_1", 1);
    for (const auto& n : encode) EXPECT_FALSE(C(n).enabled) << n;
    SetTick("Check3_2", 1);
    EXPECT_FALSE(C("Check3_1").enabled);
    // Unticking same as decode while random encode is ticked.
    SetTick("Check3_2", 0);
    EXPECT_TRUE(C("Check3_1").enabled);
    for (const auto& n : encode) EXPECT_FALSE(C(n).enabled) << n;
}

TEST_F(ChBatchTest, ReverseAndTalkAroundExcludeEachOther) {
    Open();
    SetTick("Check1_3", 1);
    SetTick("Check1_4", 1);
    EXPECT_EQ(C("Check1_3").value, 0);
    SetTick("Check1_3", 1);
    EXPECT_EQ(C("Check1_4").value, 0);
    SetTick("Check1_0", 1);  // other boxes: nothing
    EXPECT_EQ(C("Check1_3").value, 1);
}

TEST_F(ChBatchTest, SignallingTypeEnablesOnlyItsCodeList) {
    d.CurModel = "7425USD";
    Open();
    const struct {
        const char* type;
        int enabled;  // the code list enabled, 0 none
    } cases[] = {{"2Tone", 12}, {"DTMF", 11}, {"5Tone", 13}, {"MSK", 14}, {"", 0}};
    for (const auto& c : cases) {
        if (*c.type)
            PickText("Combo1_5", c.type);
        else
            Pick("Combo1_5", 0);
        for (int k = 11; k <= 14; ++k)
            EXPECT_EQ(C("Combo1_" + std::to_string(k)).enabled, k == c.enabled) << c.type << " " << k;
        EXPECT_TRUE(C("Combo1_16").enabled);
    }
}

TEST_F(ChBatchTest, PttIdListsExcludeEachOther) {
    Open();
    Pick("Combo1_8", 2);
    Pick("Combo1_7", 1);
    EXPECT_EQ(C("Combo1_8").index, 0);
    Pick("Combo1_8", 3);
    EXPECT_EQ(C("Combo1_7").index, 0);
    EXPECT_EQ(C("Combo1_8").index, 3);
    Pick("Combo1_7", 0);  // entry 0 leaves the other
    EXPECT_EQ(C("Combo1_8").index, 3);
}

TEST_F(ChBatchTest, ThePanelSwitchShowsOnePanelAtATime) {
    Open();
    Click("CommandFun");
    EXPECT_TRUE(f->IsFunPanelShown);
    EXPECT_FALSE(C("Frame1").visible);
    EXPECT_TRUE(C("Frame2").visible);
    EXPECT_EQ(C("CommandFun").text, GetLanguageString(d, 4006));
    Click("CommandFun");
    EXPECT_TRUE(C("Frame1").visible);
    EXPECT_FALSE(C("Frame2").visible);
    EXPECT_EQ(C("CommandFun").text, GetLanguageString(d, 4005));
}

// ---- keys, clamps, normalisation -------------------------------------------------------------

TEST_F(ChBatchTest, KeyFiltersLetThroughOnlyTheirCharacters) {
    struct Case {
        const char* box;
        const char* keys;
        const char* text;
    };
    const Case cases[] = {
        {"Text2_7", "A-1 b", "A1b"},
        {"Text2_0", "1a4.5-", "14.5"},
        {"Text2_5", "1.2", "12"},
        {"Text2_9", "9x9", "99"},
        {"Text3", "8a8.5", "88.5"},
        {"Text1_0", "1.2", "12"},
    };
    Open();
    Choose("Option1_1");
    Choose("Option6_1");
    for (const Case& c : cases) {
        C(c.box).text.clear();
        Focus(c.box);
        Type(c.keys);
        EXPECT_EQ(C(c.box).text, c.text) << c.box;
    }
    // Clipboard keys and anything outside ASCII are swallowed; Backspace passes.
    for (int key : {3, 22, 24, 200, -30}) {
        int k = key;
        f->KeyPress("Text2_7", k);
        EXPECT_EQ(k, 0) << key;
    }
    int back = 8;
    f->KeyPress("Text2_0", back);
    EXPECT_EQ(back, 8);
    // Every box carries its guard for the shell.
    EXPECT_EQ(C("Text2_7").inputChars, BatchAllowedChars("Text2_7"));
    EXPECT_EQ(C("Text1_1").inputChars, "0123456789");
}

TEST_F(ChBatchTest, RangeAndStepBoxesClamp) {
    struct Case {
        const char* box;
        const char* keys;
        const char* text;
    };
    const Case cases[] = {
        {"Text1_0", "250", "199"}, {"Text1_1", "05", "5"},        {"Text2_1", "1500", "1000"},
        {"Text2_4", "999.9", "999.9"}, {"Text2_2", "150", "150"},
    };
    Open();
    Choose("Option1_1");
    Choose("Option3_1");
    for (const Case& c : cases) {
        C(c.box).text.clear();
        Focus(c.box);
        Type(c.keys);
        EXPECT_EQ(C(c.box).text, c.text) << c.box;
    }
    Focus("Text1_0");
    TypeKey(8);
    TypeKey(8);
    TypeKey(8);
    EXPECT_EQ(C("Text1_0").text, "0");
}

TEST_F(ChBatchTest, EnterNormalisesAValueBoxAndMovesOn) {
    Open();
    C("Text2_1").text = "7";
    Focus("Text2_1");
    TypeKey(13);
    EXPECT_EQ(C("Text2_1").text, "5");
    EXPECT_EQ(f->State().focus, "Option2_0");
    C("Text2_0").text = "145.0037";
    Focus("Text2_0");
    TypeKey(13);
    EXPECT_EQ(C("Text2_0").text, "145.00250");
    EXPECT_EQ(f->State().focus, "Text2_1");
    // The range box: the focus moves on, the text stays.
    Choose("Option1_1");
    Focus("Text1_1");
    TypeKey(13);
    EXPECT_EQ(f->State().focus, "Check4");
}

TEST_F(ChBatchTest, LeavingABoxNormalisesIt) {
    Open();
    Choose("Option6_1");
    C("Text2_8").text = "05";
    C("Text2_9").text = "123";
    f->LostFocus("Text2_9", "");
    EXPECT_EQ(C("Text2_9").text, "12");
    C("Text3").text = "300";
    f->LostFocus("Text3", "");
    EXPECT_EQ(C("Text3").text, "151.1");
    C("Text2_7").text = "abc";
    f->LostFocus("Text2_7", "");
    EXPECT_EQ(C("Text2_7").text, "abc");
}

TEST_F(ChBatchTest, FocusSkipsControlsTheUserCannotReach) {
    Open();
    // The range boxes are disabled, and of an option group only the chosen button counts.
    f->FocusNext("Option1_0");
    EXPECT_EQ(f->State().focus, "Check4");
    // Function 1's row hidden: from Option2 on to the decode list.
    SetTick("Check2_1", 0);
    f->FocusNext("Option2_0");
    EXPECT_EQ(f->State().focus, "Combo1_0");
    // Selection panel shown: the value rows are out of reach.
    Click("CommandFun");
    f->FocusNext("CommandFun");
    EXPECT_EQ(f->State().focus, "Check2_0");
}

// ---- Apply ---------------------------------------------------------------------------------

TEST_F(ChBatchTest, TheRequestHoldsWhatTheControlsHold) {
    Open();
    Choose("Option1_1");
    Choose("Option3_2");
    Choose("Option9_1");
    C("Text1_0").text = "9";
    C("Text1_1").text = "3";
    SetTick("Check4", 1);
    SetTick("Check1_4", 1);
    SetTick("Check3_0", 1);
    Pick("Combo1_3", 2);
    C("Text2_7").text = "CH";
    C("Text3").text = "88.5";
    const BatchRequest r = f->BuildRequest();
    EXPECT_EQ(r.option[1], 1);
    EXPECT_EQ(r.option[3], 2);
    EXPECT_EQ(r.option[9], 1);
    EXPECT_EQ(r.option[10], 0);
    EXPECT_EQ(r.text1[0], "9");
    EXPECT_EQ(r.text1[1], "3");
    EXPECT_TRUE(r.deleteOutside);
    EXPECT_EQ(r.check1[4], 1);
    EXPECT_EQ(r.check3[0], 1);
    EXPECT_EQ(r.check3[2], 1);
    EXPECT_EQ(r.combo[3].Text(), "12.5KHz");
    EXPECT_EQ(r.combo[15].index, 3);
    EXPECT_EQ(r.text2[7], "CH");
    EXPECT_EQ(r.text3, "88.5");
    EXPECT_EQ(r.chosen, d.BatchFunFlag);
}

TEST_F(ChBatchTest, ApplyShowsTheRewrittenBoxesAndRedrawsTheMemoryList) {
    Open();
    C("Text3").text = "300";
    C("Text2_1").text = "8";
    Click("CommandApply");
    EXPECT_EQ(C("Text3").text, "151.1");
    EXPECT_EQ(C("Text2_1").text, "7.5");
    EXPECT_EQ(view.calls, (Names{"ReShowListByData"}));
    EXPECT_EQ(view.listTypes, (std::vector<int>{0}));
    EXPECT_FALSE(f->unloadRequested);  // the dialog stays open

    view.calls.clear();
    d.ShowListType = 1;
    Click("CommandApply");
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(ChBatchTest, ApplyWritesTheRangeOfTheStore) {
    Open();
    Click("CommandSelNone");
    SetTick("Check2_0", 1);
    Choose("Option1_1");
    C("Text1_0").text = "9";
    C("Text1_1").text = "3";
    Click("CommandApply");
    for (int n = 4; n <= 10; ++n) EXPECT_GE(FindFreDataIndex(d, n), 0) << n;
    EXPECT_LT(FindFreDataIndex(d, 3), 0);
    EXPECT_LT(FindFreDataIndex(d, 11), 0);
}

}  // namespace
}  // namespace rp
