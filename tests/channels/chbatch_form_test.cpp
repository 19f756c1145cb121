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
    for (const char* name : {chbatch::RangeFrom, chbatch::RangeTo, chbatch::TxOffset, chbatch::ShiftPlus,
                             chbatch::ShiftMinus, chbatch::TxStart, chbatch::TxStep, chbatch::TxUp, chbatch::TxDown,
                             chbatch::StartId, chbatch::IdStep, chbatch::IdUp, chbatch::IdDown, chbatch::RandomEncode,
                             chbatch::EncodeTones, chbatch::EncodeStep, chbatch::EncodeUp, chbatch::EncodeDown})
        EXPECT_FALSE(C(name).enabled) << name;
    for (const char* name : {chbatch::RxStart, chbatch::RxStep, chbatch::DecodeStep, chbatch::NameText,
                             chbatch::DecodeTones, chbatch::RandomDecode, chbatch::DecodeUp, chbatch::Signalling,
                             chbatch::TwoToneDecode, chbatch::EncodeAsDecode})
        EXPECT_TRUE(C(name).enabled) << name;
    // The code lists; those without entries hold no selection.
    for (int k = 11; k <= 14; ++k) EXPECT_FALSE(C(chbatch::ValueLists[k]).enabled) << k;
    EXPECT_EQ(C(chbatch::DtmfCode).index, -1);
}

TEST_F(ChBatchTest, OpensWithTheInitialValues) {
    Open();
    EXPECT_FALSE(f->IsFunPanelShown);
    EXPECT_TRUE(C(chbatch::ValuePanel).visible);
    EXPECT_FALSE(C(chbatch::FunctionPanel).visible);
    EXPECT_EQ(C(chbatch::PanelSwitch).text, GetLanguageString(d, 4005));
    EXPECT_EQ(f->State().caption, GetLanguageString(d, 4000));
    EXPECT_EQ(C(chbatch::RangeFrom).text, "0");
    EXPECT_EQ(C(chbatch::RangeTo).text, "199");
    EXPECT_EQ(C(chbatch::RxStart).text, FormatNumber(d.RxBandLow[0], "#0.00000"));
    EXPECT_EQ(C(chbatch::TxStart).text, FormatNumber(d.TxBandLow[0], "#0.00000"));
    EXPECT_EQ(C(chbatch::TxOffset).text, "0.00000");
    EXPECT_EQ(C(chbatch::NameText).text, "");
    EXPECT_EQ(C(chbatch::OwnId).text, "000");
    EXPECT_EQ(C(chbatch::OwnCtcss).text, "");
    for (const char* name : {chbatch::AllChannels, chbatch::RxUp, chbatch::TxAsRx, chbatch::ShiftPlus, chbatch::TxUp,
                             chbatch::FixedName, chbatch::IdUp, chbatch::OwnIdUp, chbatch::DecodeUp, chbatch::EncodeUp,
                             chbatch::EncodeAsDecode})
        EXPECT_EQ(C(name).value, 1) << name;
    for (const char* name : {chbatch::ChannelRange, chbatch::TxByOffset, chbatch::TxByStart, chbatch::TxInhibit,
                             chbatch::Reverse, chbatch::TalkAround, chbatch::DeleteOutside, chbatch::RandomDecode,
                             chbatch::RandomEncode})
        EXPECT_EQ(C(name).value, 0) << name;
    for (int k = 0; k <= 10; ++k) EXPECT_EQ(C(chbatch::ValueLists[k]).index, 0) << k;
    EXPECT_EQ(C(chbatch::SqlLevel).SelectedItem(), "3");
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
    EXPECT_EQ(C(chbatch::DtmfCode).items, (Names{"M2", "M4"}));
    EXPECT_EQ(C(chbatch::TwoToneCode).items, (Names{"0", "5"}));
    EXPECT_EQ(C(chbatch::TwoToneDecode).items, (Names{"1", "6"}));
    EXPECT_EQ(C(chbatch::Signalling).items.size(), 5U);
    EXPECT_EQ(C(chbatch::Signalling).items.back(), "MSK");
    EXPECT_EQ(C(chbatch::Bandwidth).items, (Names{"25KHz", "20KHz", "12.5KHz"}));
    EXPECT_EQ(C(chbatch::Step).items.size(), 9U);
    EXPECT_EQ(C(chbatch::SqlLevel).items.size(), 10U);

    d.CurModel = "KEVRA8R";
    Open();
    EXPECT_EQ(C(chbatch::Signalling).items.size(), 4U);
}

