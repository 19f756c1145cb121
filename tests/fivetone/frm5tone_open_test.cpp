// The five-tone dialog without a window: its opening (also the report's
// hidden load), OK and Cancel.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/fixedtext.h"
#include "fivetone/callbuilder.h"
#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "fivetone/frm5tonedefts.h"
#include "fivetone/frm5tonedeftscontrols.h"
#include "formhostfake.h"
#include "frm5tonefixture.h"

using namespace rp;
using namespace rp::fivetone;
using rp::test::FiveToneDialog;
using rp::test::SetCode;

// ---- opening ---------------------------------------------------------------

TEST_F(FiveToneDialog, ValueListsHoldTheirItems) {
    auto f = Load();
    struct Case { std::string list; std::size_t count; const char *first, *last; } cases[] = {
        {SystemToneTime, 71, "30", "100"},      {ToneTimeEditor, 71, "30", "100"},
        {PttToneTimes[0], 71, "30", "100"},     {PttToneTimes[1], 71, "30", "100"},
        {AutoResetTime, 251, "0.0", "25.0"},    {PreSendDelay, 255, "10", "2550"},
        {PostSendDelay, 255, "10", "2550"},     {FirstDigitDelay, 255, "10", "2550"},
        {PauseTime, 256, "0", "2550"},          {FirstCodeDelay, 251, "0", "2500"},
        {DecodeTime, 201, "0", "2000"},         {AutoRepeatTime, 72, "Off", "75"},
        {PauseCode, 5, "Off", "F"},             {SystemStandard, 15, "ZVEI1", "EIA"},
        {StandardEditor, 15, "ZVEI1", "EIA"},   {PttStandards[0], 15, "ZVEI1", "EIA"},
        {InfoNumber, 8, "1", "8"},              {Response, 3, "None", "Alert & Transpond"},
        {InfoType, 8, "Individual Call", "Emergency"},
    };
    for (const auto& c : cases) {
        const auto& items = f->C(c.list).items;
        ASSERT_EQ(items.size(), c.count) << c.list;
        EXPECT_EQ(items.front(), c.first) << c.list;
        EXPECT_EQ(items.back(), c.last) << c.list;
    }
    EXPECT_EQ(f->C(AutoResetTime).items[25], "2.5");
    EXPECT_EQ(f->C(AutoRepeatTime).items[1], "5");
    EXPECT_EQ(f->C(PauseCode).items, (std::vector<std::string>{"Off", "B", "C", "D", "F"}));
}

TEST_F(FiveToneDialog, WithoutALanguageFileTheListsKeepTheirLength) {
    d.AppFolder = "/nonexistent";
    auto f = Load();
    EXPECT_EQ(f->C(AutoRepeatTime).items.size(), 72u);
    EXPECT_EQ(f->C(AutoRepeatTime).items[0], "");
    EXPECT_EQ(f->C(PauseCode).items.size(), 5u);
    EXPECT_EQ(f->C(PauseCode).items[0], "");
    EXPECT_EQ(f->C(PauseCode).index, 0);
}

TEST_F(FiveToneDialog, GridLayout) {
    auto f = Load();
    const TextGrid& g = f->Grid();
    ASSERT_EQ(g.Rows(), 101);
    ASSERT_EQ(g.Cols(), 6);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 2);
    const int widths[] = {400, 1200, 4300, 1600, 1800, 1050};
    const char* headers[] = {"No.", "Special Call", "Code", "Standard", "Tone Duration (ms)", "Name"};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(g.ColWidth(c), widths[c]) << c;
        EXPECT_EQ(g.Text(0, c), headers[c]) << c;
        EXPECT_EQ(g.ForeColor(0, c), Rgb(0, 0, 155)) << c;
    }
    EXPECT_EQ(g.RowHeight(0), 500);
    EXPECT_EQ(g.Text(1, 0), "0");
    EXPECT_EQ(g.Text(100, 0), "99");
    EXPECT_EQ(g.ForeColor(1, 0), Rgb(0, 0, 255));
    EXPECT_EQ(g.ForeColor(100, 0), Rgb(0, 0, 255));
    EXPECT_EQ(g.ForeColor(1, 1), kNoColor);
    EXPECT_EQ(g.row, 100);
    EXPECT_EQ(g.col, 0);
    // An empty entry.
    EXPECT_EQ(g.Text(1, 1), "");
    EXPECT_EQ(g.Text(1, 3), "ZVEI1");
    EXPECT_EQ(g.Text(1, 4), "70");
}

