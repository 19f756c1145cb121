// The five-tone dialog without a window: its opening (also the report's
// hidden load), OK and Cancel, the own-ID box, the code grid's editors, the
// information codes and the standard pickers.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "core/fixedtext.h"
#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "fivetone/frm5tonedefts.h"
#include "fivetone/frm5tonedeftscontrols.h"
#include "fivetone/callbuilder.h"
#include "forms/formhost.h"
#include "fivetonefixture.h"

using namespace rp;
using namespace rp::fivetone;

namespace {

// Keeps the dialog the form opened, loaded, as a modal shell would while it is open.
struct FakeOpener : FormHost {
    std::unique_ptr<Form> dialog;
    std::function<void()> closed;
    int opened = 0;
    void Open(std::unique_ptr<Form> dlg, std::function<void()> whenClosed) override {
        dlg->Form_Load();
        dialog = std::move(dlg);
        closed = std::move(whenClosed);
        ++opened;
    }
};

void SetCode(Tone5CodeRec& c, const std::string& code, int standard = 0, int time = 70) {
    c.Empty = 0;
    c.Code.Set(code);
    c.CodeLen = static_cast<Byte>(code.size());
    c.Standard = static_cast<Byte>(standard);
    c.ToneTime = static_cast<Byte>(time);
}

}  // namespace

class FiveToneDialog : public test::FiveToneTest {
protected:
    Tone5DataRec& Live() { return d.WorkData.SetData.Tone5Data; }
    Tone5DataRec& Edit() { return d.SetDataEdit.Tone5Data; }

    std::unique_ptr<Frm5Tone> Load() {
        auto f = std::make_unique<Frm5Tone>(d);
        f->SetHost(&opener);
        f->Form_Load();
        return f;
    }
    // The shell's move to a cell: the current cell changes, then the entry steps.
    static void Enter(Frm5Tone& f, int row, int col) {
        f.Grid().row = row;
        f.Grid().col = col;
        f.MSHFlexGrid1_EnterCell();
    }
    static void Key(Form& f, const std::string& control, int key) { f.KeyPress(control, key); }
    // Leaving the own-ID box for `next`, as the shell reports a focus change.
    static bool LeaveOwnId(Frm5Tone& f, const std::string& id, const std::string& next = SystemStandard) {
        f.GotFocus(OwnId);
        f.C(OwnId).text = id;
        bool ok = f.LostFocus(OwnId, next);
        if (ok) f.GotFocus(next);
        return ok;
    }

    FakeOpener opener;
};

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
    for (const std::string& box : hooked) EXPECT_FALSE(f->C(box).noContextMenu) << box;
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

// ---- own ID ---------------------------------------------------------------------

TEST_F(FiveToneDialog, OwnIdChangeRewritesTheCodesThatCarryIt) {
    Live().OwnID.Set("12345");
    SetCode(Live().Codes[0], "E612345");
    SetCode(Live().Codes[1], "E212345");
    SetCode(Live().Codes[2], "54321A12345");
    SetCode(Live().Codes[3], "12345");
    SetCode(Live().Codes[4], "12E4512345");
    SetCode(Live().Codes[5], "E1E2345E41");  // data message, tail "45E41"
    SetCode(Live().BeginCode, "E612345");
    SetCode(Live().EndCode, "5432112345");
    auto f = Load();
    ASSERT_TRUE(LeaveOwnId(*f, "67890"));
    EXPECT_EQ(f->OldSelfID, "12345");
    EXPECT_EQ(Edit().Codes[0].Code.Trim(), "E667890");
    EXPECT_EQ(Edit().Codes[1].Code.Trim(), "E267890");
    EXPECT_EQ(Edit().Codes[2].Code.Trim(), "54321A67890");
    EXPECT_EQ(Edit().Codes[3].Code.Trim(), "12345");
    EXPECT_EQ(Edit().Codes[4].Code.Trim(), "1224567890");  // called ID expanded until the save
    EXPECT_EQ(f->Grid().Text(5, 1), "ANI");
    EXPECT_EQ(f->Grid().Text(5, 2), "12245");
    EXPECT_EQ(f->C(PttCodes[0]).text, "E667890");
    EXPECT_EQ(f->C(PttCodes[1]).text, "5432167890");
    EXPECT_EQ(Edit().OwnID.Trim(), "67890");
    f->Click(kOKButton);
    EXPECT_EQ(Live().Codes[4].Code.Trim(), "12E4567890");
    EXPECT_EQ(Live().Codes[4].CodeLen, 10);
}