TEST_F(ChBatchTest, ToneListsHoldOffTheTonesTheCustomEntryAndTheDcsCodes) {
    Open();
    for (const char* list : {chbatch::DecodeTones, chbatch::EncodeTones}) {
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
    using namespace chbatch;
    const std::pair<std::string, int> cases[] = {
        {RangeLabel, 4001},          {ChannelRange, 4003},        {ApplyButton, 4007},    {SelectNone, 4046},
        {DeleteOutside, 4099},       {RowLabels[14], 4024},       {RowLabels[15], 1119},  {RowLabels[16], 4039},
        {TalkAround, 4029},          {FunctionChoices[4], 4014},  {FunctionChoices[5], 4016},
        {FunctionChoices[18], 4029}, {FunctionChoices[19], 4030}, {FunctionChoices[20], 1119},
        {IdDown, 4041},              {ShiftMinus, 4043},          {EncodeAsDecode, 4052}, {TxByStart, 4050},
        {ValueLabels[9], 4056},      {OwnCtcssLabel, 4030},
    };
    for (const auto& [name, key] : cases) EXPECT_EQ(C(name).text, GetLanguageString(d, key)) << name;
}

// ---- choice boxes and the file ----------------------------------------------------------

TEST_F(ChBatchTest, AChoiceBoxHidesAndShowsItsRowAndRewritesTheFile) {
    Open();
    EXPECT_TRUE(C(chbatch::RowLabels[15]).visible);
    EXPECT_TRUE(C(chbatch::SqlLevel).visible);
    SetTick(chbatch::FunctionChoices[20], 0);
    EXPECT_FALSE(C(chbatch::RowLabels[15]).visible);
    EXPECT_FALSE(C(chbatch::SqlLevel).visible);
    EXPECT_EQ(d.BatchFunFlag[20], 0);
    EXPECT_EQ(FileBytes()[20], '\0');
    SetTick(chbatch::FunctionChoices[20], 1);
    EXPECT_TRUE(C(chbatch::SqlLevel).visible);
    EXPECT_EQ(FileBytes()[20], '\1');
}

TEST_F(ChBatchTest, ControlsOutsideTheDialogNeverShow) {
    d.CurModel = "7425USD";
    Open();
    Click(chbatch::SelectAll);
    for (const std::string& name : std::vector<std::string>{chbatch::FunctionChoices[15], chbatch::Compander,
                                                            chbatch::RowLabels[13], chbatch::Scrambler,
                                                            chbatch::MskGroup, chbatch::RowLabels[5], chbatch::OwnId,
                                                            chbatch::ValueLabels[8], chbatch::OwnIdStep,
                                                            chbatch::ValueLabels[9], chbatch::OwnIdUp,
                                                            chbatch::OwnIdDown})
        EXPECT_FALSE(C(name).visible) << name;
    // Function 8's other lists show; the scrambler's choice box is offered.
    for (const std::string& name : std::vector<std::string>{chbatch::Signalling, chbatch::DtmfCode,
                                                            chbatch::TwoToneCode, chbatch::FiveToneCode,
                                                            chbatch::TwoToneDecode, chbatch::RowLabels[16],
                                                            chbatch::FunctionChoices[12]})
        EXPECT_TRUE(C(name).visible) << name;
}

TEST_F(ChBatchTest, SelectAllSkipsTheCompanderAndSelectNoneClearsTheFile) {
    Open();
    Click(chbatch::SelectNone);
    EXPECT_EQ(FileBytes(), AllBytes('\0'));
    Click(chbatch::SelectAll);
    std::string expected = AllBytes('\1');
    expected[15] = '\0';
    EXPECT_EQ(FileBytes(), expected);
    EXPECT_EQ(C(chbatch::FunctionChoices[15]).value, 0);

    // Select none, close and reopen: every row hidden, the file all 00.
    Click(chbatch::SelectNone);
    Click(kCloseButton);
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
    EXPECT_EQ(C(chbatch::FunctionChoices[3]).value, 1);
    EXPECT_TRUE(C(chbatch::RowLabels[3]).visible);
    EXPECT_FALSE(C(chbatch::RowLabels[0]).visible);
    bytes[3] = '\1';
    EXPECT_EQ(FileBytes(), bytes);
}

TEST_F(ChBatchTest, AFileThatCannotBeRewrittenIsReportedOnceAndTheChoiceHolds) {
    std::filesystem::remove(BatchFile());
    std::filesystem::create_directory(BatchFile());  // no file can take its place
    test::WriteFile(folder / "blocker", "x");
    d.UserConfigDir = folder / "blocker/user";        // nor a per-user copy
    Open();  // the boxes ticked by opening try to rewrite the file
    SetTick(chbatch::FunctionChoices[20], 0);
    SetTick(chbatch::FunctionChoices[4], 0);
    EXPECT_EQ(notes.Texts(), (Names{"file error.\nBatchFun.ini: Permission denied"}));
    EXPECT_FALSE(C(chbatch::SqlLevel).visible);
    EXPECT_FALSE(C(chbatch::NameText).visible);
    EXPECT_EQ(d.BatchFunFlag[20], 0);
    EXPECT_EQ(d.BatchFunFlag[0], 1);
}

// ---- control rules ----------------------------------------------------------------------------

TEST_F(ChBatchTest, RangeAndNameModesEnableTheirInputs) {
    Open();
    Choose(chbatch::ChannelRange);
    EXPECT_TRUE(C(chbatch::RangeFrom).enabled && C(chbatch::RangeTo).enabled);
    Choose(chbatch::AllChannels);
    EXPECT_FALSE(C(chbatch::RangeFrom).enabled || C(chbatch::RangeTo).enabled);
    Choose(chbatch::NumberedName);
    for (const char* name : {chbatch::StartId, chbatch::IdStep, chbatch::IdUp, chbatch::IdDown, chbatch::NameText})
        EXPECT_TRUE(C(name).enabled) << name;
    Choose(chbatch::FixedName);
    for (const char* name : {chbatch::StartId, chbatch::IdStep, chbatch::IdUp, chbatch::IdDown})
        EXPECT_FALSE(C(name).enabled) << name;
    EXPECT_TRUE(C(chbatch::NameText).enabled);
}

TEST_F(ChBatchTest, TxModeEnablesItsInputs) {
    struct Case {
        const char* option;
        bool offset;  // TxOffset, ShiftDirection
        bool start;   // TxStart, TxStep, TxDirection
    };
    const Case cases[] = {
        {chbatch::TxByOffset, true, false}, {chbatch::TxByStart, false, true}, {chbatch::TxAsRx, false, false}};
    Open();
    for (const Case& c : cases) {
        Choose(c.option);
        for (const char* name : {chbatch::TxOffset, chbatch::ShiftPlus, chbatch::ShiftMinus})
            EXPECT_EQ(C(name).enabled, c.offset) << c.option << " " << name;
        for (const char* name : {chbatch::TxStart, chbatch::TxStep, chbatch::TxUp, chbatch::TxDown})
            EXPECT_EQ(C(name).enabled, c.start) << c.option << " " << name;
    }
}

TEST_F(ChBatchTest, RandomAndSameAsDecodeGovernTheToneInputs) {
    Open();
    const Names decode = {chbatch::DecodeTones, chbatch::DecodeStep, chbatch::DecodeUp, chbatch::DecodeDown};
    const Names encode = {chbatch::EncodeTones, chbatch::EncodeStep, chbatch::EncodeUp, chbatch::EncodeDown};
    SetTick(chbatch::RandomDecode, 1);
    for (const auto& n : decode) EXPECT_FALSE(C(n).enabled) << n;
    SetTick(chbatch::RandomDecode, 0);
    for (const auto& n : decode) EXPECT_TRUE(C(n).enabled) << n;

    // Same as decode off: the encode inputs follow random encode.
    SetTick(chbatch::EncodeAsDecode, 0);
    EXPECT_TRUE(C(chbatch::RandomEncode).enabled);
    for (const auto& n : encode) EXPECT_TRUE(C(n).enabled) << n;
    SetTick(chbatch::RandomEncode, 1);
    for (const auto& n : encode) EXPECT_FALSE(C(n).enabled) << n;
    SetTick(chbatch::EncodeAsDecode, 1);
    EXPECT_FALSE(C(chbatch::RandomEncode).enabled);
    // Unticking same as decode while random encode is ticked.
    SetTick(chbatch::EncodeAsDecode, 0);
    EXPECT_TRUE(C(chbatch::RandomEncode).enabled);
    for (const auto& n : encode) EXPECT_FALSE(C(n).enabled) << n;
}

TEST_F(ChBatchTest, ReverseAndTalkAroundExcludeEachOther) {
    Open();
    SetTick(chbatch::Reverse, 1);
    SetTick(chbatch::TalkAround, 1);
    EXPECT_EQ(C(chbatch::Reverse).value, 0);
    SetTick(chbatch::Reverse, 1);
    EXPECT_EQ(C(chbatch::TalkAround).value, 0);
    SetTick(chbatch::TxInhibit, 1);  // other boxes: nothing
    EXPECT_EQ(C(chbatch::Reverse).value, 1);
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
            PickText(chbatch::Signalling, c.type);
        else
            Pick(chbatch::Signalling, 0);
        for (int k = 11; k <= 14; ++k)
            EXPECT_EQ(C(chbatch::ValueLists[k]).enabled, k == c.enabled) << c.type << " " << k;
        EXPECT_TRUE(C(chbatch::TwoToneDecode).enabled);
    }
}

