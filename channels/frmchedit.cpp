#include "channels/frmchedit.h"

#include <algorithm>
#include <optional>

#include "channels/cheditkeys.h"
#include "channels/controlnames.h"
#include "core/banks.h"
#include "core/channelrecord.h"
#include "core/channelstore.h"
#include "core/conversions.h"
#include "core/language.h"
#include "core/listutils.h"
#include "core/numtext.h"
#include "core/repair.h"
#include "forms/formlanguage.h"
#include "forms/taborder.h"
#include "forms/textkeys.h"
#include "forms/tonetables.h"

namespace rp {

const LangTexts kMsgChannelNull = {"", "Channel can't be null!", "信道不能为空！"};

namespace {

constexpr const char* kEmptyRx = "FFFFFFFFF";

std::string Indexed(const char* array, int index) { return std::string(array) + "_" + std::to_string(index); }

// The text boxes, all without a context menu while the dialog is open.
const char* const kTextBoxes[] = {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5",
                                  "Text1_6", "Text1_7", "Text1_10", "Text2",  "Text3"};

// The Combo1 lists and their tags; a label Label2 of the same index goes with each.
struct ListDef {
    int index;
    const char* tag;
    bool shown;
};
constexpr ListDef kCombo1[] = {
    {0, "Step", true},        {1, "WN", true},          {2, "Power", true},
    {4, "OPT_Signal", true},  {5, "Decode", true},      {6, "", false},
    {7, "DTMF_PTT", true},    {8, "5Tone_PTT", true},   {9, "SQL", true},
    {10, "Encode", true},     {11, "", false},          {12, "", false},
    {13, "Main", true},       {15, "SQL_Level", true},  {16, "OPT_Signal_Decode", true},
};

// The controls the RX box switches on and off, besides the tone and code
// lists, Text2, Check7 and Combo1_16, which have rules of their own.
const char* const kChannelControls[] = {
    "Text1_10", "Text1_1",   "Text1_2",   "Text1_3",   "Text1_4",  "Text1_5",  "Text1_6",
    "Text1_7",  "Combo1_0",  "Combo1_1",  "Combo1_2",  "Combo1_4", "Combo1_5", "Combo1_6",
    "Combo1_7", "Combo1_8",  "Combo1_9",  "Combo1_10", "Combo1_12", "Combo1_13", "Combo1_15",
    "Check1",   "Check4_0",  "Check4_1",  "Check5",    "Check6",   "Combo2",   "Text3",
    "ListBank",
};
const char* const kToneAndCodeLists[] = {"Combo3_0", "Combo3_1", "Combo3_2", "Combo3_3", "Combo4_0",
                                         "Combo4_1", "Combo4_2", "Combo4_3", "Check2_0", "Check2_1"};

// The position of a list's chosen item; no item chosen counts as 0.
int Position(const ControlState& c) { return c.index < 0 ? 0 : c.index; }
int Tick(const ControlState& c) { return FlagToCheckValue(c.value); }
// The chosen item's text as a whole number; no item chosen gives 0.
int ItemNumber(const ControlState& c, int notANumber) {
    if (c.index < 0) return 0;
    return static_cast<int>(ValLngDef(c.SelectedItem(), notANumber));
}

// A new memory channel before the controls fill it: every byte zero but its
// number and in-use flag (the controls then set every field they show).
FreDataRec ZeroChannelRecord(int n) {
    FreDataRec r;
    r.No = static_cast<Integer>(n);
    r.Used = 1;
    return r;
}

// The preset record at 1-based position n of list kind, nullptr when none.
FreDataRec* PresetRecord(AppData& d, int kind, int n) {
    auto pick = [n](auto& list) -> FreDataRec* {
        return n >= 1 && n <= static_cast<int>(list.size()) ? &list[static_cast<std::size_t>(n - 1)]
                                                              : nullptr;
    };
    switch (kind) {
        case ListGMRS: return pick(d.WorkData.GMRSFreData);
        case ListMURS: return pick(d.WorkData.MURSFreData);
        case ListWeather: return pick(d.WorkData.WXFreData);
        default: return nullptr;
    }
}

bool IsPresetList(int kind) { return kind >= ListGMRS && kind <= ListWeather; }

}  // namespace

std::vector<int> SqlModesFor(bool toneSet, bool signallingSet) {
    if (toneSet && signallingSet) return {0, 1, 2, 3, 4};
    if (toneSet) return {0, 1};
    if (signallingSet) return {0, 2};
    return {0};
}

std::string PadPttIdCode(std::string_view code) {
    std::string s(code);
    while (s.size() < 5) s += '0';
    return s;
}

// ---- storing ------------------------------------------------------------------

ChEditStored BuildChEditRecord(AppData& d, const FormState& s, const FreDataRec& base) {
    ChEditStored st;
    FreDataRec& r = st.record;
    r = base;
    const int kind = d.ShowListType;
    // A field is written unless its control's Tag locks it for this list.
    auto editable = [&](const char* control) {
        return IsRadioFieldEditable(kind, -1, s[control].tag) != 0;
    };

    st.rxText = s["Text1_0"].text;
    st.offsetText = s["Text1_1"].text;
    st.offsetDir = s["Combo2"].index;

    if (editable("Combo1_0")) r.Step = static_cast<Integer>(Position(s["Combo1_0"]));
    if (editable("Text1_0")) st.rxText = SetRxFreData(d, r, st.rxText, true);
    if (editable("Text1_2")) {
        std::string name;
        for (int i = 2; i <= 7; ++i) {
            std::string c = Utf8ToLatin1(s[Indexed("Text1", i)].text);
            name += c.empty() ? " " : c;
        }
        r.Name.Set(name);
    }
    if (editable("Text1_10")) {
        // An empty TX box is simplex.
        const std::string& txBox = s["Text1_10"].text;
        std::string tx = txBox.empty() ? st.rxText : FormatTxFreInBand(d, txBox, r.Step, true);
        const FreOffset o = OffsetBetween(st.rxText, tx).value_or(FreOffset{});
        st.offsetDir = o.dir;
        st.offsetText = FreUnitsText(o.offset, kOffsetWholeDigits);
        r.OffsetDir = static_cast<Integer>(st.offsetDir);
        SetOffsetFreData(d, r, st.offsetText, st.rxText, true);
    }

    auto position = [&](const char* control, Integer& field) {
        if (editable(control)) field = static_cast<Integer>(Position(s[control]));
    };
    auto tick = [&](const char* control, Integer& field) {
        if (editable(control)) field = static_cast<Integer>(Tick(s[control]));
    };
    position("Combo1_1", r.WN);
    position("Combo1_2", r.Power);
    position("Combo1_5", r.DeCTCType);
    position("Combo1_10", r.EnCTCType);
    position("Combo1_6", r.Scrambler);
    position("Combo1_7", r.DTMFPttID);
    position("Combo1_8", r.Tone5PttID);
    // The visible squelch list offers a subset; the full list remembers the mode.
    if (editable("Combo1_9"))
        r.SqlMode = static_cast<Integer>(s["Combo1_9"].index < 0 ? 0 : Position(s["Combo1_11"]));
    {
        int p = Position(s["Combo1_12"]);  // the list offers no value 3
        r.ExtraDisplay = static_cast<Integer>(p <= 2 ? p : p + 1);
    }
    position("Combo1_13", r.BusyLock);
    position("Combo1_15", r.SqlLevel);
    if (editable("Combo1_4")) r.OptSig = GetOptSigType(s["Combo1_4"].SelectedItem());
    if (editable("Combo1_16")) {
        const ControlState& c = s["Combo1_16"];
        r.Tone2Decode = static_cast<Integer>(c.index < 0 ? 0 : ValLngDef(c.SelectedItem(), 1) - 1);
    }
    tick("Check1", r.TxForbid);
    position("Combo3_0", r.DeCTCSS);
    position("Combo3_1", r.EnCTCSS);
    position("Combo3_2", r.DeDCS);
    position("Combo3_3", r.EnDCS);
    tick("Check2_0", r.DeDCSInvert);
    tick("Check2_1", r.EnDCSInvert);
    position("Combo4_0", r.DTMFCode);
    r.Tone2Code = static_cast<Integer>(ItemNumber(s["Combo4_1"], 0));
    r.Tone5Code = static_cast<Integer>(ItemNumber(s["Combo4_2"], 0));
    r.MSKGroup = static_cast<Integer>(ItemNumber(s["Combo4_3"], 0));
    tick("Check4_0", r.Reverse);
    tick("Check4_1", r.TalkAround);
    tick("Check5", r.Compander);
    tick("Check6", r.ScanSkip);
    tick("Check7", r.PttIDDecode);
    r.PttIDCode.Set(Utf8ToLatin1(PadPttIdCode(s["Text2"].text)));

    st.ctcssText = CheckCTCSSText(s["Text3"].text);
    if (editable("Text3")) {
        std::optional<std::int64_t> tenths = RoundScaled(ParseNumber(st.ctcssText).value_or(151.1), 1);
        r.CustomCTCSS = static_cast<Integer>(tenths.value_or(1511));
    }
    return st;
}

ChEditOutcome EvaluateChEditOK(AppData& d, const FormState& s) {
    ChEditOutcome o;
    const int n = d.EditChannelNo;
    o.channel = n;
    o.pttIdCode = PadPttIdCode(s["Text2"].text);
    auto refuse = [&](std::string message, const char* box) {
        o.action = ChEditAction::Refused;
        o.message = std::move(message);
        o.focus = box;
        return o;
    };

    if (IsPresetList(d.ShowListType)) {
        const FreDataRec* target = PresetRecord(d, d.ShowListType, n);
        if (!target) return o;  // a position without record: nothing to store
        o.stored = BuildChEditRecord(d, s, *target);
        o.action = ChEditAction::Overwritten;
        return o;
    }

    if (n < 1 || n > kFreDataMax) return o;
    const std::string& rx = s["Text1_0"].text;
    const std::string& tx = s["Text1_10"].text;
    if (rx.empty()) {
        if (n >= ChVFO1) return refuse(kMsgVfoNull, "Text1_0");
        if (n >= ChPL1)
            return refuse(kMsgChannelNull[d.LanguageIndex == LangChinese ? 2 : 1], "Text1_0");
        o.action = IsFreDataExist(d, n) ? ChEditAction::Deleted : ChEditAction::Closed;
        return o;
    }
    if (!IsNumeric(rx)) return refuse(kNotNumericText, "Text1_0");
    if (!tx.empty() && !IsNumeric(tx)) return refuse(kNotNumericText, "Text1_10");

    const int i = FindFreDataIndex(d, n);
    FreDataRec base;
    if (i >= 0) {
        base = d.FreData[static_cast<std::size_t>(i)];
        base.Used = 1;
        o.action = ChEditAction::Overwritten;
    } else {
        base = ZeroChannelRecord(n);
        base.PttIDOn = static_cast<Integer>(Tick(s["Check3"]));
        o.action = ChEditAction::Appended;
    }
    o.stored = BuildChEditRecord(d, s, base);
    const ControlState& banks = s["ListBank"];
    for (std::size_t b = 0; b < o.banks.size() && b < banks.selected.size(); ++b) o.banks[b] = banks.selected[b];
    return o;
}

// ---- the form -------------------------------------------------------------------

FrmCHEdit::FrmCHEdit(AppData& d, MainWindowCalls& main) : Form("FrmCHEdit"), d_(d), main_(main) {
    AddControls();
}

void FrmCHEdit::AddControls() {
    FormState& s = State();
    s.tag = "1300";
    auto add = [&](const std::string& name, ControlKind kind, const char* tag, bool shown = true,
                   int maxLength = 0) {
        ControlState& c = s.Add(name, kind);
        c.tag = tag;
        c.visible = shown;
        c.max = maxLength;
        return &c;
    };
    add("Text1_0", ControlKind::TextBox, "RX", true, 9);
    add("Text1_10", ControlKind::TextBox, "TX", true, 9);
    add("Text1_1", ControlKind::TextBox, "", false, 9);
    add("Combo2", ControlKind::ComboBox, "", false);
    for (int i = 2; i <= 7; ++i) add(Indexed("Text1", i), ControlKind::TextBox, "Name", true, 1);
    for (const ListDef& l : kCombo1) add(Indexed("Combo1", l.index), ControlKind::ComboBox, l.tag, l.shown);
    add("Combo3_0", ControlKind::ComboBox, "Decode", false);
    add("Combo3_1", ControlKind::ComboBox, "Encode", false);
    add("Combo3_2", ControlKind::ComboBox, "Decode", false);
    add("Combo3_3", ControlKind::ComboBox, "Encode", false);
    add("Check2_0", ControlKind::CheckBox, "Decode", false);
    add("Check2_1", ControlKind::CheckBox, "Encode", false);
    add("Combo4_0", ControlKind::ComboBox, "OPT_Signal", false);
    for (int i = 1; i <= 3; ++i) add(Indexed("Combo4", i), ControlKind::ComboBox, "", false);
    add("Check3", ControlKind::CheckBox, "OPT_Signal", false);
    add("Text3", ControlKind::TextBox, "Define_CTCSS", true, 5);
    add("Check1", ControlKind::CheckBox, "TXForbit");
    add("Check6", ControlKind::CheckBox, "Scan");
    add("Check4_0", ControlKind::CheckBox, "Reverse");
    add("Check4_1", ControlKind::CheckBox, "TalkOff");
    add("Check5", ControlKind::CheckBox, "", false);
    add("Check7", ControlKind::CheckBox, "", false);
    add("Text2", ControlKind::TextBox, "", false, 5);
    ControlState* bank = add("ListBank", ControlKind::ListBox, "Bank");
    bank->multiSelect = true;
    for (int b = 1; b <= kBankCount; ++b) bank->items.push_back("Bank " + std::to_string(b));
    bank->selected.assign(kBankCount, false);
    add("CommandOK", ControlKind::Button, "");
    add("CommandCancel", ControlKind::Button, "");
    add("Label1_0", ControlKind::Label, "RX");
    add("Label1_1", ControlKind::Label, "", false);
    add("Label1_2", ControlKind::Label, "Name");
    add("Label1_3", ControlKind::Label, "TX");
    for (const ListDef& l : kCombo1) add(Indexed("Label2", l.index), ControlKind::Label, l.tag, l.shown);
    add("Label3", ControlKind::Label, "", false);
    add("Label4", ControlKind::Label, "Define_CTCSS");
}

void FrmCHEdit::Form_Load() {
    // Every text box takes only what its key filter lets through, and shows
    // no context menu while the dialog is open.
    for (const char* box : kTextBoxes) GuardTextBox(C(box), ChEditAllowedChars(box), C(box).max);
    if (d_.EditChannelNo > ChPU2) {
        C("Label1_2").visible = false;
        for (int i = 2; i <= 7; ++i) C(Indexed("Text1", i)).visible = false;
    }
    C("ListBank").visible = d_.EditChannelNo <= ChMemLast && !IsPresetList(d_.ShowListType);
    ChangShowByLanguage();
    InitShowList();
    LoadEditData();
}

void FrmCHEdit::Form_Unload() {
    for (const char* box : kTextBoxes) UnhookTextMenu(C(box));
}

void FrmCHEdit::ChangShowByLanguage() {
    FormState& s = State();
    s.caption = GetLanguageString(d_, 1300);
    // The language's font; the controls' Tags are field kinds, not text keys,
    // so the generic relabelling is not used here.
    if (std::string font = GetLanguageString(d_, langkey::FontName); !font.empty()) s.fontName = font;
    if (Long size = ValLngDef(GetLanguageString(d_, langkey::FontSize), 0); size > 0 && size < 200)
        s.fontSize = static_cast<int>(size);
    C("Label1_0").text = GetLanguageString(d_, 1101);
    C("Label1_1").text = GetLanguageString(d_, 1102);
    C("Label1_2").text = GetLanguageString(d_, 1103);
    C("Label1_3").text = GetLanguageString(d_, 1140);
    C("Label2_0").text = GetLanguageString(d_, 1104);
    C("Label2_1").text = GetLanguageString(d_, 1106);
    C("Label2_2").text = GetLanguageString(d_, 1109);
    C("Label2_4").text = GetLanguageString(d_, 1110);
    C("Label2_5").text = GetLanguageString(d_, 1107) + " " + GetLanguageString(d_, 1112);
    C("Label2_6").text = GetLanguageString(d_, 1742);
    C("Label2_7").text = GetLanguageString(d_, 1743);
    C("Label2_8").text = GetLanguageString(d_, 1744);
    C("Label2_9").text = GetLanguageString(d_, 1745);
    C("Label2_10").text = GetLanguageString(d_, 1107) + " " + GetLanguageString(d_, 1113);
    C("Label2_12").text = GetLanguageString(d_, 1116);
    C("Label2_13").text = GetLanguageString(d_, 1720);
    C("Label2_15").text = GetLanguageString(d_, 1119);
    C("Label2_16").text = GetLanguageString(d_, 1150);
    C("Label4").text = GetLanguageString(d_, 4030);
    C("Check1").text = GetLanguageString(d_, 1105);
    C("Check2_0").text = GetLanguageString(d_, 1301);
    C("Check2_1").text = GetLanguageString(d_, 1301);
    C("Check4_0").text = GetLanguageString(d_, 1207);
    C("Check4_1").text = GetLanguageString(d_, 1114);
    C("Check5").text = GetLanguageString(d_, 1746);
    C("Check6").text = GetLanguageString(d_, 1111);
    C("Check3").text = "PTT ID";
    C("Check7").text = "PTTID Decode";
    C("Label3").text = "PTTID Code";
    // The DCS lists: item i is the code whose octal digits give i.
    for (const char* name : {"Combo3_2", "Combo3_3"}) {
        ControlState& c = C(name);
        c.items.clear();
        for (int i = 0; i < 512; ++i) c.items.push_back(FormatOctalWidth(static_cast<Integer>(i), 3));
        c.index = -1;
    }
    SetOKCancelCaption(d_, s);
}

void FrmCHEdit::InitShowList() {
    auto fill = [&](const std::string& name, std::vector<std::string> items) {
        ControlState& c = C(name);
        c.items = std::move(items);
        c.index = -1;
        c.text.clear();
    };
    fill("Combo1_0", StepTexts());
    fill("Combo1_1", {"25KHz", "12.5KHz"});
    fill("Combo1_2", {GetLanguageString(d_, 1204), GetLanguageString(d_, 1221), GetLanguageString(d_, 1205)});
    std::vector<std::string> signalling = {GetLanguageString(d_, 1206), "DTMF", "2Tone", "5Tone"};
    if (d_.CurModel == "7425USD") signalling.push_back("MSK");
    fill("Combo1_4", signalling);
    for (const char* name : {"Combo1_5", "Combo1_10"}) fill(name, {GetLanguageString(d_, 1206), "CTCSS", "DCS"});
    fill("Combo1_6", {GetLanguageString(d_, 1755), GetLanguageString(d_, 1756)});
    for (const char* name : {"Combo1_7", "Combo1_8"})
        fill(name, {GetLanguageString(d_, 1755), GetLanguageString(d_, 1765), GetLanguageString(d_, 1766),
                    GetLanguageString(d_, 1767)});
    const std::vector<std::string> modes = {GetLanguageString(d_, 1784), GetLanguageString(d_, 1785),
                                            GetLanguageString(d_, 1786), GetLanguageString(d_, 1787),
                                            GetLanguageString(d_, 1788)};
    fill("Combo1_11", modes);
    fill("Combo1_9", modes);
    sqlModeItems_ = {0, 1, 2, 3, 4};
    // Value 3 has no item: item k stands for k up to 2 and for k + 1 from 3 on.
    fill("Combo1_12", {GetLanguageString(d_, 1210), GetLanguageString(d_, 1211), GetLanguageString(d_, 1212),
                       GetLanguageString(d_, 1214), GetLanguageString(d_, 1215), GetLanguageString(d_, 1216),
                       GetLanguageString(d_, 1217), GetLanguageString(d_, 1218), GetLanguageString(d_, 1219),
                       GetLanguageString(d_, 1220)});
    fill("Combo1_13", {GetLanguageString(d_, 1755), "Repeater", "Busy"});
    std::vector<std::string> levels;
    for (int i = 0; i <= 9; ++i) levels.push_back(std::to_string(i));
    fill("Combo1_15", levels);
    std::vector<std::string> decodes;
    const auto& t2 = d_.WorkData.Tone2Data();
    for (std::size_t k = 0; k < t2.Decodes.size(); ++k)
        if (t2.Decodes[k].Valid == 1) decodes.push_back(std::to_string(k + 1));
    fill("Combo1_16", decodes);
    fill("Combo2", {GetLanguageString(d_, 1210), "-", "+"});
    const std::vector<std::string> tones = CtcssTexts(d_);  // the own tone as item 51
    fill("Combo3_0", tones);
    fill("Combo3_1", tones);
    std::vector<std::string> dtmf;
    for (int i = 1; i <= 16; ++i) dtmf.push_back("M" + std::to_string(i));
    fill("Combo4_0", dtmf);
    std::vector<std::string> encodes, codes5, groups;
    for (std::size_t m = 0; m < t2.Encodes.size(); ++m)
        if (t2.Encodes[m].Empty == 0) encodes.push_back(std::to_string(m));
    const auto& t5 = d_.WorkData.Tone5Data();
    for (std::size_t e = 0; e < t5.Codes.size(); ++e)
        if (t5.Codes[e].Empty == 0) codes5.push_back(std::to_string(e));
    const auto& msk = d_.WorkData.MSKData;
    for (std::size_t g = 0; g < msk.Groups.size(); ++g)
        if (msk.Groups[g].Valid == 1) groups.push_back(std::to_string(g));
    fill("Combo4_1", encodes);
    fill("Combo4_2", codes5);
    fill("Combo4_3", groups);
    for (const char* name : {"Label2_7", "Combo1_7", "Label2_8", "Combo1_8"}) C(name).visible = true;
}

void FrmCHEdit::LoadEditData() {
    CopyBankToTemp(d_);
    const int n = d_.EditChannelNo;
    if (IsPresetList(d_.ShowListType)) {
        const FreDataRec* r = PresetRecord(d_, d_.ShowListType, n);
        d_.EditFreData = r ? *r : GetEmptyFreData(d_, n);
    } else {
        const int i = FindFreDataIndex(d_, n);
        d_.EditFreData = i >= 0 ? d_.FreData[static_cast<std::size_t>(i)] : GetEmptyFreData(d_, n);
    }
    ShowEditData();
}

void FrmCHEdit::SelectIndex(const std::string& name, int index) {
    ControlState& c = C(name);
    const int size = static_cast<int>(c.items.size());
    // A stored value outside the list shows its first item.
    SetListIndex(c, index >= 0 && index < size ? index : (size > 0 ? 0 : -1));
}

void FrmCHEdit::SetTick(const std::string& name, int value) {
    ControlState& c = C(name);
    if (c.value == value) return;
    c.value = value;
    if (name == "Check4_0") Check4_Click(0);
    if (name == "Check4_1") Check4_Click(1);
}

void FrmCHEdit::SelectSqlMode(int mode) {
    int item = 0;
    for (std::size_t i = 0; i < sqlModeItems_.size(); ++i)
        if (sqlModeItems_[i] == mode) item = static_cast<int>(i);
    SelectIndex("Combo1_9", item);
    SelectIndex("Combo1_11", item < static_cast<int>(sqlModeItems_.size()) ? sqlModeItems_[item] : 0);
}

// A code list shows the stored entry by its text: the first entry when the
// entry is gone, no selection when the list is empty.
void FrmCHEdit::SetCodeList(const std::string& name, int value) {
    SetComboText(C(name), std::to_string(value));
}

void FrmCHEdit::ShowEditData() {
    FreDataRec& r = d_.EditFreData;
    // 1. Tone and code lists appear with their types.
    for (const char* name : {"Combo3_0", "Combo3_1", "Combo3_2", "Combo3_3", "Combo4_0", "Combo4_1",
                             "Combo4_2", "Combo4_3", "Check2_0", "Check2_1", "Check3", "Label2_11",
                             "Combo1_11"})
        C(name).visible = false;

    // 2. Frequencies, banks, name.
    const std::string rx = DataToFreStr(d_, r.RxFre.Trim());
    C("Text1_0").text = rx;
    SelectIndex("Combo2", r.OffsetDir);
    C("Text1_1").text = DataToOffsetStr(d_, r.OffsetFre.Trim());
    C("Text1_10").text = TxDisplayText(rx, C("Text1_1").text, C("Combo2").index);
    BankListFilling = true;
    BankList flags{};
    ShowTempBankList(d_, flags, d_.EditChannelNo);
    ControlState& bank = C("ListBank");
    bank.selected.assign(flags.begin(), flags.end());
    BankListFilling = false;
    const std::string name = r.Name.Trim();
    for (std::size_t j = 0; j < 6; ++j)
        C(Indexed("Text1", static_cast<int>(j) + 2)).text = j < name.size() ? Latin1ToUtf8(name.substr(j, 1)) : "";

    // 3. Step, bandwidth, power.
    SelectIndex("Combo1_0", r.Step);
    SelectIndex("Combo1_1", r.WN);
    if (r.Power > PowerLow) r.Power = PowerHigh;
    SelectIndex("Combo1_2", r.Power);

    // 4. Signalling.
    C("Combo1_16").enabled = false;
    {
        ControlState& sig = C("Combo1_4");
        int item = 0;
        if (r.OptSig >= SigDTMF && r.OptSig <= SigMSK) {
            static const char* const kNames[] = {"", "DTMF", "2Tone", "5Tone", "MSK"};
            item = std::max(0, FindComboIndex(sig, FindComboItem(sig, kNames[r.OptSig]), 0));
        }
        SelectIndex("Combo1_4", item);
        Combo1_Click(4);
        if (sig.SelectedItem() == "2Tone") C("Combo1_16").enabled = true;
    }

    // 5. Tone types.
    SelectIndex("Combo1_5", r.DeCTCType);
    Combo1_Click(5);
    SelectIndex("Combo1_10", r.EnCTCType);
    Combo1_Click(10);

    // 6. Scrambler and the PTT-IDs, which exclude each other.
    SelectIndex("Combo1_6", r.Scrambler);
    SelectIndex("Combo1_7", r.DTMFPttID);
    Combo1_Click(7);
    SelectIndex("Combo1_8", r.Tone5PttID);
    Combo1_Click(8);

    // 7. Squelch mode, extra display, busy lock, squelch level, two-tone decode.
    SelectSqlMode(r.SqlMode);
    {
        const int v = r.ExtraDisplay;
        SelectIndex("Combo1_12", v >= 0 && v <= 2 ? v : (v >= 4 && v <= 10 ? v - 1 : 0));
    }
    SelectIndex("Combo1_13", r.BusyLock);
    SelectIndex("Combo1_15", r.SqlLevel);
    SetCodeList("Combo1_16", r.Tone2Decode + 1);

    // 8. TX inhibit, reverse and talk-around (each excludes the other), then
    // the squelch list for the reverse shown. The stored mode is chosen again
    // now that the list follows the reverse tick.
    C("Check1").value = FlagToCheckValue(r.TxForbid);
    SetTick("Check4_0", FlagToCheckValue(r.Reverse));
    SetTick("Check4_1", FlagToCheckValue(r.TalkAround));
    ReShowSqlModeList();
    for (int mode : sqlModeItems_)
        if (mode == r.SqlMode) SelectSqlMode(mode);

    // 9. Compander, scan skip, PTT-ID decode and code.
    C("Check5").value = FlagToCheckValue(r.Compander);
    C("Check6").value = FlagToCheckValue(r.ScanSkip);
    C("Check7").value = FlagToCheckValue(r.PttIDDecode);
    C("Text2").text = Latin1ToUtf8(r.PttIDCode.Trim());

    // 10. The code list of the stored signalling.
    ShowSignallingCode();

    // 11. Decode, then encode tone.
    ShowTone(false);
    ShowTone(true);

    // 12. The channel's own CTCSS tone.
    C("Text3").text = FormatNumber(r.CustomCTCSS / 10.0, "#.0");

    // 13. Enabling by RX, then the locks of the list kind.
    const std::string stored = r.RxFre.Trim();
    if (!stored.empty() && stored != kEmptyRx)
        SetControlsByFre();
    else
        SetControlsByEmptyFre();
    SetEnabledByListType();
}

// Every code list holds its stored entry, shown or not, so an OK stores back
// what the record held; the list of the stored signalling is shown.
void FrmCHEdit::ShowSignallingCode() {
    const FreDataRec& r = d_.EditFreData;
    SelectIndex("Combo4_0", r.DTMFCode);
    SetCodeList("Combo4_1", r.Tone2Code);
    SetCodeList("Combo4_2", r.Tone5Code);
    SetCodeList("Combo4_3", r.MSKGroup);
    C("Check3").value = 0;
    switch (r.OptSig) {
        case SigDTMF:
            C("Combo4_0").visible = true;
            C("Check3").value = FlagToCheckValue(r.PttIDOn);
            break;
        case Sig2Tone: C("Combo4_1").visible = true; break;
        case Sig5Tone:
            C("Combo4_2").visible = true;
            C("Check3").value = FlagToCheckValue(r.PttIDOn);
            break;
        case SigMSK: C("Combo4_3").visible = true; break;
        default: break;
    }
}

// The tone lists hold the stored tone and code whatever the type; the list
// of the stored type is shown, with the inverted tick for DCS.
void FrmCHEdit::ShowTone(bool encode) {
    const FreDataRec& r = d_.EditFreData;
    const std::string ctcss = encode ? "Combo3_1" : "Combo3_0";
    const std::string dcs = encode ? "Combo3_3" : "Combo3_2";
    const std::string inverted = encode ? "Check2_1" : "Check2_0";
    SelectIndex(ctcss, encode ? r.EnCTCSS : r.DeCTCSS);
    SelectIndex(dcs, encode ? r.EnDCS : r.DeDCS);
    C(inverted).value = FlagToCheckValue(encode ? r.EnDCSInvert : r.DeDCSInvert);
    const int type = encode ? r.EnCTCType : r.DeCTCType;
    if (type == CtcCTCSS) C(ctcss).visible = true;
    if (type == CtcDCS) {
        C(dcs).visible = true;
        C(inverted).visible = true;
    }
}

// ---- field rules ------------------------------------------------------------------

void FrmCHEdit::SetEnabledByListType() {
    for (const std::string& name : State().Names()) {
        ControlState& c = C(name);
        if (IsRadioFieldEditable(d_.ShowListType, -1, c.tag) == 0) c.enabled = false;
    }
}

void FrmCHEdit::SetControlsByFre() {
    for (const char* name : kChannelControls) C(name).enabled = true;
    C("Text1_0").enabled = true;
    C("Combo1_16").enabled = C("Combo1_4").SelectedItem() == "2Tone";
    for (const char* name : kToneAndCodeLists) C(name).enabled = C(name).visible;
    const bool edgeOrMemory = d_.EditChannelNo <= ChPL2;
    C("Text2").enabled = edgeOrMemory;
    C("Check7").enabled = edgeOrMemory;
}

void FrmCHEdit::SetControlsByEmptyFre() {
    for (const char* name : kChannelControls) C(name).enabled = false;
    for (const char* name : {"Text2", "Check7", "Combo1_16"}) C(name).enabled = false;
    for (const char* name : kToneAndCodeLists)
        if (C(name).visible) C(name).enabled = false;
}

void FrmCHEdit::Text1_Change(int index) {
    if (index != 0) return;
    if (C("Text1_0").text.empty())
        SetControlsByEmptyFre();
    else
        SetControlsByFre();
}

void FrmCHEdit::Combo1_Click(int index) {
    switch (index) {
        case 4: {
            for (const char* name : {"Combo4_0", "Combo4_1", "Combo4_2", "Combo4_3", "Check3"})
                C(name).visible = false;
            C("Combo1_16").enabled = false;
            const std::string kind = C("Combo1_4").SelectedItem();
            std::string shown;
            if (kind == "DTMF") shown = "Combo4_0";
            if (kind == "2Tone") {
                C("Combo1_16").enabled = true;
                shown = "Combo4_1";
            }
            if (kind == "5Tone") shown = "Combo4_2";
            if (kind == "MSK") shown = "Combo4_3";
            if (!shown.empty()) {
                ControlState& c = C(shown);
                c.visible = true;
                c.enabled = true;
                SelectIndex(shown, 0);
            }
            ReShowSqlModeList();
            break;
        }
        case 5:
        case 10: {
            const bool encode = index == 10;
            const std::string ctcss = encode ? "Combo3_1" : "Combo3_0";
            const std::string dcs = encode ? "Combo3_3" : "Combo3_2";
            const std::string inverted = encode ? "Check2_1" : "Check2_0";
            for (const std::string& name : {ctcss, dcs, inverted}) C(name).visible = false;
            ReShowSqlModeList();
            const int type = C(Indexed("Combo1", index)).index;
            // The list of the new type starts at its first item.
            const std::string shown = type == CtcCTCSS ? ctcss : (type == CtcDCS ? dcs : "");
            if (!shown.empty()) {
                C(shown).visible = true;
                C(shown).enabled = true;
                SelectIndex(shown, 0);
            }
            if (type == CtcDCS) {
                ControlState& tick = C(inverted);
                tick.visible = true;
                tick.enabled = true;
                tick.value = 0;
            }
            break;
        }
        case 7:
            if (C("Combo1_7").index >= 1) SelectIndex("Combo1_8", 0);
            break;
        case 8:
            if (C("Combo1_8").index >= 1) SelectIndex("Combo1_7", 0);
            break;
        case 9: {
            // The full list remembers the mode chosen.
            const int item = C("Combo1_9").index;
            if (item >= 0 && item < static_cast<int>(sqlModeItems_.size()))
                SelectIndex("Combo1_11", sqlModeItems_[static_cast<std::size_t>(item)]);
            break;
        }
        default:
            break;
    }
}

void FrmCHEdit::Check4_Click(int index) {
    if (index != 0 && index != 1) return;
    if (C(Indexed("Check4", index)).value == 1) C(Indexed("Check4", 1 - index)).value = 0;
    ReShowSqlModeList();
}

void FrmCHEdit::ReShowSqlModeList() {
    // Remember the mode shown.
    const int item = C("Combo1_9").index;
    const int mode = item >= 0 && item < static_cast<int>(sqlModeItems_.size())
                         ? sqlModeItems_[static_cast<std::size_t>(item)]
                         : 0;
    SelectIndex("Combo1_11", mode);

    ControlState& list = C("Combo1_9");
    const std::vector<std::string>& all = C("Combo1_11").items;
    auto text = [&](int m) { return m < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(m)] : ""; };
    list.items = {text(0)};
    sqlModeItems_ = {0};
    SetListIndex(list, -1);