TEST_F(FiveToneDialog, DataMessageWithAnOwnIdTailIsLeftAlone) {
    Live().OwnID.Set("45541");  // "45E41" in repeat form: the message's last five characters
    SetCode(Live().Codes[0], "E1E2345E41");
    auto f = Load();
    EXPECT_EQ(f->Grid().Text(1, 1), Opt("60073"));
    ASSERT_TRUE(LeaveOwnId(*f, "67890"));
    EXPECT_EQ(Edit().Codes[0].Code.Trim(), "E1E2345E41");
    EXPECT_EQ(f->Grid().Text(1, 1), Opt("60073"));
    EXPECT_EQ(f->Grid().Text(1, 2), "12345        " + Opt("60084") + "A");
}

// Leaving the own-ID box: a text as the data filled it (empty included) is
// left alone; a changed one is checked and, with five digits, taken: the
// controls saved, the codes rewritten, everything shown again.
TEST_F(FiveToneDialog, OwnIdDeparture) {
    struct Case {
        const char *name, *stored, *typed;
        bool taken, refused;  // the departure steps ran; the message and the focus back
        const char* ownId;    // in the working copy afterwards
    } cases[] = {
        {"empty left untouched", "", "", false, false, ""},
        {"ID left untouched", "12345", "12345", false, false, "12345"},
        {"two digits typed into the empty box", "", "12", false, true, ""},
        {"ID shortened", "12345", "1234", false, true, "12345"},
        {"ID emptied", "12345", "", false, true, "12345"},
        {"ID typed into the empty box", "", "12345", true, false, "12345"},
        {"ID changed", "12345", "67890", true, false, "67890"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        notes.shown.clear();
        if (*c.stored) Live().OwnID.Set(c.stored);
        else Live().OwnID.SetEmpty();
        SetCode(Live().Codes[0], "E2999");
        auto f = Load();
        f->C(Response).index = 2;  // an edit that only a save stores
        f->Click(Response);
        EXPECT_EQ(LeaveOwnId(*f, c.typed, UserTonesButton), !c.refused);
        EXPECT_EQ(notes.Texts(), c.refused ? std::vector<std::string>{Msg("900C")} : std::vector<std::string>{});
        EXPECT_EQ(f->State().focus, c.refused ? OwnId : UserTonesButton);
        EXPECT_EQ(Edit().OwnID.Trim(), c.ownId);
        EXPECT_EQ(Edit().Response, c.taken ? 2 : 0);
        EXPECT_EQ(Edit().Codes[0].Code.Trim(), c.taken ? std::string("E2") + c.ownId : "E2999");
        EXPECT_EQ(f->Grid().Text(1, 2), c.taken ? std::string("E2") + c.ownId : "E2999");
    }
}

// With the default data the own ID is empty and the box has the focus: the
// rest of the dialog is usable, and only OK asks for the ID.
TEST_F(FiveToneDialog, AnEmptyOwnIdTrapsNothingButOk) {
    auto f = Load();
    ASSERT_TRUE(LeaveOwnId(*f, "", UserTonesButton));
    f->Click(UserTonesButton);
    EXPECT_EQ(opener.opened, 1);
    EXPECT_TRUE(notes.shown.empty());
    // Typed, refused, then emptied again: left without a second message.
    EXPECT_FALSE(LeaveOwnId(*f, "12"));
    EXPECT_TRUE(LeaveOwnId(*f, ""));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Msg("900C")});
    f->GotFocus(OwnId);
    f->Click(kOKButton);
    EXPECT_EQ(notes.Texts(), (std::vector<std::string>{Msg("900C"), Msg("900C")}));
    EXPECT_FALSE(f->unloadRequested);
    EXPECT_EQ(f->State().focus, OwnId);
}

