#include "channels/frmchbatch.h"

#include <algorithm>
#include <cmath>

#include "channels/batchfun.h"
#include "channels/controlnames.h"
#include "core/language.h"
#include "core/numtext.h"
#include "forms/formlanguage.h"
#include "forms/taborder.h"
#include "forms/textkeys.h"
#include "forms/tonetables.h"

namespace rp {

namespace {

std::string Indexed(const char* array, int index) { return std::string(array) + "_" + std::to_string(index); }

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kAlphaNum = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// The option groups and their number of buttons.
struct OptionGroup {
    int number;
    int count;
};
constexpr OptionGroup kOptionGroups[] = {{1, 2}, {2, 2}, {3, 3}, {4, 2}, {5, 2},
                                         {6, 2}, {7, 2}, {8, 2}, {9, 2}, {10, 2}};

std::string OptionName(int group, int index) { return "Option" + std::to_string(group) + "_" + std::to_string(index); }

// The controls of the value panel and of the selection panel.
bool InValuePanel(std::string_view c) {
    for (std::string_view a : {"Label3", "Label4", "Text2", "Combo1", "Check1", "Check3"})
        if (ElementIndex(c, a) >= 0) return true;
    for (int g = 2; g <= 10; ++g)
        if (ElementIndex(c, "Option" + std::to_string(g)) >= 0) return true;
    return c == "Label5" || c == "Text3";
}
bool InSelectionPanel(std::string_view c) {
    return ElementIndex(c, "Check2") >= 0 || c == "CommandSelAll" || c == "CommandSelNone";
}

}  // namespace

const std::vector<std::string>& BatchRowControls(int function) {
    static const std::vector<std::vector<std::string>> rows = {
        {"Label3_0", "Label4_0", "Text2_0", "Label4_1", "Text2_1", "Option2_0", "Option2_1"},
        {"Label3_1", "Option3_0", "Option3_1", "Option3_2", "Text2_2", "Option4_0", "Option4_1", "Text2_3",
         "Label4_2", "Text2_4", "Option5_0", "Option5_1"},
        {"Label3_2", "Label4_3", "Combo1_0", "Label4_4", "Text2_5", "Check3_0", "Option9_0", "Option9_1"},
        {"Label3_3", "Label4_5", "Combo1_1", "Label4_6", "Text2_6", "Check3_1", "Check3_2", "Option10_0",
         "Option10_1"},
        {"Label3_4", "Option6_0", "Option6_1", "Text2_7", "Text2_8", "Label4_7", "Text2_9", "Option7_0",
         "Option7_1"},
        {"Label3_6", "Combo1_2"},
        {"Label3_7", "Combo1_3"},
        {"Label3_8", "Combo1_4"},
        {"Label3_9", "Combo1_5", "Combo1_11", "Combo1_12", "Combo1_13", "Combo1_14", "Label3_16", "Combo1_16"},
        {"Label3_10", "Combo1_6"},
        {"Label3_11", "Combo1_7"},
        {"Label3_12", "Combo1_8"},
        {"Label3_13", "Combo1_9"},
        {"Label3_14", "Combo1_10"},
        {"Check1_0"},
        {"Check1_1"},
        {"Check1_2"},
        {"Check1_3"},
        {"Check1_4"},
        {"Label5", "Text3"},
        {"Label3_15", "Combo1_15"},
    };
    static const std::vector<std::string> none;
    return function >= 0 && function < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(function)]
                                                                       : none;
}

bool IsBatchNeverShown(std::string_view c) {
    for (std::string_view n : {"Check2_15", "Check1_1", "Label3_13", "Combo1_9", "Combo1_14", "Label3_5",
                               "Text2_10", "Label4_8", "Text2_11", "Label4_9", "Option8_0", "Option8_1"})
        if (c == n) return true;
    return false;
}