    const int reverse = C("Check4_0").value;
    if (reverse != 0 && reverse != 1) return;
    const int toneType = reverse == 1 ? C("Combo1_10").index : C("Combo1_5").index;
    sqlModeItems_ = SqlModesFor(toneType > 0, C("Combo1_4").index >= 1);
    list.items.clear();
    for (int m : sqlModeItems_) list.items.push_back(text(m));
    int chosen = 0;
    for (std::size_t i = 0; i < sqlModeItems_.size(); ++i)
        if (sqlModeItems_[i] == mode) chosen = static_cast<int>(i);
    SetListIndex(list, chosen);
    SelectIndex("Combo1_11", sqlModeItems_[static_cast<std::size_t>(chosen)]);
}

// ---- storing -----------------------------------------------------------------------

void FrmCHEdit::ShowStoredTexts(const ChEditStored& st) {
    C("Text1_0").text = st.rxText;
    C("Text1_1").text = st.offsetText;
    SelectIndex("Combo2", st.offsetDir);
    C("Text3").text = st.ctcssText;
}

bool FrmCHEdit::AddNewUFreData(const FreDataRec& record) { return AppendFreData(d_, record); }

void FrmCHEdit::CommandOK_Click() {
    C("Text2").text = PadPttIdCode(C("Text2").text);
    last_ = EvaluateChEditOK(d_, State());
    if (last_.action == ChEditAction::Refused) {
        d_.Ui.Notify->Show(last_.message, MsgIcon::None, MsgButtons::Ok, "");
        State().focus = last_.focus;
        return;
    }
    CommitOutcome(last_);
    Unload();
}