TEST_F(FiveToneDialog, ShortOwnIdIsRefusedAtTheBox) {
    Live().OwnID.Set("12345");
    auto f = Load();
    EXPECT_FALSE(LeaveOwnId(*f, "1234"));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Msg("900C")});
    EXPECT_EQ(f->State().focus, OwnId);
    EXPECT_EQ(Edit().OwnID.Trim(), "12345");
}

TEST_F(FiveToneDialog, PttIdBoxes) {
    auto f = Load();
    for (int k : {'a', '1', 'b'}) {
        f->KeyPress(PttCodes[0], k);
        f->C(PttCodes[0]).text += static_cast<char>(k);
    }
    EXPECT_EQ(f->C(PttCodes[0]).text, "A1B");
    f->C(PttCodes[0]).text = "1123";
    EXPECT_TRUE(f->LostFocus(PttCodes[0], PttStandards[0]));
    EXPECT_EQ(f->C(PttCodes[0]).text, "1E23");
    f->C(PttCodes[1]).text = "2234";
    int enter = 13;
    f->KeyPress(PttCodes[1], enter);
    EXPECT_EQ(enter, 0);
    EXPECT_EQ(f->State().focus, PttStandards[1]);
    EXPECT_EQ(f->C(PttCodes[1]).text, "2E34");
}

TEST_F(FiveToneDialog, LongStoredPttCodeIsShownAndSavedWhole) {
    const std::string code = "123412341234123412341234123412";  // 30 digits
    SetCode(Live().BeginCode, code);
    Live().OwnID.Set("12345");
    auto f = Load();
    EXPECT_EQ(f->C(PttCodes[0]).text, code);
    f->Click(kOKButton);
    EXPECT_EQ(Live().BeginCode.Code.Trim(), code);
    EXPECT_EQ(Live().BeginCode.CodeLen, 30);
}

TEST_F(FiveToneDialog, OwnIdKeys) {
    auto f = Load();
    struct Case { int key, out; } cases[] = {{'7', '7'}, {'a', 0}, {'A', 0}, {' ', 0}, {3, 0},
                                             {22, 0},    {24, 0},  {8, 8},   {233, 0}};
    for (const auto& c : cases) {
        int k = c.key;
        f->KeyPress(OwnId, k);
        EXPECT_EQ(k, c.out) << c.key;
    }
    // Enter moves on as Tab does, through the box's departure.
    f->GotFocus(OwnId);
    f->C(OwnId).text = "1234";
    int enter = 13;
    f->KeyPress(OwnId, enter);
    EXPECT_EQ(enter, 0);
    EXPECT_EQ(f->State().focus, OwnId);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Msg("900C")});
    f->C(OwnId).text = "12345";
    enter = 13;
    f->KeyPress(OwnId, enter);
    EXPECT_EQ(f->State().focus, SystemStandard);
    EXPECT_EQ(Edit().OwnID.Trim(), "12345");
    EXPECT_EQ(notes.shown.size(), 1u);
}

// ---- the code grid ------------------------------------------------------------

TEST_F(FiveToneDialog, TypedCodeIsStoredWithRepeatTones) {
    auto f = Load();
    Enter(*f, 1, 2);
    ASSERT_TRUE(f->C(CodeEditor).visible);
    EXPECT_EQ(f->State().focus, CodeEditor);
    f->C(CodeEditor).text = "111";
    Key(*f, CodeEditor, 13);  // to the standard cell: the code is committed
    const Tone5CodeRec& e = Edit().Codes[0];
    EXPECT_EQ(e.Code.Trim(), "1E1");
    EXPECT_EQ(e.CodeLen, 3);
    EXPECT_EQ(e.Empty, 0);
    EXPECT_EQ(f->Grid().Text(1, 2), "1E1");
    EXPECT_EQ(f->Grid().col, 3);
    EXPECT_TRUE(f->C(StandardEditor).visible);
    EXPECT_FALSE(f->C(CodeEditor).visible);

    Enter(*f, 1, 2);
    f->C(CodeEditor).text = "";
    Enter(*f, 2, 2);
    EXPECT_EQ(Edit().Codes[0].CodeLen, 0);
    EXPECT_EQ(Edit().Codes[0].Empty, 1);
}

