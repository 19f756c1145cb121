// The two-tone dialog without widgets: load, grid editing, decode entries,
// the own-call boxes and OK.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "formdriver.h"
#include "signalling/frm2tone.h"
#include "signalling/frm2tonecontrols.h"
#include "signallingfixture.h"

using namespace rp;
using namespace rp::test;

namespace {

class TwoToneForm : public SignallingTest {
protected:
    Tone2DataRec& live() { return d.Tone2Data(); }
    Tone2DataRec& edit() { return d.SetDataEdit.Tone2Data; }

    std::unique_ptr<Frm2Tone> Open() {
        auto f = std::make_unique<Frm2Tone>(d);
        f->Form_Load();
        return f;
    }
    // The user moves the grid's current cell (a click on another cell).
    static void Enter(Frm2Tone& f, int row, int col) {
        f.MSHFlexGrid1.row = row;
        f.MSHFlexGrid1.col = col;
        f.MSHFlexGrid1_EnterCell();
    }
    // Typing into the open tone editor.
    static void TypeTone(Frm2Tone& f, const std::string& keys) {
        f.C(twotone::ToneEditor).text.clear();
        for (char ch : keys) {
            int k = static_cast<unsigned char>(ch);
            f.KeyPress(twotone::ToneEditor, k);
            if (k) f.C(twotone::ToneEditor).text += static_cast<char>(k);
        }
    }
    static void PressEnter(Frm2Tone& f, const std::string& editor) {
        int k = 13;
        f.KeyPress(editor, k);
        EXPECT_EQ(k, 0);
    }
    static void UseEntry(Tone2EncodeRec& e, double t1, double t2, const char* name);
};

void TwoToneForm::UseEntry(Tone2EncodeRec& e, double t1, double t2, const char* name) {
    auto set = [](Byte& h, Byte& l, int v) { h = static_cast<Byte>(v >> 8), l = static_cast<Byte>(v & 255); };
    e.Empty = 0;
    set(e.Tone1H, e.Tone1L, static_cast<int>(std::lround(t1 * 10)));
    set(e.Divisor1H, e.Divisor1L, static_cast<int>(6500000 / (16 * t1)));
    set(e.Tone2H, e.Tone2L, t2 > 0 ? static_cast<int>(std::lround(t2 * 10)) : 0);
    set(e.Divisor2H, e.Divisor2L, t2 > 0 ? static_cast<int>(6500000 / (16 * t2)) : 0);
    e.Name.Set(name);
}

TEST_F(TwoToneForm, StateAfterLoadAlone) {
    UseEntry(live().Encodes[2], 1000, 0, "CALL");
    live().Encodes[5].Empty = 0;  // used but without a first divisor: shown empty
    live().Encodes[5].Name.Set("HIDDEN");
    live().Decodes[3].Valid = 1;
    live().Decodes[3].Tone1 = 1500.55;
    live().Decodes[3].Tone2 = 2000;
    live().Decodes[3].Name.Set("ABC");
    live().Decodes[3].Response = 7;
    auto f = Open();
    const FormState& s = f->State();
    EXPECT_EQ(s.caption, "Two-Tone Settings");
    const ControlState& tabs = s[twotone::Tabs];
    EXPECT_EQ(tabs.index, 2);
    EXPECT_FALSE(tabs.tabs[1].enabled);
    EXPECT_EQ(tabs.tabs[0].caption, "Encode");
    EXPECT_EQ(tabs.tabs[1].caption, "Own Call");
    EXPECT_EQ(tabs.tabs[2].caption, "Decode");
    ASSERT_EQ(s[twotone::DecodeTabs].tabs.size(), 16u);
    EXPECT_EQ(s[twotone::DecodeTabs].index, 0);
    EXPECT_EQ(s[twotone::DecodeTabs].tabs[15].caption, "Decode 16");
    EXPECT_EQ(s[twotone::DecodeFrames[0]].text, "Decode 1");
    EXPECT_EQ(s[twotone::DecodeValidBoxes[0]].text, "Valid");
    EXPECT_EQ(s[twotone::ToneCaptions[2]].text, "C-Tone (Hz)");
    EXPECT_EQ(s[twotone::DecodeResponseCaptions[4]].text, "Decode Response");
    EXPECT_EQ(s[kOKButton].text, "OK");
    EXPECT_FALSE(s[twotone::ToneEditor].visible);
    EXPECT_FALSE(s[twotone::NameEditor].visible);
    EXPECT_TRUE(f->IsLoaded);
    EXPECT_EQ(f->CurTone2Row, 0);

    // Lists and selections from the default settings.
    EXPECT_EQ(s[twotone::FirstToneTime].items.size(), 96u);
    EXPECT_EQ(s[twotone::FirstToneTime].text, "0.5");
    EXPECT_EQ(s[twotone::LongToneTime].text, "1.0");
    EXPECT_EQ(s[twotone::Interval].items.back(), "2000");
    EXPECT_EQ(s[twotone::ResetTime].items.size(), 251u);
    EXPECT_EQ(s[twotone::CallFormat].text, "A-B");
    EXPECT_EQ(s[twotone::DecodeResponses[9]].items, s[twotone::Response].items);
    EXPECT_EQ(s[twotone::Response].items[2], "Alert & Transpond");
    EXPECT_EQ(s[twotone::ToneBoxes[0]].text, "321.7");
    EXPECT_EQ(s[twotone::ToneBoxes[3]].text, "2043.8");
    EXPECT_TRUE(s[twotone::ToneBoxes[0]].enabled && s[twotone::ToneBoxes[1]].enabled);
    EXPECT_FALSE(s[twotone::ToneBoxes[2]].enabled || s[twotone::ToneBoxes[3]].enabled);

    // The grid: headers, numbers, colours and the encode entries.
    const TextGrid& g = f->MSHFlexGrid1;
    EXPECT_EQ(g.Rows(), 33);
    EXPECT_EQ(g.Cols(), 4);
    EXPECT_EQ(g.Text(0, 0), "No.");
    EXPECT_EQ(g.Text(0, 3), "Name");
    EXPECT_EQ(g.Text(1, 0), "0");
    EXPECT_EQ(g.Text(32, 0), "31");
    EXPECT_EQ(g.ForeColor(0, 2), Rgb(0, 0, 155));
    EXPECT_EQ(g.ForeColor(7, 0), Rgb(0, 0, 255));
    EXPECT_EQ(g.RowHeight(0), 500);
    EXPECT_EQ(g.ColWidth(0), 500);
    EXPECT_EQ(g.Cell(3 * 4 + 1), "1000.0");
    EXPECT_EQ(g.Text(3, 2), "");
    EXPECT_EQ(g.Text(3, 3), "CALL");
    EXPECT_EQ(g.Text(6, 3), "");

    // Decode entries.
    EXPECT_EQ(s[twotone::DecodeTone1Boxes[3]].text, "1500.6");
    EXPECT_EQ(s[twotone::DecodeNames[3]].text, "ABC");
    EXPECT_EQ(s[twotone::DecodeResponses[3]].index, 0);
    EXPECT_EQ(s[twotone::DecodeValidBoxes[3]].value, 1);
    EXPECT_TRUE(s[twotone::DecodeTone1Boxes[3]].enabled);
    EXPECT_EQ(s[twotone::DecodeValidBoxes[0]].value, 0);
    EXPECT_FALSE(s[twotone::DecodeTone1Boxes[0]].enabled || s[twotone::DecodeTone2Boxes[0]].enabled ||
                 s[twotone::DecodeResponses[0]].enabled || s[twotone::DecodeNames[0]].enabled);
    EXPECT_EQ(s[twotone::DecodeTone1Boxes[0]].text, "321.7");  // the defaults
}

TEST_F(TwoToneForm, DecodeTabCaptionFollowsTheLanguage) {
    struct Case { UILanguage language; const char *decode, *encode; } cases[] = {
        {LangEnglish, "Decode", "Encode"}, {LangChinese, "解码", "编码"}};
    for (const auto& c : cases) {
        SetLanguageIndex(d, c.language);
        auto f = Open();
        EXPECT_EQ(f->C(twotone::Tabs).tabs[2].caption, c.decode) << c.language;
        EXPECT_EQ(f->C(twotone::Tabs).tabs[0].caption, c.encode) << c.language;
    }
}

TEST_F(TwoToneForm, StoredOutOfRangeValuesShowFallbacksAndOKStoresThem) {
    live().CallFormat = 20;
    live().Duration1 = 2;
    live().Duration3 = 101;
    live().Interval = 30;
    live().ResetTime = 251;
    live().Response = 9;
    live().SideTone = 3;
    live().ToneAH = 0;
    live().Decodes[1].Tone1 = std::numeric_limits<double>::quiet_NaN();
    live().Decodes[1].Tone2 = 1000;
    live().Decodes[1].Valid = 1;
    auto f = Open();
    EXPECT_EQ(f->C(twotone::CallFormat).text, "A-B");
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(f->C(twotone::ToneBoxes[i]).enabled);
    EXPECT_EQ(f->C(twotone::FirstToneTime).text, "0.5");
    EXPECT_EQ(f->C(twotone::LongToneTime).text, "1.0");
    EXPECT_EQ(f->C(twotone::Interval).text, "1000");
    EXPECT_EQ(f->C(twotone::ResetTime).text, "0.0");
    EXPECT_EQ(f->C(twotone::Response).index, 0);
    EXPECT_EQ(f->C(twotone::SideTone).value, 0);
    EXPECT_EQ(f->C(twotone::ToneBoxes[0]).text, "321.7");
    EXPECT_EQ(f->C(twotone::DecodeTone1Boxes[1]).text, "");
    Press(*f, kOKButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_EQ(live().CallFormat, 0);
    EXPECT_EQ(live().Duration1, 5);
    EXPECT_EQ(live().Duration3, 10);
    EXPECT_EQ(live().Interval, 10);
    EXPECT_EQ(live().ResetTime, 0);
    EXPECT_EQ(live().Response, 0);
    EXPECT_EQ(live().SideTone, 0);
    EXPECT_EQ(live().ToneAH * 256 + live().ToneAL, 3217);
    EXPECT_EQ(live().Decodes[1].Tone1, 0.0);
    EXPECT_EQ(live().Decodes[1].Valid, 0);
}

TEST_F(TwoToneForm, CancelAndAHiddenLoadChangeNothingLive) {
    UseEntry(live().Encodes[0], 1000, 2000, "A");
    live().SideTone = 4;
    live().ToneBH = 255;
    live().Decodes[0].Tone1 = std::numeric_limits<double>::quiet_NaN();
    const auto before = Bytes(d.WorkData.SetData);
    {
        Frm2Tone hidden(d);
        hidden.Form_Load();
    }
    EXPECT_EQ(Bytes(d.WorkData.SetData), before);
    auto f = Open();
    Enter(*f, 1, 1);
    TypeTone(*f, "");
    Enter(*f, 2, 1);
    f->C(twotone::DecodeValidBoxes[0]).value = 1;
    f->Click(twotone::DecodeValidBoxes[0]);
    Press(*f, kCancelButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_EQ(Bytes(d.WorkData.SetData), before);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(TwoToneForm, GridCommitsTheTypedTone) {
    struct Case {
        const char* typed;
        const char* cell;
        std::array<int, 4> bytes;  // tone high, low, divisor high, low
    };
    const Case cases[] = {{"1000", "1000.0", {39, 16, 1, 150}},
                          {"5000", "3116.0", {121, 184, 0, 130}},
                          {"100", "288.0", {11, 64, 5, 130}}};
    for (const Case& c : cases) {
        auto f = Open();
        Enter(*f, 1, 1);
        EXPECT_TRUE(f->C(twotone::ToneEditor).visible);
        EXPECT_EQ(f->State().focus, twotone::ToneEditor);
        EXPECT_EQ(f->Text1HelpContextID, 3411);
        TypeTone(*f, c.typed);
        Enter(*f, 1, 2);  // allowed: the first-tone editor holds a number
        EXPECT_EQ(f->MSHFlexGrid1.Text(1, 1), c.cell) << c.typed;
        const Tone2EncodeRec& e = edit().Encodes[0];
        EXPECT_EQ(e.Empty, 0);
        EXPECT_EQ((std::array<int, 4>{e.Tone1H, e.Tone1L, e.Divisor1H, e.Divisor1L}), c.bytes) << c.typed;
        EXPECT_EQ(f->CurTone2Col, 2);
        EXPECT_EQ(f->Text1HelpContextID, 3412);
    }
}

TEST_F(TwoToneForm, ClearingTones) {
    UseEntry(live().Encodes[0], 1000, 2000, "FIRST");
    UseEntry(live().Encodes[1], 1000, 2000, "SECOND");
    auto f = Open();
    Enter(*f, 1, 1);
    TypeTone(*f, "");
    Enter(*f, 2, 2);
    EXPECT_EQ(f->MSHFlexGrid1.Text(1, 1) + f->MSHFlexGrid1.Text(1, 2) + f->MSHFlexGrid1.Text(1, 3), "");
    Tone2EncodeRec empty;
    empty.Empty = 1;
    empty.Name.Set("");
    EXPECT_EQ(edit().Encodes[0], empty);

    EXPECT_EQ(f->C(twotone::ToneEditor).text, "2000.0");
    TypeTone(*f, "");
    Enter(*f, 3, 1);
    EXPECT_EQ(f->MSHFlexGrid1.Text(2, 2), "");
    EXPECT_EQ(f->MSHFlexGrid1.Text(2, 3), "SECOND");
    EXPECT_EQ(edit().Encodes[1].Empty, 0);
    EXPECT_EQ(edit().Encodes[1].Tone1H, 39);
    EXPECT_EQ(edit().Encodes[1].Tone2H + edit().Encodes[1].Divisor2L, 0);
}

TEST_F(TwoToneForm, SecondToneOrNameOfARowWithoutFirstToneIsRefused) {
    auto f = Open();
    Enter(*f, 4, 3);
    EXPECT_EQ(f->MSHFlexGrid1.row, 4);
    EXPECT_EQ(f->MSHFlexGrid1.col, 1);
    EXPECT_EQ(f->CurTone2Row, 4);
    EXPECT_EQ(f->CurTone2Col, 1);
    EXPECT_TRUE(f->C(twotone::ToneEditor).visible);
    EXPECT_FALSE(f->C(twotone::NameEditor).visible);
    // Not even from the first-tone editor of another row holding a number.
    TypeTone(*f, "1000");
    Enter(*f, 5, 2);
    EXPECT_EQ(f->MSHFlexGrid1.col, 1);
    EXPECT_EQ(f->MSHFlexGrid1.Text(4, 1), "1000.0");
    // A click on the current cell reopens its editor.
    f->MSHFlexGrid1_Click();
    EXPECT_EQ(f->CurTone2Row, 5);
    EXPECT_TRUE(f->C(twotone::ToneEditor).visible);
}

TEST_F(TwoToneForm, NameCellCommit) {
    UseEntry(live().Encodes[0], 1000, 0, "OLD");
    auto f = Open();
    Enter(*f, 1, 3);
    EXPECT_TRUE(f->C(twotone::NameEditor).visible);
    EXPECT_EQ(f->C(twotone::NameEditor).text, "OLD");
    Type(*f, twotone::NameEditor, "N\\~ew  ");
    EXPECT_EQ(f->C(twotone::NameEditor).text, "New  ");
    Enter(*f, 2, 1);
    EXPECT_EQ(f->MSHFlexGrid1.Text(1, 3), "New");
    EXPECT_EQ(edit().Encodes[0].Name.Raw(), "New    ");
}

TEST_F(TwoToneForm, EnterMovesTheCursor) {
    UseEntry(live().Encodes[31], 1000, 0, "LAST");
    auto f = Open();
    // An empty first-tone editor: one row down, from the last row to row 1.
    Enter(*f, 32, 1);
    TypeTone(*f, "");
    PressEnter(*f, twotone::ToneEditor);
    EXPECT_EQ(f->MSHFlexGrid1.row, 1);
    EXPECT_EQ(f->MSHFlexGrid1.col, 1);
    EXPECT_EQ(f->CurTone2Row, 1);
    // Row 32 was committed empty on the way.
    EXPECT_EQ(edit().Encodes[31].Empty, 1);

    // A number: committed, then one column right.
    TypeTone(*f, "1200");
    PressEnter(*f, twotone::ToneEditor);
    EXPECT_EQ(f->MSHFlexGrid1.col, 2);
    EXPECT_EQ(f->MSHFlexGrid1.Text(1, 1), "1200.0");
    TypeTone(*f, "2400");
    PressEnter(*f, twotone::ToneEditor);
    EXPECT_EQ(f->MSHFlexGrid1.col, 3);
    EXPECT_EQ(f->MSHFlexGrid1.Text(1, 2), "2400.0");
    EXPECT_TRUE(f->C(twotone::NameEditor).visible);

    // The name editor: column 1 of the next row; from row 32 to row 1.
    PressEnter(*f, twotone::NameEditor);
    EXPECT_EQ(f->MSHFlexGrid1.row, 2);
    EXPECT_EQ(f->MSHFlexGrid1.col, 1);
    Enter(*f, 32, 1);
    TypeTone(*f, "1000");
    Enter(*f, 32, 3);
    PressEnter(*f, twotone::NameEditor);
    EXPECT_EQ(f->MSHFlexGrid1.row, 1);
    EXPECT_EQ(f->MSHFlexGrid1.col, 1);
}

TEST_F(TwoToneForm, ScrollCommitsTheCurrentCellAndHidesTheEditors) {
    auto f = Open();
    f->MSHFlexGrid1_Scroll();  // nothing entered yet: nothing committed
    EXPECT_EQ(edit().Encodes[0], live().Encodes[0]);
    Enter(*f, 1, 1);
    TypeTone(*f, "700");
    f->MSHFlexGrid1_Scroll();
    EXPECT_FALSE(f->C(twotone::ToneEditor).visible);
    EXPECT_EQ(f->MSHFlexGrid1.Text(1, 1), "700.0");
    EXPECT_EQ(edit().Encodes[0].Tone1H * 256 + edit().Encodes[0].Tone1L, 7000);
}

TEST_F(TwoToneForm, OKCommitsTheOpenCellAndRepointsChannels) {
    UseEntry(live().Encodes[0], 1000, 0, "A");
    UseEntry(live().Encodes[3], 1100, 0, "D");
    d.WorkData.GMRSFreData[0].OptSig = Sig2Tone;
    d.WorkData.GMRSFreData[0].Tone2Code = 0;
    auto f = Open();
    Enter(*f, 1, 1);
    TypeTone(*f, "");  // the entry is emptied by OK's commit of the open cell
    Press(*f, kOKButton);
    EXPECT_EQ(live().Encodes[0].Empty, 1);
    EXPECT_EQ(d.WorkData.GMRSFreData[0].Tone2Code, 3);
    EXPECT_EQ(view.calls, std::vector<std::string>{"ReShowListByData"});
}

TEST_F(TwoToneForm, DecodeEntries) {
    auto f = Open();
    f->C(twotone::DecodeValidBoxes[2]).value = 1;
    f->Click(twotone::DecodeValidBoxes[2]);
    for (const std::string& c : {twotone::DecodeTone1Boxes[2], twotone::DecodeTone2Boxes[2],
                                 twotone::DecodeResponses[2], twotone::DecodeNames[2]})
        EXPECT_TRUE(f->C(c).enabled) << c;
    Type(*f, twotone::DecodeTone1Boxes[2], "12a.5");
    EXPECT_EQ(f->C(twotone::DecodeTone1Boxes[2]).text, "12.5");
    Type(*f, twotone::DecodeTone2Boxes[2], "");
    Focus(*f, twotone::DecodeNames[2]);
    EXPECT_EQ(f->C(twotone::DecodeTone1Boxes[2]).text, "288.0");
    EXPECT_EQ(f->C(twotone::DecodeTone2Boxes[2]).text, "288.0");
    Type(*f, twotone::DecodeTone2Boxes[2], "1..5");
    Focus(*f, twotone::DecodeNames[2]);
    EXPECT_EQ(f->C(twotone::DecodeTone2Boxes[2]).text, "288.0");
    f->C(twotone::DecodeNames[2]).text = "ABC";
    Pick(*f, twotone::DecodeResponses[2], 2);
    // Enter moves on from a tone box and does nothing in a list.
    int key = 13;
    f->KeyPress(twotone::DecodeTone1Boxes[2], key);
    EXPECT_EQ(key, 13);
    f->KeyPress(twotone::DecodeResponses[2], key);
    EXPECT_EQ(key, 0);

    f->C(twotone::DecodeValidBoxes[5]).value = 1;
    f->Click(twotone::DecodeValidBoxes[5]);
    f->C(twotone::DecodeTone1Boxes[5]).text = "1000";
    f->C(twotone::DecodeTone2Boxes[5]).text = "1500";
    f->C(twotone::DecodeValidBoxes[5]).value = 0;
    f->Click(twotone::DecodeValidBoxes[5]);
    for (const std::string& c : {twotone::DecodeTone1Boxes[5], twotone::DecodeTone2Boxes[5],
                                 twotone::DecodeResponses[5], twotone::DecodeNames[5]})
        EXPECT_FALSE(f->C(c).enabled) << c;

    Press(*f, kOKButton);
    const Tone2DecodeRec& e = live().Decodes[2];
    EXPECT_EQ(e.Valid, 1);
    EXPECT_EQ(e.Tone1, 288.0);
    EXPECT_EQ(e.Response, 2);
    EXPECT_EQ(e.Name.Raw(), std::string_view("ABC\0  ", 6));
    EXPECT_EQ(live().Decodes[5].Valid, 0);
    EXPECT_EQ(live().Decodes[5].Tone2, 1500.0);
}

TEST_F(TwoToneForm, CallFormatEnablesItsToneBoxes) {
    auto f = Open();
    Pick(*f, twotone::CallFormat, 6);  // "C-A"
    EXPECT_TRUE(f->C(twotone::ToneBoxes[2]).enabled && f->C(twotone::ToneBoxes[0]).enabled);
    EXPECT_FALSE(f->C(twotone::ToneBoxes[1]).enabled || f->C(twotone::ToneBoxes[3]).enabled);
    Pick(*f, twotone::CallFormat, 13);  // "Long B"
    EXPECT_TRUE(f->C(twotone::ToneBoxes[1]).enabled);
    EXPECT_FALSE(f->C(twotone::ToneBoxes[0]).enabled || f->C(twotone::ToneBoxes[2]).enabled ||
                 f->C(twotone::ToneBoxes[3]).enabled);
    // The response list is no call format.
    Pick(*f, twotone::Response, 1);
    EXPECT_TRUE(f->C(twotone::ToneBoxes[1]).enabled);
}

TEST_F(TwoToneForm, ToneBoxesOnLeavingAndAtOK) {
    live().ToneAL = 34, live().ToneAH = 11;  // 285.0 Hz
    live().ToneBL = 190, live().ToneBH = 10;  // 275.0 Hz
    auto f = Open();
    EXPECT_EQ(f->C(twotone::ToneBoxes[0]).text, "285.0");
    Type(*f, twotone::ToneBoxes[2], "250");
    Type(*f, twotone::ToneBoxes[3], "4000");
    Focus(*f, twotone::CallFormat);
    EXPECT_EQ(f->C(twotone::ToneBoxes[2]).text, "288");
    EXPECT_EQ(f->C(twotone::ToneBoxes[3]).text, "3116");
    Type(*f, twotone::ToneBoxes[2], ".");
    Focus(*f, twotone::CallFormat);
    EXPECT_EQ(f->C(twotone::ToneBoxes[2]).text, "288");
    f->C(twotone::ToneBoxes[2]).text = "";  // a box left empty reaches the save as it is
    Press(*f, kOKButton);
    EXPECT_EQ(live().ToneAH * 256 + live().ToneAL, 2850);
    EXPECT_EQ(live().ToneBH * 256 + live().ToneBL, 2800);
    EXPECT_EQ(live().ToneCH * 256 + live().ToneCL, 20000);
    EXPECT_EQ(live().ToneDH * 256 + live().ToneDL, 31160);
    EXPECT_EQ(live().OwnTone1H * 256 + live().OwnTone1L, 2850);
    EXPECT_EQ(live().OwnTone2H * 256 + live().OwnTone2L, 2800);
}

TEST_F(TwoToneForm, OwnCallFromToneA) {
    live().ToneAL = 16, live().ToneAH = 39;  // 1000.0 Hz
    auto f = Open();
    EXPECT_EQ(f->C(twotone::ToneBoxes[0]).text, "1000.0");
    Press(*f, kOKButton);
    EXPECT_EQ((std::array<int, 2>{live().OwnTone1H, live().OwnTone1L}), (std::array<int, 2>{39, 16}));
    EXPECT_EQ((std::array<int, 2>{live().OwnDivisor1H, live().OwnDivisor1L}), (std::array<int, 2>{12, 178}));
    EXPECT_EQ((std::array<int, 2>{live().ToneAL, live().ToneAH}), (std::array<int, 2>{16, 39}));
    // A second load and OK give the same bytes.
    const auto once = Bytes(live());
    auto again = Open();
    Press(*again, kOKButton);
    EXPECT_EQ(Bytes(live()), once);
}

TEST_F(TwoToneForm, HelpContexts) {
    auto f = Open();
    f->C(twotone::Tabs).index = 0;
    f->Click(twotone::Tabs);
    EXPECT_EQ(f->SSTab1HelpContextID, 3401);
    f->C(twotone::Tabs).index = 2;
    f->Click(twotone::Tabs);
    EXPECT_EQ(f->SSTab1HelpContextID, 3403);
}

TEST_F(TwoToneForm, ClickAndEnterDoNothingBeforeTheLoadEnds) {
    Frm2Tone f(d);
    f.MSHFlexGrid1_Click();
    f.MSHFlexGrid1_EnterCell();
    EXPECT_EQ(f.CurTone2Row, 0);
    EXPECT_EQ(f.State().focus, "");
}

}  // namespace