TEST_F(FiveToneDialog, OpeningShowsCaptionsToneTableAndInformationCodeOne) {
    auto f = Load();
    EXPECT_EQ(f->State().caption, Opt("60052"));
    struct Case { std::string control; std::string text; } cases[] = {
        {SettingLabels[0], Opt("60072")},  {SettingLabels[1], "Tone Standard"},   {SettingLabels[2], Opt("60070")},
        {SettingLabels[12], Opt("60316")}, {SideTone, Opt("60312")},              {UserTonesButton, "User Tones"},
        {SpecialCallButton, Opt("60062")}, {EndSpecialCallButton, Opt("60062")},  {PttFrames[0], Opt("60302")},
        {PttFrames[1], Opt("60303")},      {PttCodeLabels[1], Opt("60079")},      {InfoNumberLabel, Opt("60095")},
        {InfoCodeLabel, Opt("60097")},     {kOKButton, Opt("60024")},              {kCancelButton, Opt("60025")},
        {InfoFrame, "Info Code #1"},
    };
    for (const auto& c : cases) EXPECT_EQ(f->C(c.control).text, c.text) << c.control;
    EXPECT_EQ(f->C(ToneTable).text.substr(0, 7), "ZVEI1\r\n");
    EXPECT_EQ(f->CurInfoCodeID, 1);
    EXPECT_EQ(f->C(InfoNumber).index, 0);
    EXPECT_EQ(f->C(InfoType).index, 0);
    EXPECT_FALSE(f->C(InfoName).enabled);
    for (const char* e : {CodeEditor, StandardEditor, ToneTimeEditor, NameEditor}) EXPECT_FALSE(f->C(e).visible) << e;
    EXPECT_EQ(f->CurTone5Row, 0);
    EXPECT_EQ(f->CurTone5Col, 0);
    EXPECT_TRUE(f->IsLoaded);
    const std::vector<std::string> hooked = {OwnId, CodeEditor, PttCodes[0], PttCodes[1]};
    for (const std::string& box : hooked) EXPECT_TRUE(f->C(box).noContextMenu) << box;
    f->Click(kCancelButton);
    f->Closing();  // the window goes
    for (const std::string& box : hooked) EXPECT_FALSE(f->C(box).noContextMenu) << box;
}

TEST_F(FiveToneDialog, EveryCloseGivesTheBoxesTheirContextMenusBack) {
    using test::CloseRoute;
    for (CloseRoute route : {CloseRoute::Cancel, CloseRoute::Escape, CloseRoute::CloseBox, CloseRoute::ProgramEnd}) {
        auto f = Load();
        EXPECT_TRUE(f->C(OwnId).noContextMenu);
        ASSERT_TRUE(test::CloseWindow(*f, route)) << static_cast<int>(route);
        EXPECT_FALSE(f->C(OwnId).noContextMenu) << static_cast<int>(route);
        EXPECT_FALSE(f->C(CodeEditor).noContextMenu) << static_cast<int>(route);
    }
}

TEST_F(FiveToneDialog, HiddenLoadRepairsOnlyTheWorkingCopy) {
    SetCode(Live().Codes[0], "123", 6, 20);
    Live().Codes[0].CodeLen = 41;
    Live().ToneTime = 120;
    Live().Tone5Param7 = 3;
    d.WorkData.Tone5Param11 = 250;
    Live().OwnID.Set("12345");
    const RadioDataRec before = d.WorkData;
    auto f = Load();
    EXPECT_TRUE(d.WorkData == before);
    EXPECT_EQ(d.WorkData.Tone5Param11, 250);
    EXPECT_EQ(f->State().focus, "");
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(Edit().Codes[0].CodeLen, 0);
    EXPECT_EQ(Edit().Codes[0].ToneTime, 70);
    EXPECT_EQ(Edit().ToneTime, 70);
    EXPECT_EQ(Edit().Tone5Param7, 0);
    EXPECT_EQ(f->Grid().Text(1, 2), "");
    EXPECT_EQ(f->Grid().Text(1, 3), "CCIR1");
    EXPECT_EQ(f->C(DecodeTime).SelectedItem(), "0");
    EXPECT_EQ(f->C(OwnId).text, "12345");
}