TEST_F(FiveToneDialog, EnterMovesThroughTheGrid) {
    SetCode(Live().Codes[5], "123");
    auto f = Load();
    Enter(*f, 100, 2);
    Key(*f, CodeEditor, 13);  // empty: next row, row 1 after row 100
    EXPECT_EQ(f->Grid().row, 1);
    EXPECT_EQ(f->Grid().col, 2);
    EXPECT_TRUE(f->C(CodeEditor).visible);

    Enter(*f, 6, 4);
    ASSERT_TRUE(f->C(ToneTimeEditor).visible);
    f->C(ToneTimeEditor).index = 10;
    Key(*f, ToneTimeEditor, 13);  // the code cell of the next entry
    EXPECT_EQ(Edit().Codes[5].ToneTime, 40);
    EXPECT_EQ(f->Grid().row, 7);
    EXPECT_EQ(f->Grid().col, 2);
    EXPECT_EQ(f->CurTone5Row, 7);
    EXPECT_TRUE(f->C(CodeEditor).visible);

    Enter(*f, 6, 3);
    Key(*f, StandardEditor, 13);  // the tone-time cell
    EXPECT_EQ(f->Grid().col, 4);
    EXPECT_TRUE(f->C(ToneTimeEditor).visible);

    Enter(*f, 6, 5);
    f->C(NameEditor).text = "NAME  ";
    Key(*f, NameEditor, 13);  // column 1 of the next entry: no editor
    EXPECT_EQ(Edit().Codes[5].Name.Trim(), "NAME");
    EXPECT_EQ(f->Grid().Text(6, 5), "NAME");
    EXPECT_EQ(f->Grid().row, 7);
    EXPECT_EQ(f->Grid().col, 1);
    for (const char* e : {CodeEditor, StandardEditor, ToneTimeEditor, NameEditor}) EXPECT_FALSE(f->C(e).visible) << e;
}

TEST_F(FiveToneDialog, EnteringTheStandardCellIsNoPick) {
    SetCode(Live().Codes[6], "123", 6, 50);  // CCIR1, 50 ms
    auto f = Load();
    Enter(*f, 7, 3);
    ASSERT_TRUE(f->C(StandardEditor).visible);
    EXPECT_EQ(f->C(StandardEditor).SelectedItem(), "CCIR1");
    Enter(*f, 7, 5);
    EXPECT_EQ(Edit().Codes[6].ToneTime, 50);
    EXPECT_EQ(Edit().Codes[6].Standard, 6);
    EXPECT_EQ(f->Grid().Text(7, 4), "50");

    Enter(*f, 7, 3);
    f->C(StandardEditor).index = 12;  // MODAT: 40 ms at once
    f->Click(StandardEditor);
    EXPECT_EQ(Edit().Codes[6].ToneTime, 40);
    EXPECT_EQ(f->Grid().Text(7, 4), "40");
    EXPECT_EQ(f->C(ToneTable).text.substr(0, 7), "MODAT\r\n");
}

TEST_F(FiveToneDialog, StandardPickWithoutAnOpenCellChangesNothing) {
    auto f = Load();
    const std::string table = f->C(ToneTable).text;
    f->C(StandardEditor).index = 14;
    f->Click(StandardEditor);
    EXPECT_EQ(f->C(ToneTable).text, table);
}