std::string BatchAllowedChars(std::string_view c) {
    if (ElementIndex(c, "Text1") >= 0) return std::string(kDigits);
    if (c == "Text3") return std::string(kFrequencyChars);
    const int i = ElementIndex(c, "Text2");
    if (i < 0 || i > 11) return "";
    if (i <= 4) return std::string(kFrequencyChars);
    if (i == 7) return std::string(kAlphaNum);
    return std::string(kDigits);
}

const std::vector<std::string>& BatchTabOrder() {
    static const std::vector<std::string> order = [] {
        std::vector<std::string> o = {"Option1_0", "Option1_1", "Text1_0", "Text1_1", "Check4", "CommandFun"};
        for (int f = 0; f <= 4; ++f)
            for (const std::string& c : BatchRowControls(f))
                if (c.rfind("Label", 0) != 0) o.push_back(c);
        for (const char* c : {"Text2_10", "Text2_11", "Option8_0", "Option8_1"}) o.push_back(c);
        for (int f = 5; f <= 20; ++f)
            for (const std::string& c : BatchRowControls(f))
                if (c.rfind("Label", 0) != 0) o.push_back(c);
        for (int i = 0; i <= 20; ++i) o.push_back(Indexed("Check2", i));
        for (const char* c : {"CommandSelAll", "CommandSelNone", "CommandApply", "CommandClose"}) o.push_back(c);
        return o;
    }();
    return order;
}

// ---- the form ---------------------------------------------------------------------

FrmCHBatch::FrmCHBatch(AppData& d) : Form("FrmCHBatch"), d_(d) {
    ownRandom_ = std::make_unique<ClockRandomSource>();
    random_ = ownRandom_.get();
    AddControls();
}

void FrmCHBatch::AddControls() {
    FormState& s = State();
    s.tag = "4000";
    auto add = [&](const std::string& name, ControlKind kind) -> ControlState& { return s.Add(name, kind); };
    // The range area.
    add("Label1", ControlKind::Label);
    add("Option1_0", ControlKind::OptionButton);
    add("Option1_1", ControlKind::OptionButton);
    ControlState& from = add("Text1_0", ControlKind::TextBox);
    from.max = 3;
    from.text = "0";
    add("Label2", ControlKind::Label);
    ControlState& to = add("Text1_1", ControlKind::TextBox);
    to.max = 3;
    to.text = "199";
    add("Check4", ControlKind::CheckBox);
    add("CommandFun", ControlKind::Button);
    // The two panels.
    add("Frame1", ControlKind::Frame);
    add("Frame2", ControlKind::Frame).visible = false;
    for (int k = 0; k <= 16; ++k) add(Indexed("Label3", k), ControlKind::Label);
    for (int k = 0; k <= 9; ++k) add(Indexed("Label4", k), ControlKind::Label);
    add("Label5", ControlKind::Label);
    for (int k = 0; k < kBatchBoxCount; ++k)
        add(Indexed("Text2", k), ControlKind::TextBox).max = kBatchBoxMaxLen[static_cast<std::size_t>(k)];
    add("Text3", ControlKind::TextBox).max = 5;
    for (const OptionGroup& g : kOptionGroups)
        for (int i = 0; i < g.count; ++i) add(OptionName(g.number, i), ControlKind::OptionButton);
    for (int k = 0; k < kBatchListCount; ++k) add(Indexed("Combo1", k), ControlKind::ComboBox);
    for (int k = 0; k <= 4; ++k) add(Indexed("Check1", k), ControlKind::CheckBox);
    for (int k = 0; k <= 2; ++k) add(Indexed("Check3", k), ControlKind::CheckBox);
    for (int k = 0; k <= 20; ++k) add(Indexed("Check2", k), ControlKind::CheckBox);
    add("CommandSelAll", ControlKind::Button);
    add("CommandSelNone", ControlKind::Button);
    add("CommandApply", ControlKind::Button);
    add("CommandClose", ControlKind::Button);

    // Hidden in the design: the rows of functions not (yet) chosen show
    // through ShowBatchFun; the rest never shows.
    for (const std::string& name : s.Names())
        if (IsBatchNeverShown(name)) s[name].visible = false;
    for (const char* name : {"Label3_14", "Label3_15", "Combo1_10", "Combo1_11", "Combo1_12", "Combo1_13",
                             "Combo1_15"})
        s[name].visible = false;

    // Every text box takes only what its key filter lets through.
    for (const std::string& name : s.Names()) {
        ControlState& c = s[name];
        if (c.kind == ControlKind::TextBox) GuardTextBox(c, BatchAllowedChars(name), c.max);
    }
}