TEST_F(FiveToneDialog, StoredValuesAreShownAfterTheStandardsDefaults) {
    Live().SysStandard = 6;  // CCIR1, default 100 ms
    Live().ToneTime = 50;
    Live().EndCode.Standard = 14;  // EIA, default 33
    Live().EndCode.ToneTime = 60;
    Live().BeginCode.ToneTime = 120;
    Live().Tone5Param5 = 25;
    Live().Tone5Param10 = 11;
    Live().Tone5Switch = 1;
    auto f = Load();
    EXPECT_EQ(f->C(SystemStandard).SelectedItem(), "CCIR1");
    EXPECT_EQ(f->C(SystemToneTime).SelectedItem(), "50");
    EXPECT_EQ(f->C(PttToneTimes[1]).SelectedItem(), "60");
    EXPECT_EQ(f->C(PttToneTimes[0]).SelectedItem(), "70");
    EXPECT_EQ(f->C(AutoResetTime).SelectedItem(), "2.5");
    EXPECT_EQ(f->C(PauseCode).SelectedItem(), "B");
    EXPECT_TRUE(f->C(PauseTime).enabled);
    EXPECT_EQ(f->C(SideTone).value, 1);
    // The standard picked last shows: the end code's.
    EXPECT_EQ(f->C(ToneTable).text.substr(0, 5), "EIA\r\n");
}

TEST_F(FiveToneDialog, PauseOffDisablesPauseTime) {
    auto f = Load();
    EXPECT_EQ(f->C(PauseCode).index, 0);
    EXPECT_FALSE(f->C(PauseTime).enabled);
    f->C(PauseCode).index = 4;
    f->Click(PauseCode);
    EXPECT_TRUE(f->C(PauseTime).enabled);
    EXPECT_EQ(f->C(PauseCode).text, "F");
}

// ---- OK and Cancel -----------------------------------------------------------

TEST_F(FiveToneDialog, OkRefusesAShortOwnId) {
    const RadioDataRec before = d.WorkData;
    auto f = Load();
    f->Click(kOKButton);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Msg("900C")});
    EXPECT_FALSE(Msg("900C").empty());
    EXPECT_FALSE(f->unloadRequested);
    EXPECT_EQ(f->State().focus, OwnId);
    EXPECT_TRUE(d.WorkData == before);
}

TEST_F(FiveToneDialog, OkCommitsAndRepointsChannels) {
    SetCode(Live().Codes[2], "111");
    SetCode(Live().Codes[4], "222");
    d.WorkData.FreDataCount = 1;
    d.FreData[0].No = 1;
    d.FreData[0].OptSig = Sig5Tone;
    d.FreData[0].Tone5Code = 4;
    auto f = Load();
    // Empty entry 5 (row 5) through its code editor.
    Enter(*f, 5, 2);
    ASSERT_TRUE(f->C(CodeEditor).visible);
    f->C(CodeEditor).text = "";
    f->C(DecodeTime).index = 7;
    f->Click(DecodeTime);
    ASSERT_TRUE(LeaveOwnId(*f, "12345", kOKButton));
    f->Click(kOKButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(Live().OwnID.Trim(), "12345");
    EXPECT_EQ(Live().Codes[4].Empty, 1);
    EXPECT_EQ(d.FreData[0].Tone5Code, 2);
    EXPECT_EQ(d.WorkData.Tone5Param11, 7);
    EXPECT_EQ(view.calls, std::vector<std::string>{"ReShowListByData"});
    f->Closing();  // the window goes
    EXPECT_FALSE(f->C(OwnId).noContextMenu);
}

TEST_F(FiveToneDialog, OkRunsTheOwnIdDepartureWhenTheBoxHasTheFocus) {
    Live().OwnID.Set("12345");
    SetCode(Live().Codes[0], "E612345");
    SetCode(Live().Codes[1], "5432112345");
    auto f = Load();
    f->GotFocus(OwnId);
    f->C(OwnId).text = "67890";
    f->Click(kOKButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_EQ(Live().Codes[0].Code.Trim(), "E6E7890");  // the save's repeat tones
    EXPECT_EQ(Live().Codes[1].Code.Trim(), "5432167890");

    auto g = Load();
    g->GotFocus(OwnId);
    g->C(OwnId).text = "678";
    g->Click(kOKButton);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Msg("900C")});  // once
    EXPECT_FALSE(g->unloadRequested);
}