TEST_F(ChBatchTest, PttIdListsExcludeEachOther) {
    Open();
    Pick(chbatch::FiveTonePttId, 2);
    Pick(chbatch::DtmfPttId, 1);
    EXPECT_EQ(C(chbatch::FiveTonePttId).index, 0);
    Pick(chbatch::FiveTonePttId, 3);
    EXPECT_EQ(C(chbatch::DtmfPttId).index, 0);
    EXPECT_EQ(C(chbatch::FiveTonePttId).index, 3);
    Pick(chbatch::DtmfPttId, 0);  // entry 0 leaves the other
    EXPECT_EQ(C(chbatch::FiveTonePttId).index, 3);
}

TEST_F(ChBatchTest, ThePanelSwitchShowsOnePanelAtATime) {
    Open();
    Click(chbatch::PanelSwitch);
    EXPECT_TRUE(f->IsFunPanelShown);
    EXPECT_FALSE(C(chbatch::ValuePanel).visible);
    EXPECT_TRUE(C(chbatch::FunctionPanel).visible);
    EXPECT_EQ(C(chbatch::PanelSwitch).text, GetLanguageString(d, 4006));
    Click(chbatch::PanelSwitch);
    EXPECT_TRUE(C(chbatch::ValuePanel).visible);
    EXPECT_FALSE(C(chbatch::FunctionPanel).visible);
    EXPECT_EQ(C(chbatch::PanelSwitch).text, GetLanguageString(d, 4005));
}