void FrmCHBatch::Form_Load() {
    IsFunPanelShown = false;
    InitShowList();
    ChangShowByLanguage();
    SetShowData();
}

void FrmCHBatch::InitShowList() {
    auto fill = [&](int k, std::vector<std::string> items) {
        ControlState& c = C(Indexed("Combo1", k));
        c.items = std::move(items);
        c.index = -1;
        c.text.clear();
    };
    auto keys = [&](std::initializer_list<int> list) {
        std::vector<std::string> v;
        for (int key : list) v.push_back(GetLanguageString(d_, key));
        return v;
    };
    const std::vector<std::string> tones = BatchToneListItems(d_);
    fill(0, tones);
    fill(1, tones);
    fill(2, StepTexts());
    fill(3, {"25KHz", "20KHz", "12.5KHz"});
    fill(4, keys({4072, 4073, 4074}));
    std::vector<std::string> signalling = {GetLanguageString(d_, 4070), "DTMF", "2Tone", "5Tone"};
    if (d_.CurModel == "7425USD") signalling.push_back("MSK");
    fill(5, signalling);
    fill(6, keys({4075, 4076, 4077, 4078, 4079}));
    fill(7, keys({4071, 4080, 4081, 4082}));
    fill(8, keys({4071, 4080, 4081, 4082}));
    fill(9, keys({4071, 4083}));
    fill(10, keys({4071, 4084, 4085}));

    std::vector<std::string> dtmf, encodes, codes5, groups, levels, decodes;
    const auto& mem = d_.DTMFData().MemCodes;
    for (std::size_t n = 0; n < mem.size(); ++n)
        if (mem[n].CodeLen > 0) dtmf.push_back("M" + std::to_string(n + 1));
    const auto& t2 = d_.Tone2Data();
    for (std::size_t n = 0; n < t2.Encodes.size(); ++n)
        if (t2.Encodes[n].Empty == 0) encodes.push_back(std::to_string(n));
    const auto& t5 = d_.Tone5Data().Codes;
    for (std::size_t n = 0; n < t5.size(); ++n)
        if (t5[n].Empty == 0) codes5.push_back(std::to_string(n));
    const auto& msk = d_.WorkData.MSKData.Groups;
    for (std::size_t n = 0; n < msk.size(); ++n)
        if (msk[n].Valid == 1) groups.push_back(std::to_string(n));
    for (int n = 0; n <= 9; ++n) levels.push_back(std::to_string(n));
    for (std::size_t n = 0; n < t2.Decodes.size(); ++n)
        if (t2.Decodes[n].Valid == 1) decodes.push_back(std::to_string(n + 1));
    fill(11, dtmf);
    fill(12, encodes);
    fill(13, codes5);
    fill(14, groups);
    fill(15, levels);
    fill(16, decodes);
}