TEST_F(FiveToneDialog, CancelLeavesWithoutTheOwnIdMessage) {
    const RadioDataRec before = d.WorkData;
    auto f = Load();
    f->GotFocus(OwnId);
    f->C(OwnId).text = "123";
    EXPECT_TRUE(f->LostFocus(OwnId, kCancelButton));
    f->Click(kCancelButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_TRUE(d.WorkData == before);
}

TEST_F(FiveToneDialog, CancelAfterAnOwnIdDepartureKeepsTheLiveSetting) {
    d.WorkData.Tone5Param11 = 2;
    auto f = Load();
    f->C(DecodeTime).index = 9;
    f->Click(DecodeTime);
    ASSERT_TRUE(LeaveOwnId(*f, "12345"));
    EXPECT_EQ(f->C(DecodeTime).SelectedItem(), "90");  // the pending copy is shown again
    f->Click(kCancelButton);
    EXPECT_EQ(d.WorkData.Tone5Param11, 2);
    EXPECT_TRUE(d.WorkData.Tone5Data().OwnID.Trim().empty());
}

TEST_F(FiveToneDialog, ValuesNoItemCanShowSurviveOk) {
    Live().SysStandard = 15;
    Live().Response = 5;
    Live().Tone5Switch = 7;
    SetCode(Live().Codes[3], "123", 15, 80);
    Live().BeginCode.Standard = 15;
    Live().EndCode.Standard = 15;
    Live().InfoCodes[0].Type = 9;
    Live().InfoCodes[1].Type = 1;
    Live().InfoCodes[1].Option = 2;
    Live().OwnID.Set("12345");
    auto f = Load();
    EXPECT_EQ(f->C(SystemStandard).index, -1);
    EXPECT_EQ(f->C(Response).index, -1);
    EXPECT_EQ(f->C(SideTone).value, 0);
    EXPECT_EQ(f->Grid().Text(4, 3), "");
    EXPECT_EQ(f->C(PttStandards[0]).index, -1);
    EXPECT_EQ(f->C(InfoType).index, -1);
    EXPECT_EQ(f->C(ToneTable).text.substr(0, 5), "\r\nFre");  // the user set, under an empty name
    f->C(InfoNumber).index = 1;
    f->Click(InfoNumber);
    EXPECT_EQ(f->C(InfoOption).items.size(), 2u);
    EXPECT_EQ(f->C(InfoOption).index, -1);
    f->Click(kOKButton);
    ASSERT_TRUE(f->unloadRequested);
    EXPECT_EQ(Live().SysStandard, 15);
    EXPECT_EQ(Live().Response, 5);
    EXPECT_EQ(Live().Tone5Switch, 7);
    EXPECT_EQ(Live().Codes[3].Standard, 15);
    EXPECT_EQ(Live().BeginCode.Standard, 15);
    EXPECT_EQ(Live().InfoCodes[0].Type, 9);
    EXPECT_EQ(Live().InfoCodes[1].Option, 2);
}

TEST_F(FiveToneDialog, TickingTheSideToneStoresIt) {
    Live().Tone5Switch = 7;
    Live().OwnID.Set("12345");
    auto f = Load();
    f->C(SideTone).value = 1;
    f->Click(SideTone);
    f->Click(kOKButton);
    EXPECT_EQ(Live().Tone5Switch, 1);
}

TEST_F(FiveToneDialog, OpeningAndOkStoresTheRepairs) {
    SetCode(Live().Codes[0], "123", 0, 20);
    Live().Codes[0].CodeLen = 5;
    Live().Tone5Param4 = 0;
    Live().Tone5Param9 = 300;
    Live().OwnID.Set("12345");
    auto f = Load();
    EXPECT_EQ(f->Grid().Text(1, 2), "123EE");
    f->Click(kOKButton);
    EXPECT_EQ(Live().Codes[0].ToneTime, 70);
    EXPECT_EQ(Live().Codes[0].Code.Trim(), "123");  // the code comes from the record, not the cell
    EXPECT_EQ(Live().Codes[0].CodeLen, 3);
    EXPECT_EQ(Live().Tone5Param4, 1);
    EXPECT_EQ(Live().Tone5Param9, 0);
}

TEST_F(FiveToneDialog, RefusedInformationCodesKeepTheDialogOpen) {
    Live().OwnID.Set("12345");
    Live().InfoCodes[0].Type = 3;
    Live().InfoCodes[0].Code.Set("12345");
    Live().InfoCodes[0].CodeLen = 5;
    const RadioDataRec before = d.WorkData;
    auto f = Load();
    f->Click(kOKButton);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Opt("60350")});
    EXPECT_FALSE(f->unloadRequested);
    EXPECT_TRUE(d.WorkData == before);
}