// ---- keys, clamps, normalisation -------------------------------------------------------------

TEST_F(ChBatchTest, KeyFiltersLetThroughOnlyTheirCharacters) {
    struct Case {
        const char* box;
        const char* keys;
        const char* text;
    };
    const Case cases[] = {
        {chbatch::NameText, "A-1 b", "A1b"},
        {chbatch::RxStart, "1a4.5-", "14.5"},
        {chbatch::DecodeStep, "1.2", "12"},
        {chbatch::IdStep, "9x9", "99"},
        {chbatch::OwnCtcss, "8a8.5", "88.5"},
        {chbatch::RangeFrom, "1.2", "12"},
    };
    Open();
    Choose(chbatch::ChannelRange);
    Choose(chbatch::NumberedName);
    for (const Case& c : cases) {
        C(c.box).text.clear();
        Focus(c.box);
        Type(c.keys);
        EXPECT_EQ(C(c.box).text, c.text) << c.box;
    }
    // Clipboard keys and anything outside ASCII are swallowed; Backspace passes.
    for (int key : {3, 22, 24, 200, -30}) {
        int k = key;
        f->KeyPress(chbatch::NameText, k);
        EXPECT_EQ(k, 0) << key;
    }
    int back = 8;
    f->KeyPress(chbatch::RxStart, back);
    EXPECT_EQ(back, 8);
    // Every box carries its guard for the shell.
    EXPECT_EQ(C(chbatch::NameText).inputChars, BatchAllowedChars(chbatch::NameText));
    EXPECT_EQ(C(chbatch::RangeTo).inputChars, "0123456789");
}

TEST_F(ChBatchTest, RangeAndStepBoxesClamp) {
    struct Case {
        const char* box;
        const char* keys;
        const char* text;
    };
    const Case cases[] = {
        {chbatch::RangeFrom, "250", "199"}, {chbatch::RangeTo, "05", "5"},        {chbatch::RxStep, "1500", "1000"},
        {chbatch::TxStep, "999.9", "999.9"}, {chbatch::TxOffset, "150", "150"},
    };
    Open();
    Choose(chbatch::ChannelRange);
    Choose(chbatch::TxByOffset);
    for (const Case& c : cases) {
        C(c.box).text.clear();
        Focus(c.box);
        Type(c.keys);
        EXPECT_EQ(C(c.box).text, c.text) << c.box;
    }
    Focus(chbatch::RangeFrom);
    TypeKey(8);
    TypeKey(8);
    TypeKey(8);
    EXPECT_EQ(C(chbatch::RangeFrom).text, "0");
}