void FrmCHBatch::ChangShowByLanguage() {
    FormState& s = State();
    auto text = [&](int key) { return GetLanguageString(d_, key); };
    auto set = [&](const std::string& name, int key) { C(name).text = text(key); };
    s.caption = text(4000);
    if (std::string font = text(langkey::FontName); !font.empty()) s.fontName = font;
    if (std::optional<std::int64_t> size = ParseWhole(text(langkey::FontSize)); size && *size > 0 && *size < 200)
        s.fontSize = static_cast<int>(*size);
    set("Label1", 4001);
    set("Option1_0", 4002);
    set("Option1_1", 4003);
    set("Label2", 4004);
    set("CommandApply", 4007);
    set("CommandClose", 4008);
    set("CommandSelAll", 4045);
    set("CommandSelNone", 4046);
    set("Check4", 4099);
    for (int k = 0; k <= 14; ++k) set(Indexed("Label3", k), 4010 + k);
    set("Label3_15", 1119);
    set("Label3_16", 4039);
    for (int k = 0; k <= 4; ++k) set(Indexed("Check1", k), 4025 + k);
    for (int k = 0; k <= 4; ++k) set(Indexed("Check2", k), 4010 + k);
    for (int k = 5; k <= 18; ++k) set(Indexed("Check2", k), 4011 + k);
    set("Check2_20", 1119);
    for (int g : {2, 5, 7, 8, 9, 10}) {
        set(OptionName(g, 0), 4040);
        set(OptionName(g, 1), 4041);
    }
    set("Option4_0", 4042);
    set("Option4_1", 4043);
    set("Check3_0", 4044);
    set("Check3_1", 4044);
    set("Check3_2", 4052);
    set("Label4_0", 4050);
    set("Label4_1", 4051);
    set("Option3_0", 4052);
    set("Option3_1", 4053);
    set("Option3_2", 4050);
    set("Label4_2", 4054);
    set("Label4_3", 4055);
    set("Label4_4", 4056);
    set("Label4_5", 4055);
    set("Label4_6", 4056);
    set("Option6_0", 4057);
    set("Option6_1", 4058);
    set("Label4_7", 4059);
    set("Label4_8", 4060);
    set("Label4_9", 4056);
    set("Label5", 4030);
    set("Check2_19", 4030);
    ShowPanels();
}

void FrmCHBatch::SetShowData() {
    // 1. The choice boxes; a box that changes runs its click handling.
    for (int i = 0; i < kBatchFunCount; ++i) SetTick(Indexed("Check2", i), IsBatchFunOn(d_.BatchFunFlag[static_cast<std::size_t>(i)]));
    // 2. The rows.
    ShowBatchFun();
    // 3. The value boxes.
    C("Text2_0").text = FormatNumber(d_.RxBandLow[0], "#0.00000");
    C("Text2_1").text = "0";
    C("Text2_2").text = "0.00000";
    C("Text2_3").text = FormatNumber(d_.TxBandLow[0], "#0.00000");
    for (int k : {4, 5, 6, 8, 9, 11}) C(Indexed("Text2", k)).text = "0";
    C("Text2_10").text = "000";
    // 4. Encode same as decode, with its rule run.
    C("Check3_2").value = 1;
    Check3_Click(2);
    // 5. The first button of every option group; the rules of the range,
    // the TX mode and the name mode run whether or not the choice changed.
    for (const OptionGroup& g : kOptionGroups) {
        SelectOption("Option" + std::to_string(g.number), 0);
        if (g.number == 1) Option1_Click(0);
        if (g.number == 3) Option3_Click(0);
        if (g.number == 6) Option6_Click(0);
    }
    // 6. The first entry of every list that has one, with its rule run.
    for (int k = 0; k < kBatchListCount; ++k) {
        if (C(Indexed("Combo1", k)).items.empty()) continue;
        SelectEntry(Indexed("Combo1", k), 0);
        Combo1_Click(k);
    }
    // 7. Squelch level 3.
    SelectEntry("Combo1_15", 3);
}

// ---- batch functions ----------------------------------------------------------------

void FrmCHBatch::ShowRow(int function, bool on) {
    for (const std::string& name : BatchRowControls(function)) C(name).visible = on && !IsBatchNeverShown(name);
}

void FrmCHBatch::Check2_Click(int index) {
    if (index < 0 || index >= kBatchFunCount) return;
    const bool ticked = C(Indexed("Check2", index)).value == 1;
    // The flag stays in memory even when the file cannot be rewritten.
    StoreBatchFunChoice(d_, index, ticked);
    ShowRow(index, d_.BatchFunFlag[static_cast<std::size_t>(index)] != 0);
}

