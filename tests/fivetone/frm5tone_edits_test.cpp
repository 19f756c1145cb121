// The five-tone dialog without a window: the own-ID box and the PTT-ID
// boxes, and the code grid's editors.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/fixedtext.h"
#include "fivetone/callbuilder.h"
#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "fivetone/frm5tonedefts.h"
#include "fivetone/frm5tonedeftscontrols.h"
#include "frm5tonefixture.h"

using namespace rp;
using namespace rp::fivetone;
using rp::test::FiveToneDialog;
using rp::test::SetCode;

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
