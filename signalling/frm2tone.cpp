#include "signalling/frm2tone.h"

#include <cmath>

#include "core/language.h"
#include "core/listutils.h"
#include "core/numtext.h"
#include "core/repair.h"
#include "forms/formlanguage.h"
#include "signalling/formhelpers.h"
#include "signalling/frm2tonecontrols.h"
#include "signalling/twotonerules.h"

namespace rp {

namespace {

constexpr int kEncodeRows = 32;
constexpr int kDecodeEntries = 16;
constexpr int kToneHelpContext = 3410;
constexpr int kTabHelpContext = 3401;
// The decode tab's caption by language (no language key names it): entry 1
// English, entry 2 Chinese.
const LangTexts kDecodeTabCaption = {"", "Decode", "解码"};

int NextRow(int row) { return row >= kEncodeRows ? 1 : row + 1; }

}  // namespace

Frm2Tone::Frm2Tone(AppData& d) : Form(kName), d_(d) {
    FormState& f = State();
    ControlState& tabs = f.Add(twotone::Tabs, ControlKind::TabStrip);
    for (int i = 0; i < 3; ++i) tabs.tabs.push_back(TabState{ElementName("Tab", i), "", "", "", true, true});

    // Tab 0: the encode list and the timings.
    f.Add(twotone::EncodeGrid, ControlKind::Grid);
    f.Add(twotone::ToneEditor, ControlKind::TextBox).max = 6;
    f.Add(twotone::NameEditor, ControlKind::TextBox).max = 7;
    for (int i = 0; i < 5; ++i) {
        f.Add(twotone::TimingCaptions[i], ControlKind::Label);
        f.Add(twotone::kTimings[i], ControlKind::ComboBox);
    }
    f.Add(twotone::SideTone, ControlKind::CheckBox);

    // Tab 1: the own call.
    f.Add(twotone::CallFormatCaption, ControlKind::Label);
    f.Add(twotone::CallFormat, ControlKind::ComboBox);
    f.Add(twotone::ResponseCaption, ControlKind::Label);
    f.Add(twotone::Response, ControlKind::ComboBox);
    for (int i = 0; i < 4; ++i) {
        f.Add(twotone::ToneCaptions[i], ControlKind::Label);
        f.Add(twotone::ToneBoxes[i], ControlKind::TextBox).max = 6;
    }

    // Tab 2: one tab per decode entry.
    ControlState& decodeTabs = f.Add(twotone::DecodeTabs, ControlKind::TabStrip);
    for (int k = 0; k < kDecodeEntries; ++k) {
        decodeTabs.tabs.push_back(TabState{ElementName("Tab", k), "", "", "", true, true});
        f.Add(twotone::DecodeFrames[k], ControlKind::Frame);
        f.Add(twotone::DecodeValidBoxes[k], ControlKind::CheckBox).tag = "7511";
        f.Add(twotone::DecodeTone1Captions[k], ControlKind::Label);
        f.Add(twotone::DecodeTone1Boxes[k], ControlKind::TextBox).max = 6;
        f.Add(twotone::DecodeTone2Captions[k], ControlKind::Label);
        f.Add(twotone::DecodeTone2Boxes[k], ControlKind::TextBox).max = 6;
        f.Add(twotone::DecodeResponseCaptions[k], ControlKind::Label);
        f.Add(twotone::DecodeResponses[k], ControlKind::ComboBox);
        f.Add(twotone::DecodeNameCaptions[k], ControlKind::Label);
        f.Add(twotone::DecodeNames[k], ControlKind::TextBox).max = 6;
    }
    f.Add(kOKButton, ControlKind::Button);
    f.Add(kCancelButton, ControlKind::Button);

    // The tone boxes and the list's editors select their whole text whenever
    // they take the focus; the decode names do not.
    for (const char* box : {twotone::ToneEditor, twotone::NameEditor}) f[box].selectOnEntry = SelectOnEntry::OnFocus;
    for (int i = 0; i < 4; ++i) f[twotone::ToneBoxes[i]].selectOnEntry = SelectOnEntry::OnFocus;
    for (int k = 0; k < kDecodeEntries; ++k)
        f[twotone::DecodeTone1Boxes[k]].selectOnEntry = f[twotone::DecodeTone2Boxes[k]].selectOnEntry =
            SelectOnEntry::OnFocus;
}

void Frm2Tone::Form_Load() {
    IsLoaded = false;
    CurTone2Row = CurTone2Col = 0;
    ControlState& tabs = C(twotone::Tabs);
    tabs.tabs[1].enabled = false;  // the own call cannot be chosen
    C(twotone::ToneEditor).visible = C(twotone::NameEditor).visible = false;

    State().caption = GetLanguageOptionString(d_, "60051");
    tabs.tabs[0].caption = GetLanguageOptionString(d_, "60043");
    tabs.tabs[1].caption = GetLanguageOptionString(d_, "60044");
    tabs.tabs[2].caption = kDecodeTabCaption[d_.LanguageIndex == LangChinese ? 2 : 1];
    C(twotone::TimingCaptions[0]).text = GetLanguageOptionString(d_, "60045");
    C(twotone::TimingCaptions[1]).text = GetLanguageOptionString(d_, "60046");
    C(twotone::TimingCaptions[2]).text = GetLanguageOptionString(d_, "60047");
    C(twotone::TimingCaptions[3]).text = GetLanguageOptionString(d_, "60048");
    C(twotone::TimingCaptions[4]).text = GetLanguageOptionString(d_, "60307");
    C(twotone::SideTone).text = GetLanguageOptionString(d_, "60312");
    C(twotone::CallFormatCaption).text = GetLanguageOptionString(d_, "60049");
    const std::string response = GetLanguageOptionString(d_, "60050");
    C(twotone::ResponseCaption).text = response;
    const std::string tone1 = GetLanguageOptionString(d_, "60054");
    const std::string tone2 = GetLanguageOptionString(d_, "60055");
    const std::string name = GetLanguageOptionString(d_, "60304");
    MSHFlexGrid1.SetText(0, 0, GetLanguageOptionString(d_, "60053"));
    MSHFlexGrid1.SetText(0, 1, tone1);
    MSHFlexGrid1.SetText(0, 2, tone2);
    MSHFlexGrid1.SetText(0, 3, name);
    const std::string toneCaption = GetLanguageOptionString(d_, "60056");
    for (int i = 0; i < 4; ++i) C(twotone::ToneCaptions[i]).text = std::string(1, char('A' + i)) + toneCaption;
    ControlState& responses = C(twotone::Response);
    responses.items = {GetLanguageOptionString(d_, "60057"), GetLanguageOptionString(d_, "60058"),
                       GetLanguageOptionString(d_, "60059")};
    C(kOKButton).text = GetLanguageOptionString(d_, "60024");
    C(kCancelButton).text = GetLanguageOptionString(d_, "60025");
    const std::string valid = GetLanguageString(d_, 7511);
    const std::string decode = GetLanguageString(d_, 8146);
    ControlState& decodeTabs = C(twotone::DecodeTabs);
    for (int k = 0; k < kDecodeEntries; ++k) {
        C(twotone::DecodeValidBoxes[k]).text = valid;
        C(twotone::DecodeTone1Captions[k]).text = tone1;
        C(twotone::DecodeTone2Captions[k]).text = tone2;
        C(twotone::DecodeResponseCaptions[k]).text = response;
        C(twotone::DecodeNameCaptions[k]).text = name;
        const std::string caption = decode + " " + std::to_string(k + 1);
        decodeTabs.tabs[static_cast<std::size_t>(k)].caption = caption;
        C(twotone::DecodeFrames[k]).text = caption;
    }
    tabs.index = 2;
    decodeTabs.index = 0;

    FillTwoToneLists();
    InitEncodeGrid();
    d_.SetDataEdit = d_.WorkData.SetData;
    ShowTwoToneData();
    IsLoaded = true;
}

void Frm2Tone::FillTwoToneLists() {
    std::vector<std::string> durations, reset, interval, formats;
    for (int j = 5; j <= 100; ++j) durations.push_back(FormatNumber(j / 10.0, "#0.0"));
    for (int j = 0; j <= 250; ++j) reset.push_back(FormatNumber(j / 10.0, "0.0"));
    for (int k = 0; k <= 20; ++k) interval.push_back(std::to_string(k * 100));
    for (const char* list : {twotone::FirstToneTime, twotone::SecondToneTime, twotone::LongToneTime})
        C(list).items = durations;
    C(twotone::Interval).items = std::move(interval);
    C(twotone::ResetTime).items = std::move(reset);
    C(twotone::CallFormat).items.assign(kCallFormatTexts.begin(), kCallFormatTexts.end());
    for (int k = 0; k < kDecodeEntries; ++k) C(twotone::DecodeResponses[k]).items = C(twotone::Response).items;
}

void Frm2Tone::InitEncodeGrid() {
    TextGrid& g = MSHFlexGrid1;
    g.SetRowHeight(0, 500);
    g.SetColWidth(0, 500);
    const int width = static_cast<int>(std::nearbyint((kGridWidth - 500 - 300) / 3.0));
    for (int c = 1; c <= 3; ++c) g.SetColWidth(c, width);
    for (int r = 1; r <= kEncodeRows; ++r) g.SetText(r, 0, std::to_string(r - 1));
    for (int c = 0; c < g.Cols(); ++c) g.SetForeColor(0, c, Rgb(0, 0, 155));
    for (int r = g.FixedRows(); r < g.Rows(); ++r) g.SetForeColor(r, 0, Rgb(0, 0, 255));
}

void Frm2Tone::ShowEncodeRow(int row) {
    const Tone2EncodeRec& e = d_.SetDataEdit.Tone2Data.Encodes[static_cast<std::size_t>(row - 1)];
    const bool used = e.Empty == 0 && (e.Divisor1H != 0 || e.Divisor1L != 0);
    const bool second = e.Divisor2H != 0 || e.Divisor2L != 0;
    MSHFlexGrid1.SetText(row, 1, used ? FormatTone(EncodeTone(e, 1)) : "");
    MSHFlexGrid1.SetText(row, 2, used && second ? FormatTone(EncodeTone(e, 2)) : "");
    MSHFlexGrid1.SetText(row, 3, used ? Latin1ToUtf8(e.Name.Trim()) : "");
}

void Frm2Tone::ShowTwoToneData() {
    Tone2DataRec& t = d_.SetDataEdit.Tone2Data;
    for (int k = 0; k < kDecodeEntries; ++k) {
        const Tone2DecodeRec& e = t.Decodes[static_cast<std::size_t>(k)];
        C(twotone::DecodeTone1Boxes[k]).text = FormatTone(e.Tone1);
        C(twotone::DecodeTone2Boxes[k]).text = FormatTone(e.Tone2);
        ControlState& list = C(twotone::DecodeResponses[k]);
        SetListIndex(list, e.Response >= 0 && e.Response < 3 ? e.Response : 0);
        C(twotone::DecodeNames[k]).text = Latin1ToUtf8(e.Name.Trim());
        ControlState& valid = C(twotone::DecodeValidBoxes[k]);
        valid.value = FlagToCheckValue(e.Valid);
        EnableDecodeEntry(k, valid.value);
    }
    for (int r = 1; r <= kEncodeRows; ++r) ShowEncodeRow(r);

    // The item of the index, else the fall-back's (by position, so equal
    // texts of a language file cannot select another entry).
    auto select = [&](const char* name, int index, int fallback) {
        ControlState& list = C(name);
        SetListIndex(list, index >= 0 && index < static_cast<int>(list.items.size()) ? index : fallback);
    };
    select(twotone::CallFormat, t.CallFormat, 0);
    select(twotone::Response, t.Response, 0);
    select(twotone::FirstToneTime, t.Duration1 - 5, 0);
    select(twotone::SecondToneTime, t.Duration2 - 5, 0);
    select(twotone::LongToneTime, t.Duration3 - 5, 5);
    select(twotone::Interval, t.Interval, 10);
    select(twotone::ResetTime, t.ResetTime, 0);

    if (t.SideTone > 1) t.SideTone = 0;
    C(twotone::SideTone).value = t.SideTone;
    EnableToneBoxes(t.CallFormat);
    for (int i = 0; i < 4; ++i) C(twotone::ToneBoxes[i]).text = FormatTone(ShownToneTenths(t, i) / 10.0);
}

void Frm2Tone::EnableToneBoxes(int format) {
    const std::array<bool, 4> on = CallFormatBoxes(format);
    for (int i = 0; i < 4; ++i) C(twotone::ToneBoxes[i]).enabled = on[static_cast<std::size_t>(i)];
}

void Frm2Tone::SaveTwoToneSettings() {
    Tone2DataRec& t = d_.SetDataEdit.Tone2Data;
    auto index = [&](const char* name) { return std::max(C(name).index, 0); };
    t.Response = static_cast<Byte>(index(twotone::Response));
    t.Interval = static_cast<Byte>(index(twotone::Interval));
    t.Duration3 = static_cast<Byte>(index(twotone::LongToneTime) + 5);
    t.Duration1 = static_cast<Byte>(index(twotone::FirstToneTime) + 5);
    t.Duration2 = static_cast<Byte>(index(twotone::SecondToneTime) + 5);
    t.ResetTime = static_cast<Byte>(index(twotone::ResetTime));
    t.SideTone = static_cast<Byte>(C(twotone::SideTone).value == 1 ? 1 : 0);
    std::array<double, 4> hz{};
    for (int i = 0; i < 4; ++i) {
        std::string& text = C(twotone::ToneBoxes[i]).text;
        text = ClampToneText(text);
        hz[static_cast<std::size_t>(i)] = ParseNumber(text).value_or(2000.0);
    }
    SaveOwnCall(t, index(twotone::CallFormat), hz);
}

void Frm2Tone::SaveEncodeCell(int row, int col) {
    if (CurTone2Row < 1 || CurTone2Col < 1) return;
    if (row < 1 || row > kEncodeRows) return;
    Tone2EncodeRec& e = d_.SetDataEdit.Tone2Data.Encodes[static_cast<std::size_t>(row - 1)];
    if (col == 3) {
        const std::string s = TrimNullStr(Utf8ToLatin1(C(twotone::NameEditor).text));
        MSHFlexGrid1.SetText(row, 3, Latin1ToUtf8(s));
        e.Name.Set(s);
    } else if (col == 1 || col == 2) {
        const std::optional<double> f = ClampEncodeTone(C(twotone::ToneEditor).text);
        if (!f) {
            MSHFlexGrid1.SetText(row, col, "");
            if (col == 1) {
                MSHFlexGrid1.SetText(row, 2, "");
                MSHFlexGrid1.SetText(row, 3, "");
            }
            ClearEncodeTone(e, col);
        } else {
            MSHFlexGrid1.SetText(row, col, FormatTone(*f));
            SetEncodeTone(e, col, *f);
        }
    }
}

void Frm2Tone::SaveDecodeEntries() {
    for (int k = 0; k < kDecodeEntries; ++k) {
        StoreDecodeEntry(d_.SetDataEdit.Tone2Data.Decodes[static_cast<std::size_t>(k)],
                         C(twotone::DecodeValidBoxes[k]).value, C(twotone::DecodeTone1Boxes[k]).text,
                         C(twotone::DecodeTone2Boxes[k]).text, std::max(C(twotone::DecodeResponses[k]).index, 0),
                         Utf8ToLatin1(C(twotone::DecodeNames[k]).text));
    }
}

void Frm2Tone::EnableDecodeEntry(int index, int value) {
    const bool on = value == 1;
    for (const ControlArray& boxes : {twotone::DecodeTone1Boxes, twotone::DecodeTone2Boxes,
                                      twotone::DecodeResponses, twotone::DecodeNames})
        C(boxes[index]).enabled = on;
}

void Frm2Tone::MSHFlexGrid1_EnterCell() {
    if (!IsLoaded) return;
    const int row = MSHFlexGrid1.row, col = MSHFlexGrid1.col;
    if ((col == 2 || col == 3) && MSHFlexGrid1.Text(row, 1).empty()) {
        // A second tone or name needs a first tone, unless this move comes
        // from the row's first-tone editor holding one.
        const bool fromFirstTone = CurTone2Row == row && CurTone2Col == 1 &&
                                   ParseNumber(TrimNullStr(C(twotone::ToneEditor).text)).has_value();
        if (!fromFirstTone) {
            GoToCell(row, 1);
            return;
        }
    }
    SaveEncodeCell(CurTone2Row, CurTone2Col);
    CurTone2Row = static_cast<Integer>(row);
    CurTone2Col = static_cast<Integer>(col);
    C(twotone::ToneEditor).visible = C(twotone::NameEditor).visible = false;
    if (col == 1 || col == 2) {
        Text1HelpContextID = kToneHelpContext + col;
        C(twotone::ToneEditor).text = MSHFlexGrid1.Text(row, col);
        C(twotone::ToneEditor).visible = true;
        State().focus = twotone::ToneEditor;
    } else if (col == 3) {
        C(twotone::NameEditor).text = MSHFlexGrid1.Text(row, col);
        C(twotone::NameEditor).visible = true;
        State().focus = twotone::NameEditor;
    }
}

void Frm2Tone::GoToCell(int row, int col) {
    MSHFlexGrid1.row = row;
    MSHFlexGrid1.col = col;
    MSHFlexGrid1_EnterCell();
}

void Frm2Tone::MSHFlexGrid1_Click() {
    if (IsLoaded) MSHFlexGrid1_EnterCell();
}

void Frm2Tone::MSHFlexGrid1_Scroll() {
    SaveEncodeCell(MSHFlexGrid1.row, MSHFlexGrid1.col);
    C(twotone::ToneEditor).visible = C(twotone::NameEditor).visible = false;
}

void Frm2Tone::Text1_KeyPress(int& keyAscii) {
    if (keyAscii != kKeyReturn) {
        keyAscii = ToneKey(keyAscii);
        return;
    }
    keyAscii = 0;
    const int row = MSHFlexGrid1.row, col = MSHFlexGrid1.col;
    if (col == 1 && C(twotone::ToneEditor).text.empty()) {
        GoToCell(NextRow(row), col);
        return;
    }
    if (col == 1) SaveEncodeCell(CurTone2Row, CurTone2Col);
    if (col < 3) GoToCell(row, col + 1);
    else GoToCell(NextRow(row), 1);
}

void Frm2Tone::Text3_KeyPress(int& keyAscii) {
    if (keyAscii != kKeyReturn) {
        keyAscii = EncodeNameKey(keyAscii);
        return;
    }
    keyAscii = 0;
    GoToCell(NextRow(MSHFlexGrid1.row), 1);
}

void Frm2Tone::Check2_Click(int index) { EnableDecodeEntry(index, C(twotone::DecodeValidBoxes[index]).value); }

void Frm2Tone::CallFormat_Click() { EnableToneBoxes(C(twotone::CallFormat).index); }

void Frm2Tone::Text2_KeyPress(int, int& keyAscii) { keyAscii = ToneKey(keyAscii); }

void Frm2Tone::Text2_LostFocus(int index) {
    std::string& text = C(twotone::ToneBoxes[index]).text;
    text = LeaveToneText(text);
}

void Frm2Tone::Text4_KeyPress(int, int& keyAscii) { keyAscii = ToneKey(keyAscii); }

void Frm2Tone::Text4_LostFocus(int index) {
    std::string& text = C(twotone::DecodeTone1Boxes[index]).text;
    text = LeaveDecodeToneText(text);
}

void Frm2Tone::Text5_KeyPress(int, int& keyAscii) { keyAscii = ToneKey(keyAscii); }

void Frm2Tone::Text5_LostFocus(int index) {
    std::string& text = C(twotone::DecodeTone2Boxes[index]).text;
    text = LeaveDecodeToneText(text);
}

void Frm2Tone::SSTab1_Click() { SSTab1HelpContextID = kTabHelpContext + C(twotone::Tabs).index; }

void Frm2Tone::CommandOK_Click() {
    SaveDecodeEntries();
    SaveTwoToneSettings();
    SaveEncodeCell(CurTone2Row, CurTone2Col);
    d_.WorkData.SetData = d_.SetDataEdit;
    CheckAllSignalRefs(d_);
    Unload();
}

void Frm2Tone::CommandCancel_Click() { Unload(); }

void Frm2Tone::Click(const std::string& control) {
    if (const int k = twotone::DecodeValidBoxes.IndexOf(control); k >= 0) Check2_Click(k);
    else if (control == twotone::CallFormat) CallFormat_Click();
    else if (control == twotone::EncodeGrid) MSHFlexGrid1_Click();
    else if (control == twotone::Tabs) SSTab1_Click();
    else if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

void Frm2Tone::KeyPress(const std::string& control, int& keyAscii) {
    if (control == twotone::ToneEditor) Text1_KeyPress(keyAscii);
    else if (control == twotone::NameEditor) Text3_KeyPress(keyAscii);
    else if (const int i = twotone::ToneBoxes.IndexOf(control); i >= 0) Text2_KeyPress(i, keyAscii);
    else if (const int k1 = twotone::DecodeTone1Boxes.IndexOf(control); k1 >= 0) Text4_KeyPress(k1, keyAscii);
    else if (const int k2 = twotone::DecodeTone2Boxes.IndexOf(control); k2 >= 0) Text5_KeyPress(k2, keyAscii);
    // Enter moves on from the tone boxes only; in a list it does nothing.
    else if (keyAscii == kKeyReturn && IsList(*this, control)) keyAscii = 0;
}

void Frm2Tone::GotFocus(const std::string& control) { State().focus = control; }

void Frm2Tone::EnterCell(const std::string& control) {
    if (control == twotone::EncodeGrid) MSHFlexGrid1_EnterCell();
}

TextGrid* Frm2Tone::Grid(const std::string& control) {
    return control == twotone::EncodeGrid ? &MSHFlexGrid1 : nullptr;
}

bool Frm2Tone::LostFocus(const std::string& control, const std::string& next) {
    if (State().focus == control) State().focus = next;
    if (const int i = twotone::ToneBoxes.IndexOf(control); i >= 0) Text2_LostFocus(i);
    else if (const int k1 = twotone::DecodeTone1Boxes.IndexOf(control); k1 >= 0) Text4_LostFocus(k1);
    else if (const int k2 = twotone::DecodeTone2Boxes.IndexOf(control); k2 >= 0) Text5_LostFocus(k2);
    return true;
}

}  // namespace rp