void FrmCHBatch::ShowBatchFun() {
    for (int i = 0; i < kBatchFunCount; ++i) ShowRow(i, d_.BatchFunFlag[static_cast<std::size_t>(i)] != 0);
}

void FrmCHBatch::CommandSelAll_Click() {
    for (int i = 0; i < kBatchFunCount; ++i)
        if (C(Indexed("Check2", i)).visible) SetTick(Indexed("Check2", i), 1);
}

void FrmCHBatch::CommandSelNone_Click() {
    for (int i = 0; i < kBatchFunCount; ++i)
        if (C(Indexed("Check2", i)).visible) SetTick(Indexed("Check2", i), 0);
}

// A box set from code: its click handling runs when the value changes.
void FrmCHBatch::SetTick(const std::string& box, int value) {
    ControlState& c = C(box);
    if (c.value == value) return;
    c.value = value;
    Click(box);
}

void FrmCHBatch::SelectOption(const std::string& group, int index) {
    for (int i = 0;; ++i) {
        const std::string name = group + "_" + std::to_string(i);
        if (!State().Has(name)) break;
        C(name).value = i == index ? 1 : 0;
    }
}

void FrmCHBatch::SelectEntry(const std::string& list, int index) { SetListIndex(C(list), index); }

// ---- control rules ---------------------------------------------------------------------

void FrmCHBatch::Option1_Click(int) {
    if (C("Option1_0").value == 1) {
        C("Text1_0").enabled = false;
        C("Text1_1").enabled = false;
    } else if (C("Option1_1").value == 1) {
        C("Text1_0").enabled = true;
        C("Text1_1").enabled = true;
    }
}

void FrmCHBatch::Option3_Click(int) {
    int mode = -1;
    for (int i = 0; i <= 2 && mode < 0; ++i)
        if (C(OptionName(3, i)).value == 1) mode = i;
    if (mode < 0) return;
    const bool offset = mode == 1, start = mode == 2;
    for (const char* name : {"Text2_2", "Option4_0", "Option4_1"}) C(name).enabled = offset;
    for (const char* name : {"Text2_3", "Text2_4", "Option5_0", "Option5_1"}) C(name).enabled = start;
}

void FrmCHBatch::Option6_Click(int) {
    bool on;
    if (C("Option6_0").value == 1)
        on = false;
    else if (C("Option6_1").value == 1)
        on = true;
    else
        return;
    for (const char* name : {"Text2_8", "Text2_9", "Option7_0", "Option7_1"}) C(name).enabled = on;
}

void FrmCHBatch::Check1_Click(int index) {
    if (index != 3 && index != 4) return;
    if (C(Indexed("Check1", index)).value <= 0) return;
    // Reverse and talk-around exclude each other.
    SetTick(Indexed("Check1", index == 3 ? 4 : 3), 0);
}

void FrmCHBatch::Check3_Click(int index) {
    auto enable = [&](std::initializer_list<const char*> names, bool on) {
        for (const char* name : names) C(name).enabled = on;
    };
    const bool ticked = C(Indexed("Check3", index)).value == 1;
    switch (index) {
        case 0: enable({"Combo1_0", "Text2_5", "Option9_0", "Option9_1"}, !ticked); break;
        case 1: enable({"Combo1_1", "Text2_6", "Option10_0", "Option10_1"}, !ticked); break;
        case 2:
            if (ticked) {
                enable({"Check3_1", "Combo1_1", "Text2_6", "Option10_0", "Option10_1"}, false);
            } else {
                C("Check3_1").enabled = true;
                enable({"Combo1_1", "Text2_6", "Option10_0", "Option10_1"}, C("Check3_1").value != 1);
            }
            break;
        default: break;
    }
}