TEST_F(FiveToneDialog, NoEditorOnTheFieldsOfAnEntryWithoutACode) {
    SetCode(Live().Codes[1], "E61234");  // PTT-ID call: its fields can be edited
    auto f = Load();
    for (int c : {3, 4, 5}) {
        Enter(*f, 1, c);
        EXPECT_NE(f->CurTone5Row, 1) << c;
        Enter(*f, 2, c);
        EXPECT_EQ(f->CurTone5Row, 2) << c;
        EXPECT_EQ(f->CurTone5Col, c);
    }
    // A special call's code cell opens nothing and commits nothing.
    Enter(*f, 2, 2);
    EXPECT_EQ(f->CurTone5Col, 5);
    EXPECT_TRUE(f->C(NameEditor).visible);
}

TEST_F(FiveToneDialog, DoubleClickResetsASpecialCall) {
    SetCode(Live().Codes[1], "E61234");
    auto f = Load();
    f->Grid().row = 2;
    f->Grid().col = 2;
    notes.answers = {MsgAnswer::Cancel};
    f->DblClick(CodeGrid);
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].text, "Reset Special Call of this channel,OK or Not?");
    EXPECT_EQ(notes.shown[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(f->Grid().Text(2, 1), "PTTID");

    notes.answers = {MsgAnswer::Ok};
    f->DblClick(CodeGrid);
    EXPECT_EQ(f->Grid().Text(2, 1), "");
    EXPECT_EQ(Edit().Codes[1].CodeLen, 0);
    EXPECT_EQ(Edit().Codes[1].Code.Trim(), "");
    EXPECT_EQ(Edit().Codes[1].Empty, 0);
    EXPECT_TRUE(f->C(CodeEditor).visible);
    EXPECT_EQ(f->CurTone5Row, 2);

    f->Grid().row = 3;  // not a special call: no question
    f->DblClick(CodeGrid);
    EXPECT_EQ(notes.shown.size(), 2u);
}

TEST_F(FiveToneDialog, ScrollCommitsAndHidesTheEditors) {
    auto f = Load();
    Enter(*f, 3, 2);
    f->C(CodeEditor).text = "12";
    f->MSHFlexGrid1_Scroll();
    EXPECT_EQ(Edit().Codes[2].Code.Trim(), "12");
    EXPECT_FALSE(f->C(CodeEditor).visible);
    f->Click(CodeGrid);  // the cell still open: nothing reopens
    EXPECT_FALSE(f->C(CodeEditor).visible);
    Enter(*f, 4, 2);
    EXPECT_TRUE(f->C(CodeEditor).visible);
}

TEST_F(FiveToneDialog, EditorKeys) {
    auto f = Load();
    struct Case { const char* box; int key, out; } cases[] = {
        {CodeEditor, 'a', 'A'},  {CodeEditor, 'f', 'F'}, {CodeEditor, 'g', 0},  {CodeEditor, '9', '9'},
        {CodeEditor, 22, 0},     {CodeEditor, 200, 0},   {CodeEditor, 8, 8},    {NameEditor, '\\', 0},
        {NameEditor, '~', 0},    {NameEditor, 'a', 'a'}, {NameEditor, 3, 0},    {NameEditor, 300, 0},
        {InfoCodeBox, 'c', 'C'}, {InfoCodeBox, 'x', 0},  {InfoName, 'x', 'x'},  {InfoName, 3, 3},
        {InfoName, 128, 0},
    };
    for (const auto& c : cases) {
        int k = c.key;
        f->KeyPress(c.box, k);
        EXPECT_EQ(k, c.out) << c.box << " " << c.key;
    }
}

TEST_F(FiveToneDialog, GuardedBoxesTakeWhatTheirKeysKeep) {
    auto f = Load();
    const struct { std::string box; int length; } boxes[] = {
        {OwnId, 5},        {CodeEditor, 40},   {PttCodes[0], kPttCodeTypedMax}, {PttCodes[1], kPttCodeTypedMax},
        {InfoCodeBox, 12}, {NameEditor, 7},    {InfoName, 7},
    };
    for (const auto& b : boxes) test::ExpectGuardFollowsKeys(*f, b.box, b.length);
}

TEST_F(FiveToneDialog, ShowingTheGridRows) {
    Live().OwnID.Set("12345");
    SetCode(Live().Codes[0], "E112345X48454C4C4F");
    SetCode(Live().Codes[1], "E6123456");
    SetCode(Live().Codes[2], "12345A12345");
    SetCode(Live().Codes[3], "7");
    SetCode(Live().Codes[4], "123");
    Live().Codes[4].CodeLen = 5;
    SetCode(Live().Codes[5], "123");
    Live().Codes[5].CodeLen = 2;
    SetCode(Live().Codes[6], "123");
    Live().Codes[6].CodeLen = 41;
    SetCode(Live().Codes[7], "8");
    Live().Codes[7].Name.Set("AB\xE9");
    auto f = Load();
    const TextGrid& g = f->Grid();
    EXPECT_EQ(g.Text(1, 1), Opt("60073"));
    EXPECT_EQ(g.Text(1, 2), "12345        " + Opt("60084") + "HELLO");
    EXPECT_EQ(g.Text(2, 1), "PTTID");
    EXPECT_EQ(g.Text(2, 2), "");
    EXPECT_EQ(g.Text(3, 1), "ANI");
    EXPECT_EQ(g.Text(3, 2), "12345A");
    EXPECT_EQ(g.Text(4, 1), "");
    EXPECT_EQ(g.Text(4, 2), "7");
    EXPECT_EQ(g.Text(5, 2), "123EE");
    EXPECT_EQ(g.Text(6, 2), "12");
    EXPECT_EQ(g.Text(7, 2), "");
    EXPECT_EQ(g.Text(8, 5), "AB\xC3\xA9");
}

TEST_F(FiveToneDialog, SpecialCallButtonClosesOnlyTheCodeEditor) {
    SetCode(Live().Codes[0], "12");
    auto f = Load();
    Enter(*f, 1, 2);
    f->C(CodeEditor).text = "34";
    f->Click(SpecialCallButton);
    EXPECT_EQ(Edit().Codes[0].Code.Trim(), "34");
    EXPECT_FALSE(f->C(CodeEditor).visible);
    EXPECT_EQ(f->CurTone5Row, 0);
    EXPECT_EQ(f->SpecialCallMode, 0);
    ASSERT_EQ(opener.opened, 1);
    EXPECT_EQ(opener.dialog->Name(), "FrmCallBuilder");

    Enter(*f, 1, 5);
    f->Click(SpecialCallButton);
    EXPECT_TRUE(f->C(NameEditor).visible);
    EXPECT_EQ(f->CurTone5Row, 1);
}

// ---- information codes -----------------------------------------------------

TEST_F(FiveToneDialog, TypeRulesOnTheOptionListAndNameBox) {
    auto f = Load();
    auto pick = [&](int type) {
        f->C(InfoType).index = type;
        f->Click(InfoType);
    };
    f->C(InfoOption).index = 2;
    f->Click(InfoOption);
    pick(1);
    EXPECT_EQ(f->C(InfoOption).items.size(), 2u);
    EXPECT_EQ(f->C(InfoOption).index, 0);
    EXPECT_TRUE(f->C(InfoOption).enabled);
    for (int t : {3, 4, 5}) {
        pick(t);
        EXPECT_EQ(f->C(InfoOption).items.size(), 3u) << t;
        EXPECT_EQ(f->C(InfoOption).index, 2) << t;
        EXPECT_FALSE(f->C(InfoOption).enabled) << t;
        EXPECT_TRUE(f->C(InfoName).enabled) << t;
    }
    f->C(InfoName).text = "NAME";
    for (int t : {0, 6}) {
        pick(t);
        EXPECT_FALSE(f->C(InfoName).enabled) << t;
        EXPECT_EQ(f->C(InfoName).text, "") << t;
    }
    pick(7);
    EXPECT_TRUE(f->C(InfoOption).enabled);
    EXPECT_EQ(f->C(InfoOption).index, 0);  // kept from type 6
}

TEST_F(FiveToneDialog, SwitchingCodesKeepsWhatWasTyped) {
    auto f = Load();
    f->C(InfoNumber).index = 2;
    f->Click(InfoNumber);
    EXPECT_EQ(f->C(InfoFrame).text, "Info Code #3");
    f->C(InfoType).index = 7;
    f->Click(InfoType);
    f->C(InfoCodeBox).text = "12AB";
    f->C(InfoName).text = "CALL   ";
    f->C(InfoNumber).index = 4;
    f->Click(InfoNumber);
    EXPECT_EQ(f->CurInfoCodeID, 5);
    EXPECT_EQ(f->C(InfoCodeBox).text, "");
    f->C(InfoNumber).index = 2;
    f->Click(InfoNumber);
    EXPECT_EQ(f->C(InfoType).index, 7);
    EXPECT_EQ(f->C(InfoCodeBox).text, "12AB");
    EXPECT_EQ(f->C(InfoName).text, "CALL");
    EXPECT_EQ(Edit().InfoCodes[2].CodeLen, 4);
}

TEST_F(FiveToneDialog, InformationCodeCheckAtOk) {
    Live().OwnID.Set("12345");
    auto f = Load();
    auto setCode = [&](int n, int type, const char* code) {
        f->C(InfoNumber).index = n - 1;
        f->Click(InfoNumber);
        f->C(InfoType).index = type;
        f->Click(InfoType);
        f->C(InfoCodeBox).text = code;
    };
    setCode(2, 3, "888");
    setCode(5, 0, "888");
    setCode(8, 5, "999");
    f->Click(kOKButton);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Opt("60301")});
    EXPECT_FALSE(f->unloadRequested);
    setCode(5, 0, "777");
    f->Click(kOKButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_EQ(Live().InfoCodes[7].Type, 5);
}