void FrmCHEdit::CommitOutcome(const ChEditOutcome& o) {
    const int n = o.channel;
    auto redraw = [&] { main_.ReShowGrid(0, n, 0); };
    if (IsPresetList(d_.ShowListType)) {
        FreDataRec* target = PresetRecord(d_, d_.ShowListType, n);
        if (!target || o.action != ChEditAction::Overwritten) return;
        ShowStoredTexts(o.stored);
        *target = o.stored.record;
        redraw();
        return;
    }
    if (n < 1 || n > kFreDataMax) return;
    switch (o.action) {
        case ChEditAction::Deleted:
            CopyTempToBank(d_);
            DeleteFreData(d_, n);  // refuses the last memory channel with its own message
            break;
        case ChEditAction::Overwritten: {
            ShowStoredTexts(o.stored);
            CopyTempToBank(d_);
            const int i = FindFreDataIndex(d_, n);
            if (i >= 0) d_.FreData[static_cast<std::size_t>(i)] = o.stored.record;
            SetChannelBanksByList(d_, n, o.banks);
            break;
        }
        case ChEditAction::Appended:
            ShowStoredTexts(o.stored);
            CopyTempToBank(d_);
            if (AddNewUFreData(o.stored.record)) SetChannelBanksByList(d_, n, o.banks);
            break;
        default:
            break;
    }
    redraw();
    CheckOptionChannels(d_);
}