void FrmCHBatch::Combo1_Click(int index) {
    switch (index) {
        case 5: {
            for (int k = 11; k <= 14; ++k) C(Indexed("Combo1", k)).enabled = false;
            const std::string kind = C("Combo1_5").SelectedItem();
            const char* code = kind == "DTMF"    ? "Combo1_11"
                               : kind == "2Tone" ? "Combo1_12"
                               : kind == "5Tone" ? "Combo1_13"
                               : kind == "MSK"   ? "Combo1_14"
                                                 : nullptr;
            if (code) C(code).enabled = true;
            break;
        }
        case 7:
            if (C("Combo1_7").index > 0 && C("Combo1_8").index > 0) SelectEntry("Combo1_8", 0);
            break;
        case 8:
            if (C("Combo1_8").index > 0 && C("Combo1_7").index > 0) SelectEntry("Combo1_7", 0);
            break;
        default: break;
    }
}

void FrmCHBatch::ShowPanels() {
    C("CommandFun").text = GetLanguageString(d_, IsFunPanelShown ? 4006 : 4005);
    C("Frame1").visible = !IsFunPanelShown;
    C("Frame2").visible = IsFunPanelShown;
}

void FrmCHBatch::CommandFun_Click() {
    IsFunPanelShown = !IsFunPanelShown;
    ShowPanels();
}

void FrmCHBatch::Text1_Change(int index) {
    ControlState& box = C(Indexed("Text1", index));
    std::optional<double> v = ParseNumber(box.text);
    std::string text;
    if (!v)
        text = "0";
    else if (*v > 199)
        text = "199";
    else if (*v >= 0)
        text = std::to_string(static_cast<int>(std::floor(*v)));
    else
        text = "0";
    // Setting the same text again changes nothing (the clamp settles).
    if (text != box.text) box.text = text;
}

void FrmCHBatch::Text2_Change(int index) {
    if (index != 1 && index != 4) return;
    ControlState& box = C(Indexed("Text2", index));
    std::optional<double> v = ParseNumber(box.text);
    if (v && *v > 1000) box.text = "1000";
}

// ---- keys and normalisation -------------------------------------------------------------

void FrmCHBatch::Text1_KeyPress(int index, int& keyAscii) {
    const std::string box = Indexed("Text1", index);
    if (keyAscii == kKeyReturn) {
        keyAscii = 0;
        FocusNext(box);
        return;
    }
    FilterTextKey(keyAscii, BatchAllowedChars(box));
}

void FrmCHBatch::Text2_KeyPress(int index, int& keyAscii) {
    const std::string box = Indexed("Text2", index);
    if (keyAscii == kKeyReturn) {
        keyAscii = 0;
        Text2_LostFocus(index);
        FocusNext(box);
        return;
    }
    FilterTextKey(keyAscii, BatchAllowedChars(box));
}

void FrmCHBatch::Text2_LostFocus(int index) {
    if (index < 0 || index > 9) return;
    ControlState& box = C(Indexed("Text2", index));
    box.text = Text2LostFocus(d_, index, box.text, C("Text2_8").text);
}

void FrmCHBatch::Text3_KeyPress(int& keyAscii) {
    if (keyAscii == kKeyReturn) {
        // Enter moves on as Tab does, and leaving the box normalises it.
        keyAscii = 0;
        Text3_LostFocus();
        FocusNext("Text3");
        return;
    }
    FilterTextKey(keyAscii, BatchAllowedChars("Text3"));
}

void FrmCHBatch::Text3_LostFocus() { C("Text3").text = Text3LostFocus(C("Text3").text); }

// ---- buttons -----------------------------------------------------------------------------

BatchRequest FrmCHBatch::BuildRequest() const {
    BatchRequest r;
    for (const OptionGroup& g : kOptionGroups) {
        int chosen = -1;
        for (int i = 0; i < g.count; ++i)
            if (C(OptionName(g.number, i)).value == 1 && chosen < 0) chosen = i;
        r.option[static_cast<std::size_t>(g.number)] = chosen;
    }
    r.text1 = {C("Text1_0").text, C("Text1_1").text};
    r.deleteOutside = C("Check4").value == 1;
    r.chosen = d_.BatchFunFlag;
    for (int k = 0; k < kBatchBoxCount; ++k) r.text2[static_cast<std::size_t>(k)] = C(Indexed("Text2", k)).text;
    r.text3 = C("Text3").text;
    for (int k = 0; k < kBatchListCount; ++k) {
        const ControlState& c = C(Indexed("Combo1", k));
        r.combo[static_cast<std::size_t>(k)].items = c.items;
        r.combo[static_cast<std::size_t>(k)].index = c.index;
    }
    for (int k = 0; k <= 4; ++k) r.check1[static_cast<std::size_t>(k)] = C(Indexed("Check1", k)).value == 1 ? 1 : 0;
    for (int k = 0; k <= 2; ++k) r.check3[static_cast<std::size_t>(k)] = C(Indexed("Check3", k)).value == 1 ? 1 : 0;
    return r;
}