TEST_F(ChBatchTest, EnterNormalisesAValueBoxAndMovesOn) {
    Open();
    C(chbatch::RxStep).text = "7";
    Focus(chbatch::RxStep);
    TypeKey(13);
    EXPECT_EQ(C(chbatch::RxStep).text, "5");
    EXPECT_EQ(f->State().focus, chbatch::RxUp);
    C(chbatch::RxStart).text = "145.0037";
    Focus(chbatch::RxStart);
    TypeKey(13);
    EXPECT_EQ(C(chbatch::RxStart).text, "145.00250");
    EXPECT_EQ(f->State().focus, chbatch::RxStep);
    // The range box: the focus moves on, the text stays.
    Choose(chbatch::ChannelRange);
    Focus(chbatch::RangeTo);
    TypeKey(13);
    EXPECT_EQ(f->State().focus, chbatch::DeleteOutside);
}

TEST_F(ChBatchTest, LeavingABoxNormalisesIt) {
    Open();
    Choose(chbatch::NumberedName);
    C(chbatch::StartId).text = "05";
    C(chbatch::IdStep).text = "123";
    f->LostFocus(chbatch::IdStep, "");
    EXPECT_EQ(C(chbatch::IdStep).text, "12");
    C(chbatch::OwnCtcss).text = "300";
    f->LostFocus(chbatch::OwnCtcss, "");
    EXPECT_EQ(C(chbatch::OwnCtcss).text, "151.1");
    C(chbatch::NameText).text = "abc";
    f->LostFocus(chbatch::NameText, "");
    EXPECT_EQ(C(chbatch::NameText).text, "abc");
}

TEST_F(ChBatchTest, FocusSkipsControlsTheUserCannotReach) {
    Open();
    // The range boxes are disabled, and of an option group only the chosen button counts.
    f->FocusNext(chbatch::AllChannels);
    EXPECT_EQ(f->State().focus, chbatch::DeleteOutside);
    // Function 1's row hidden: from the RX direction on to the decode list.
    SetTick(chbatch::FunctionChoices[1], 0);
    f->FocusNext(chbatch::RxUp);
    EXPECT_EQ(f->State().focus, chbatch::DecodeTones);
    // Selection panel shown: the value rows are out of reach.
    Click(chbatch::PanelSwitch);
    f->FocusNext(chbatch::PanelSwitch);
    EXPECT_EQ(f->State().focus, chbatch::FunctionChoices[0]);
}

// ---- Apply ---------------------------------------------------------------------------------

TEST_F(ChBatchTest, TheRequestHoldsWhatTheControlsHold) {
    Open();
    Choose(chbatch::ChannelRange);
    Choose(chbatch::TxByStart);
    Choose(chbatch::DecodeDown);
    C(chbatch::RangeFrom).text = "9";
    C(chbatch::RangeTo).text = "3";
    SetTick(chbatch::DeleteOutside, 1);
    SetTick(chbatch::TalkAround, 1);
    SetTick(chbatch::RandomDecode, 1);
    Pick(chbatch::Bandwidth, 2);
    C(chbatch::NameText).text = "CH";
    C(chbatch::OwnCtcss).text = "88.5";
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
    C(chbatch::OwnCtcss).text = "300";
    C(chbatch::RxStep).text = "8";
    Click(chbatch::ApplyButton);
    EXPECT_EQ(C(chbatch::OwnCtcss).text, "151.1");
    EXPECT_EQ(C(chbatch::RxStep).text, "7.5");
    EXPECT_EQ(view.calls, (Names{"ReShowListByData"}));
    EXPECT_EQ(view.listTypes, (std::vector<int>{0}));
    EXPECT_FALSE(f->unloadRequested);  // the dialog stays open

    view.calls.clear();
    d.ShowListType = 1;
    Click(chbatch::ApplyButton);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(ChBatchTest, ApplyWritesTheRangeOfTheStore) {
    Open();
    Click(chbatch::SelectNone);
    SetTick(chbatch::FunctionChoices[0], 1);
    Choose(chbatch::ChannelRange);
    C(chbatch::RangeFrom).text = "9";
    C(chbatch::RangeTo).text = "3";
    Click(chbatch::ApplyButton);
    for (int n = 4; n <= 10; ++n) EXPECT_GE(FindFreDataIndex(d, n), 0) << n;
    EXPECT_LT(FindFreDataIndex(d, 3), 0);
    EXPECT_LT(FindFreDataIndex(d, 11), 0);
}

}  // namespace
}  // namespace rp