void FrmCHEdit::CommandCancel_Click() { Unload(); }

// ---- input --------------------------------------------------------------------------

void FrmCHEdit::FocusNext(const std::string& from) {
    const std::string next = NextFocusInOrder(ChEditTabOrder(), from, [this](const std::string& name) {
        const ControlState& c = C(name);
        return c.visible && c.enabled;
    });
    if (!next.empty()) State().focus = next;
}

namespace {
void FilterBoxKey(FrmCHEdit& f, const std::string& box, int& keyAscii) {
    const ChEditKey k = ChEditFilterKey(box, keyAscii);
    keyAscii = k.key;
    if (k.tabNow) f.FocusNext(box);
    if (k.tabAfter) f.focusNextAfterKey = box;
}
}  // namespace

void FrmCHEdit::Text1_KeyPress(int index, int& keyAscii) { FilterBoxKey(*this, Indexed("Text1", index), keyAscii); }
void FrmCHEdit::Text2_KeyPress(int& keyAscii) { FilterBoxKey(*this, "Text2", keyAscii); }
void FrmCHEdit::Text3_KeyPress(int& keyAscii) { FilterBoxKey(*this, "Text3", keyAscii); }

void FrmCHEdit::Text1_GotFocus(int index) { selectAllRequest = Indexed("Text1", index); }
void FrmCHEdit::Text2_GotFocus() { selectAllRequest = "Text2"; }
void FrmCHEdit::Text3_GotFocus() { selectAllRequest = "Text3"; }