void FrmCHBatch::CommandApply_Click() {
    const BatchResult result = BatchApply(d_, BuildRequest(), *random_);
    for (int k = 0; k < kBatchBoxCount; ++k) C(Indexed("Text2", k)).text = result.text2[static_cast<std::size_t>(k)];
    C("Text3").text = result.text3;
    if (d_.ShowListType == 0) d_.Ui.View->ReShowListByData(d_.ShowListType);
}

void FrmCHBatch::CommandClose_Click() { Unload(); }

// ---- focus --------------------------------------------------------------------------------

bool FrmCHBatch::IsShownNow(const std::string& control) const {
    if (!C(control).visible) return false;
    if (InValuePanel(control)) return C("Frame1").visible;
    if (InSelectionPanel(control)) return C("Frame2").visible;
    return true;
}

void FrmCHBatch::FocusNext(const std::string& from) {
    const std::string next = NextFocusInOrder(BatchTabOrder(), from, [this](const std::string& name) {
        const ControlState& c = C(name);
        // Of an option group, Tab reaches the chosen button only.
        if (c.kind == ControlKind::OptionButton && c.value != 1) return false;
        return c.enabled && IsShownNow(name);
    });
    if (!next.empty()) State().focus = next;
}

// ---- dispatch -------------------------------------------------------------------------------

void FrmCHBatch::Click(const std::string& control) {
    if (control == "CommandApply") return CommandApply_Click();
    if (control == "CommandClose") return CommandClose_Click();
    if (control == "CommandFun") return CommandFun_Click();
    if (control == "CommandSelAll") return CommandSelAll_Click();
    if (control == "CommandSelNone") return CommandSelNone_Click();
    if (int i = ElementIndex(control, "Check2"); i >= 0) return Check2_Click(i);
    if (int i = ElementIndex(control, "Check1"); i >= 0) return Check1_Click(i);
    if (int i = ElementIndex(control, "Check3"); i >= 0) return Check3_Click(i);
    if (int i = ElementIndex(control, "Combo1"); i >= 0) return Combo1_Click(i);
    if (int i = ElementIndex(control, "Option1"); i >= 0) return Option1_Click(i);
    if (int i = ElementIndex(control, "Option3"); i >= 0) return Option3_Click(i);
    if (int i = ElementIndex(control, "Option6"); i >= 0) return Option6_Click(i);
}

void FrmCHBatch::Change(const std::string& control) {
    if (int i = ElementIndex(control, "Text1"); i >= 0) return Text1_Change(i);
    if (int i = ElementIndex(control, "Text2"); i >= 0) return Text2_Change(i);
}

void FrmCHBatch::KeyPress(const std::string& control, int& keyAscii) {
    if (int i = ElementIndex(control, "Text1"); i >= 0) return Text1_KeyPress(i, keyAscii);
    if (int i = ElementIndex(control, "Text2"); i >= 0) return Text2_KeyPress(i, keyAscii);
    if (control == "Text3") return Text3_KeyPress(keyAscii);
}

bool FrmCHBatch::LostFocus(const std::string& control, const std::string& next) {
    (void)next;
    if (int i = ElementIndex(control, "Text2"); i >= 0) Text2_LostFocus(i);
    if (control == "Text3") Text3_LostFocus();
    return true;
}

}  // namespace rp