// ---- standard pickers and the user tone set -------------------------------------

TEST_F(FiveToneDialog, PickingAStandardSetsItsToneTime) {
    auto f = Load();
    f->C(SystemStandard).index = 14;
    f->Click(SystemStandard);
    EXPECT_EQ(f->C(SystemToneTime).SelectedItem(), "33");
    EXPECT_EQ(f->C(ToneTable).text.substr(0, 5), "EIA\r\n");
    f->C(PttStandards[1]).index = 6;
    f->Click(PttStandards[1]);
    EXPECT_EQ(f->C(PttToneTimes[1]).SelectedItem(), "100");
    EXPECT_EQ(f->C(PttToneTimes[0]).SelectedItem(), "70");
    EXPECT_EQ(f->C(ToneTable).text.substr(0, 7), "CCIR1\r\n");
}

TEST_F(FiveToneDialog, UserTonesRedrawTheSystemStandardsTable) {
    Live().SysStandard = 15;  // no name: the table shows the user set
    Live().OwnID.Set("12345");
    auto f = Load();
    f->C(PttStandards[0]).index = 3;
    f->Click(PttStandards[0]);
    f->Click(UserTonesButton);
    ASSERT_EQ(opener.opened, 1);
    auto* tones = dynamic_cast<Frm5ToneDefTS*>(opener.dialog.get());
    ASSERT_NE(tones, nullptr);
    tones->C(fivetonedefts::ToneBoxes[0]).text = "300.25";
    tones->Click(kOKButton);
    EXPECT_TRUE(tones->unloadRequested);
    opener.closed();
    EXPECT_NE(f->C(ToneTable).text.find("0 300.2\r\n"), std::string::npos) << f->C(ToneTable).text;
    EXPECT_EQ(Edit().UserTones[0], 3002);
    EXPECT_EQ(Live().UserTones[0], 24000);  // until the dialog's OK
    f->Click(kOKButton);
    EXPECT_EQ(Live().UserTones[0], 3002);
}