void FrmCHEdit::Text3_LostFocus() { C("Text3").text = CheckCTCSSText(C("Text3").text); }

void FrmCHEdit::ListBank_ItemCheck(int item) {
    if (BankListFilling) return;
    ControlState& bank = C("ListBank");
    if (item < 0 || item >= static_cast<int>(bank.selected.size())) return;
    // A full bank takes no further channel; unticking is never refused.
    if (bank.selected[static_cast<std::size_t>(item)] && !CanAddToTempBank(d_, d_.EditChannelNo, item + 1))
        bank.selected[static_cast<std::size_t>(item)] = false;
}

// ---- dispatch -------------------------------------------------------------------------

void FrmCHEdit::Click(const std::string& control) {
    if (control == "CommandOK") return CommandOK_Click();
    if (control == "CommandCancel") return CommandCancel_Click();
    if (int i = ElementIndex(control, "Combo1"); i >= 0) return Combo1_Click(i);
    if (int i = ElementIndex(control, "Check4"); i >= 0) return Check4_Click(i);
}

void FrmCHEdit::ItemCheck(const std::string& control, int item) {
    if (control == "ListBank") ListBank_ItemCheck(item);
}

void FrmCHEdit::Change(const std::string& control) {
    if (int i = ElementIndex(control, "Text1"); i >= 0) Text1_Change(i);
}

void FrmCHEdit::KeyPress(const std::string& control, int& keyAscii) {
    if (int i = ElementIndex(control, "Text1"); i >= 0) return Text1_KeyPress(i, keyAscii);
    if (control == "Text2") return Text2_KeyPress(keyAscii);
    if (control == "Text3") return Text3_KeyPress(keyAscii);
    if (keyAscii == kKeyReturn && ChEditEnterMovesOn(control)) {
        keyAscii = 0;
        FocusNext(control);
    }
}

void FrmCHEdit::GotFocus(const std::string& control) {
    if (int i = ElementIndex(control, "Text1"); i >= 0) return Text1_GotFocus(i);
    if (control == "Text2") return Text2_GotFocus();
    if (control == "Text3") return Text3_GotFocus();
}

bool FrmCHEdit::LostFocus(const std::string& control, const std::string& next) {
    (void)next;
    if (control == "Text3") Text3_LostFocus();
    return true;
}

bool FrmCHEdit::QueryUnload() {
    Form_Unload();
    return true;
}

}  // namespace rp
