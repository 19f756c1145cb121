#include "channels/frmchbatch.h"

#include <algorithm>
#include <cmath>

#include "channels/batchfun.h"
#include "channels/frmchbatchcontrols.h"
#include "core/language.h"
#include "core/numtext.h"
#include "forms/formlanguage.h"
#include "forms/taborder.h"
#include "forms/textkeys.h"
#include "forms/tonetables.h"

namespace rp {

namespace {

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kAlphaNum = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// The option groups by their number in BatchRequest::option.
struct OptionGroup {
    int number;
    ControlArray buttons;
    int count;
};
constexpr OptionGroup kOptionGroups[] = {
    {1, chbatch::RangeChoice, 2},    {2, chbatch::RxDirection, 2}, {3, chbatch::TxMode, 3},
    {4, chbatch::ShiftDirection, 2}, {5, chbatch::TxDirection, 2}, {6, chbatch::NameMode, 2},
    {7, chbatch::IdDirection, 2},    {8, chbatch::OwnIdDirection, 2}, {9, chbatch::DecodeDirection, 2},
    {10, chbatch::EncodeDirection, 2},
};

// The controls of the value panel and of the selection panel.
bool InValuePanel(std::string_view c) {
    for (const ControlArray& a : {chbatch::RowLabels, chbatch::ValueLabels, chbatch::ValueBoxes, chbatch::ValueLists,
                                  chbatch::Switches, chbatch::ToneTicks})
        if (a.IndexOf(c) >= 0) return true;
    for (const OptionGroup& g : kOptionGroups)
        if (g.number >= 2 && g.buttons.IndexOf(c) >= 0) return true;
    return c == chbatch::OwnCtcssLabel || c == chbatch::OwnCtcss;
}
bool InSelectionPanel(std::string_view c) {
    return chbatch::FunctionChoices.IndexOf(c) >= 0 || c == chbatch::SelectAll || c == chbatch::SelectNone;
}

// The captions of a row, which Tab passes by.
bool IsRowCaption(std::string_view c) {
    return chbatch::RowLabels.IndexOf(c) >= 0 || chbatch::ValueLabels.IndexOf(c) >= 0 || c == chbatch::OwnCtcssLabel;
}

}  // namespace

const std::vector<std::string>& BatchRowControls(int function) {
    using chbatch::RowLabels, chbatch::ValueLabels;
    static const std::vector<std::vector<std::string>> rows = {
        {RowLabels[0], ValueLabels[0], chbatch::RxStart, ValueLabels[1], chbatch::RxStep, chbatch::RxUp,
         chbatch::RxDown},
        {RowLabels[1], chbatch::TxAsRx, chbatch::TxByOffset, chbatch::TxByStart, chbatch::TxOffset, chbatch::ShiftPlus,
         chbatch::ShiftMinus, chbatch::TxStart, ValueLabels[2], chbatch::TxStep, chbatch::TxUp,
         chbatch::TxDown},
        {RowLabels[2], ValueLabels[3], chbatch::DecodeTones, ValueLabels[4], chbatch::DecodeStep, chbatch::RandomDecode,
         chbatch::DecodeUp, chbatch::DecodeDown},
        {RowLabels[3], ValueLabels[5], chbatch::EncodeTones, ValueLabels[6], chbatch::EncodeStep, chbatch::RandomEncode,
         chbatch::EncodeAsDecode, chbatch::EncodeUp, chbatch::EncodeDown},
        {RowLabels[4], chbatch::FixedName, chbatch::NumberedName, chbatch::NameText, chbatch::StartId, ValueLabels[7],
         chbatch::IdStep, chbatch::IdUp, chbatch::IdDown},
        {RowLabels[6], chbatch::Step},
        {RowLabels[7], chbatch::Bandwidth},
        {RowLabels[8], chbatch::Power},
        {RowLabels[9], chbatch::Signalling, chbatch::DtmfCode, chbatch::TwoToneCode, chbatch::FiveToneCode,
         chbatch::MskGroup, RowLabels[16], chbatch::TwoToneDecode},
        {RowLabels[10], chbatch::SqlMode},
        {RowLabels[11], chbatch::DtmfPttId},
        {RowLabels[12], chbatch::FiveTonePttId},
        {RowLabels[13], chbatch::Scrambler},
        {RowLabels[14], chbatch::BusyLock},
        {chbatch::TxInhibit},
        {chbatch::Compander},
        {chbatch::ScanSkip},
        {chbatch::Reverse},
        {chbatch::TalkAround},
        {chbatch::OwnCtcssLabel, chbatch::OwnCtcss},
        {RowLabels[15], chbatch::SqlLevel},
    };
    static const std::vector<std::string> none;
    return function >= 0 && function < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(function)]
                                                                       : none;
}

bool IsBatchNeverShown(std::string_view c) {
    static const std::string never[] = {
        chbatch::FunctionChoices[kBatchFunCompander],
        chbatch::Compander,
        chbatch::RowLabels[13],
        chbatch::Scrambler,
        chbatch::MskGroup,
        chbatch::RowLabels[5],
        chbatch::OwnId,
        chbatch::ValueLabels[8],
        chbatch::OwnIdStep,
        chbatch::ValueLabels[9],
        chbatch::OwnIdUp,
        chbatch::OwnIdDown,
    };
    for (const std::string& n : never)
        if (c == n) return true;
    return false;
}

std::string BatchAllowedChars(std::string_view c) {
    if (chbatch::RangeBoxes.IndexOf(c) >= 0) return std::string(kDigits);
    if (c == chbatch::OwnCtcss) return std::string(kFrequencyChars);
    const int i = chbatch::ValueBoxes.IndexOf(c);
    if (i < 0 || i > 11) return "";
    if (i <= 4) return std::string(kFrequencyChars);
    if (i == 7) return std::string(kAlphaNum);
    return std::string(kDigits);
}

const std::vector<std::string>& BatchTabOrder() {
    static const std::vector<std::string> order = [] {
        std::vector<std::string> o = {chbatch::AllChannels,   chbatch::ChannelRange, chbatch::RangeFrom,
                                      chbatch::RangeTo,       chbatch::DeleteOutside, chbatch::PanelSwitch};
        for (int f = 0; f <= 4; ++f)
            for (const std::string& c : BatchRowControls(f))
                if (!IsRowCaption(c)) o.push_back(c);
        for (const char* c : {chbatch::OwnId, chbatch::OwnIdStep, chbatch::OwnIdUp, chbatch::OwnIdDown}) o.push_back(c);
        for (int f = 5; f <= 20; ++f)
            for (const std::string& c : BatchRowControls(f))
                if (!IsRowCaption(c)) o.push_back(c);
        for (int i = 0; i < kBatchFunCount; ++i) o.push_back(chbatch::FunctionChoices[i]);
        for (const char* c : {chbatch::SelectAll, chbatch::SelectNone, chbatch::ApplyButton, kCloseButton})
            o.push_back(c);
        return o;
    }();
    return order;
}

// ---- the form ---------------------------------------------------------------------

FrmCHBatch::FrmCHBatch(AppData& d) : Form(kName), d_(d) {
    ownRandom_ = std::make_unique<ClockRandomSource>();
    random_ = ownRandom_.get();
    AddControls();
}

void FrmCHBatch::AddControls() {
    FormState& s = State();
    s.tag = "4000";
    rp::AddControls(s, chbatch::kControls);
    s[chbatch::RangeFrom].text = "0";
    s[chbatch::RangeTo].text = "199";
    for (int k = 0; k < kBatchBoxCount; ++k)
        s[chbatch::ValueBoxes[k]].max = kBatchBoxMaxLen[static_cast<std::size_t>(k)];

    // Hidden in the design: the rows of functions not (yet) chosen show
    // through ShowBatchFun; the rest never shows.
    for (const std::string& name : s.Names())
        if (IsBatchNeverShown(name)) s[name].visible = false;
    for (const std::string& name : {chbatch::RowLabels[14], chbatch::RowLabels[15]}) s[name].visible = false;
    for (const char* name : {chbatch::BusyLock, chbatch::DtmfCode, chbatch::TwoToneCode, chbatch::FiveToneCode,
                             chbatch::SqlLevel})
        s[name].visible = false;

    // Every text box takes only what its key filter lets through.
    for (const std::string& name : s.Names()) {
        ControlState& c = s[name];
        if (c.kind == ControlKind::TextBox) GuardTextBox(c, BatchAllowedChars(name), c.max);
    }
    // The value boxes and the own tone select their whole text whenever they
    // take the focus; the range boxes do not.
    for (int k = 0; k < kBatchBoxCount; ++k) s[chbatch::ValueBoxes[k]].selectOnEntry = SelectOnEntry::OnFocus;
    s[chbatch::OwnCtcss].selectOnEntry = SelectOnEntry::OnFocus;
}

void FrmCHBatch::Form_Load() {
    IsFunPanelShown = false;
    InitShowList();
    ChangShowByLanguage();
    SetShowData();
}

void FrmCHBatch::InitShowList() {
    auto fill = [&](int k, std::vector<std::string> items) {
        ControlState& c = C(chbatch::ValueLists[k]);
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
    set(chbatch::RangeLabel, 4001);
    set(chbatch::AllChannels, 4002);
    set(chbatch::ChannelRange, 4003);
    set(chbatch::RangeToLabel, 4004);
    set(chbatch::ApplyButton, 4007);
    set(kCloseButton, 4008);
    set(chbatch::SelectAll, 4045);
    set(chbatch::SelectNone, 4046);
    set(chbatch::DeleteOutside, 4099);
    for (int k = 0; k <= 14; ++k) set(chbatch::RowLabels[k], 4010 + k);
    set(chbatch::RowLabels[15], 1119);
    set(chbatch::RowLabels[16], 4039);
    for (int k = 0; k <= 4; ++k) set(chbatch::Switches[k], 4025 + k);
    for (int k = 0; k <= 4; ++k) set(chbatch::FunctionChoices[k], 4010 + k);
    for (int k = 5; k <= 18; ++k) set(chbatch::FunctionChoices[k], 4011 + k);
    set(chbatch::FunctionChoices[20], 1119);
    for (const ControlArray& g : {chbatch::RxDirection, chbatch::TxDirection, chbatch::IdDirection,
                                  chbatch::OwnIdDirection, chbatch::DecodeDirection, chbatch::EncodeDirection}) {
        set(g[0], 4040);
        set(g[1], 4041);
    }
    set(chbatch::ShiftPlus, 4042);
    set(chbatch::ShiftMinus, 4043);
    set(chbatch::RandomDecode, 4044);
    set(chbatch::RandomEncode, 4044);
    set(chbatch::EncodeAsDecode, 4052);
    set(chbatch::ValueLabels[0], 4050);
    set(chbatch::ValueLabels[1], 4051);
    set(chbatch::TxAsRx, 4052);
    set(chbatch::TxByOffset, 4053);
    set(chbatch::TxByStart, 4050);
    set(chbatch::ValueLabels[2], 4054);
    set(chbatch::ValueLabels[3], 4055);
    set(chbatch::ValueLabels[4], 4056);
    set(chbatch::ValueLabels[5], 4055);
    set(chbatch::ValueLabels[6], 4056);
    set(chbatch::FixedName, 4057);
    set(chbatch::NumberedName, 4058);
    set(chbatch::ValueLabels[7], 4059);
    set(chbatch::ValueLabels[8], 4060);
    set(chbatch::ValueLabels[9], 4056);
    set(chbatch::OwnCtcssLabel, 4030);
    set(chbatch::FunctionChoices[19], 4030);
    ShowPanels();
}

void FrmCHBatch::SetShowData() {
    // 1. The choice boxes; a box that changes runs its click handling.
    for (int i = 0; i < kBatchFunCount; ++i)
        SetTick(chbatch::FunctionChoices[i], IsBatchFunOn(d_.BatchFunFlag[static_cast<std::size_t>(i)]));
    // 2. The rows.
    ShowBatchFun();
    // 3. The value boxes.
    C(chbatch::RxStart).text = FormatNumber(d_.RxBandLow[0], "#0.00000");
    C(chbatch::RxStep).text = "0";
    C(chbatch::TxOffset).text = "0.00000";
    C(chbatch::TxStart).text = FormatNumber(d_.TxBandLow[0], "#0.00000");
    for (const char* box : {chbatch::TxStep, chbatch::DecodeStep, chbatch::EncodeStep, chbatch::StartId,
                            chbatch::IdStep, chbatch::OwnIdStep})
        C(box).text = "0";
    C(chbatch::OwnId).text = "000";
    // 4. Encode same as decode, with its rule run.
    C(chbatch::EncodeAsDecode).value = 1;
    Check3_Click(2);
    // 5. The first button of every option group; the rules of the range,
    // the TX mode and the name mode run whether or not the choice changed.
    for (const OptionGroup& g : kOptionGroups) {
        SelectOption(g.buttons, 0);
        if (g.number == 1) Option1_Click(0);
        if (g.number == 3) Option3_Click(0);
        if (g.number == 6) Option6_Click(0);
    }
    // 6. The first entry of every list that has one, with its rule run.
    for (int k = 0; k < kBatchListCount; ++k) {
        if (C(chbatch::ValueLists[k]).items.empty()) continue;
        SelectEntry(chbatch::ValueLists[k], 0);
        Combo1_Click(k);
    }
    // 7. Squelch level 3.
    SelectEntry(chbatch::SqlLevel, 3);
}

// ---- batch functions ----------------------------------------------------------------

void FrmCHBatch::ShowRow(int function, bool on) {
    for (const std::string& name : BatchRowControls(function)) C(name).visible = on && !IsBatchNeverShown(name);
}

void FrmCHBatch::Check2_Click(int index) {
    if (index < 0 || index >= kBatchFunCount) return;
    const bool ticked = C(chbatch::FunctionChoices[index]).value == 1;
    // The flag stays in memory even when the file cannot be rewritten.
    StoreBatchFunChoice(d_, index, ticked);
    ShowRow(index, d_.BatchFunFlag[static_cast<std::size_t>(index)] != 0);
}

void FrmCHBatch::ShowBatchFun() {
    for (int i = 0; i < kBatchFunCount; ++i) ShowRow(i, d_.BatchFunFlag[static_cast<std::size_t>(i)] != 0);
}

void FrmCHBatch::CommandSelAll_Click() {
    for (int i = 0; i < kBatchFunCount; ++i)
        if (C(chbatch::FunctionChoices[i]).visible) SetTick(chbatch::FunctionChoices[i], 1);
}

void FrmCHBatch::CommandSelNone_Click() {
    for (int i = 0; i < kBatchFunCount; ++i)
        if (C(chbatch::FunctionChoices[i]).visible) SetTick(chbatch::FunctionChoices[i], 0);
}

// A box set from code: its click handling runs when the value changes.
void FrmCHBatch::SetTick(const std::string& box, int value) {
    ControlState& c = C(box);
    if (c.value == value) return;
    c.value = value;
    Click(box);
}

void FrmCHBatch::SelectOption(const ControlArray& group, int index) {
    for (int i = 0; State().Has(group[i]); ++i) C(group[i]).value = i == index ? 1 : 0;
}

void FrmCHBatch::SelectEntry(const std::string& list, int index) { SetListIndex(C(list), index); }

// ---- control rules ---------------------------------------------------------------------

void FrmCHBatch::Option1_Click(int) {
    if (C(chbatch::AllChannels).value == 1) {
        C(chbatch::RangeFrom).enabled = false;
        C(chbatch::RangeTo).enabled = false;
    } else if (C(chbatch::ChannelRange).value == 1) {
        C(chbatch::RangeFrom).enabled = true;
        C(chbatch::RangeTo).enabled = true;
    }
}

void FrmCHBatch::Option3_Click(int) {
    int mode = -1;
    for (int i = 0; i <= 2 && mode < 0; ++i)
        if (C(chbatch::TxMode[i]).value == 1) mode = i;
    if (mode < 0) return;
    const bool offset = mode == 1, start = mode == 2;
    for (const char* name : {chbatch::TxOffset, chbatch::ShiftPlus, chbatch::ShiftMinus}) C(name).enabled = offset;
    for (const char* name : {chbatch::TxStart, chbatch::TxStep, chbatch::TxUp, chbatch::TxDown})
        C(name).enabled = start;
}

void FrmCHBatch::Option6_Click(int) {
    bool on;
    if (C(chbatch::FixedName).value == 1)
        on = false;
    else if (C(chbatch::NumberedName).value == 1)
        on = true;
    else
        return;
    for (const char* name : {chbatch::StartId, chbatch::IdStep, chbatch::IdUp, chbatch::IdDown}) C(name).enabled = on;
}

void FrmCHBatch::Check1_Click(int index) {
    if (index != 3 && index != 4) return;
    if (C(chbatch::Switches[index]).value <= 0) return;
    // Reverse and talk-around exclude each other.
    SetTick(index == 3 ? chbatch::TalkAround : chbatch::Reverse, 0);
}

void FrmCHBatch::Check3_Click(int index) {
    auto enable = [&](std::initializer_list<const char*> names, bool on) {
        for (const char* name : names) C(name).enabled = on;
    };
    const bool ticked = C(chbatch::ToneTicks[index]).value == 1;
    switch (index) {
        case 0:
            enable({chbatch::DecodeTones, chbatch::DecodeStep, chbatch::DecodeUp, chbatch::DecodeDown}, !ticked);
            break;
        case 1:
            enable({chbatch::EncodeTones, chbatch::EncodeStep, chbatch::EncodeUp, chbatch::EncodeDown}, !ticked);
            break;
        case 2:
            if (ticked) {
                enable({chbatch::RandomEncode, chbatch::EncodeTones, chbatch::EncodeStep, chbatch::EncodeUp,
                        chbatch::EncodeDown},
                       false);
            } else {
                C(chbatch::RandomEncode).enabled = true;
                enable({chbatch::EncodeTones, chbatch::EncodeStep, chbatch::EncodeUp, chbatch::EncodeDown},
                       C(chbatch::RandomEncode).value != 1);
            }
            break;
        default: break;
    }
}

void FrmCHBatch::Combo1_Click(int index) {
    switch (index) {
        case 5: {
            for (int k = 11; k <= 14; ++k) C(chbatch::ValueLists[k]).enabled = false;
            const std::string kind = C(chbatch::Signalling).SelectedItem();
            const char* code = kind == "DTMF"    ? chbatch::DtmfCode
                               : kind == "2Tone" ? chbatch::TwoToneCode
                               : kind == "5Tone" ? chbatch::FiveToneCode
                               : kind == "MSK"   ? chbatch::MskGroup
                                                 : nullptr;
            if (code) C(code).enabled = true;
            break;
        }
        case 7:
            if (C(chbatch::DtmfPttId).index > 0 && C(chbatch::FiveTonePttId).index > 0)
                SelectEntry(chbatch::FiveTonePttId, 0);
            break;
        case 8:
            if (C(chbatch::FiveTonePttId).index > 0 && C(chbatch::DtmfPttId).index > 0)
                SelectEntry(chbatch::DtmfPttId, 0);
            break;
        default: break;
    }
}

void FrmCHBatch::ShowPanels() {
    C(chbatch::PanelSwitch).text = GetLanguageString(d_, IsFunPanelShown ? 4006 : 4005);
    C(chbatch::ValuePanel).visible = !IsFunPanelShown;
    C(chbatch::FunctionPanel).visible = IsFunPanelShown;
}

void FrmCHBatch::CommandFun_Click() {
    IsFunPanelShown = !IsFunPanelShown;
    ShowPanels();
}

void FrmCHBatch::Text1_Change(int index) {
    ControlState& box = C(chbatch::RangeBoxes[index]);
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
    ControlState& box = C(chbatch::ValueBoxes[index]);
    std::optional<double> v = ParseNumber(box.text);
    if (v && *v > 1000) box.text = "1000";
}

// ---- keys and normalisation -------------------------------------------------------------

void FrmCHBatch::Text1_KeyPress(int index, int& keyAscii) {
    const std::string box = chbatch::RangeBoxes[index];
    if (keyAscii == kKeyReturn) {
        keyAscii = 0;
        FocusNext(box);
        return;
    }
    FilterTextKey(keyAscii, BatchAllowedChars(box));
}

void FrmCHBatch::Text2_KeyPress(int index, int& keyAscii) {
    const std::string box = chbatch::ValueBoxes[index];
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
    ControlState& box = C(chbatch::ValueBoxes[index]);
    box.text = Text2LostFocus(d_, index, box.text, C(chbatch::StartId).text);
}

void FrmCHBatch::Text3_KeyPress(int& keyAscii) {
    if (keyAscii == kKeyReturn) {
        // Enter moves on as Tab does, and leaving the box normalises it.
        keyAscii = 0;
        Text3_LostFocus();
        FocusNext(chbatch::OwnCtcss);
        return;
    }
    FilterTextKey(keyAscii, BatchAllowedChars(chbatch::OwnCtcss));
}

void FrmCHBatch::Text3_LostFocus() { C(chbatch::OwnCtcss).text = Text3LostFocus(C(chbatch::OwnCtcss).text); }

// ---- buttons -----------------------------------------------------------------------------

BatchRequest FrmCHBatch::BuildRequest() const {
    BatchRequest r;
    for (const OptionGroup& g : kOptionGroups) {
        int chosen = -1;
        for (int i = 0; i < g.count; ++i)
            if (C(g.buttons[i]).value == 1 && chosen < 0) chosen = i;
        r.option[static_cast<std::size_t>(g.number)] = chosen;
    }
    r.text1 = {C(chbatch::RangeFrom).text, C(chbatch::RangeTo).text};
    r.deleteOutside = C(chbatch::DeleteOutside).value == 1;
    r.chosen = d_.BatchFunFlag;
    for (int k = 0; k < kBatchBoxCount; ++k) r.text2[static_cast<std::size_t>(k)] = C(chbatch::ValueBoxes[k]).text;
    r.text3 = C(chbatch::OwnCtcss).text;
    for (int k = 0; k < kBatchListCount; ++k) {
        const ControlState& c = C(chbatch::ValueLists[k]);
        r.combo[static_cast<std::size_t>(k)].items = c.items;
        r.combo[static_cast<std::size_t>(k)].index = c.index;
    }
    for (int k = 0; k <= 4; ++k) r.check1[static_cast<std::size_t>(k)] = C(chbatch::Switches[k]).value == 1 ? 1 : 0;
    for (int k = 0; k <= 2; ++k) r.check3[static_cast<std::size_t>(k)] = C(chbatch::ToneTicks[k]).value == 1 ? 1 : 0;
    return r;
}

void FrmCHBatch::CommandApply_Click() {
    const BatchResult result = BatchApply(d_, BuildRequest(), *random_);
    for (int k = 0; k < kBatchBoxCount; ++k) C(chbatch::ValueBoxes[k]).text = result.text2[static_cast<std::size_t>(k)];
    C(chbatch::OwnCtcss).text = result.text3;
    if (d_.ShowListType == 0) d_.Ui.View->ReShowListByData(d_.ShowListType);
}

void FrmCHBatch::CommandClose_Click() { Unload(); }

// ---- focus --------------------------------------------------------------------------------

bool FrmCHBatch::IsShownNow(const std::string& control) const {
    if (!C(control).visible) return false;
    if (InValuePanel(control)) return C(chbatch::ValuePanel).visible;
    if (InSelectionPanel(control)) return C(chbatch::FunctionPanel).visible;
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
    if (control == chbatch::ApplyButton) return CommandApply_Click();
    if (control == kCloseButton) return CommandClose_Click();
    if (control == chbatch::PanelSwitch) return CommandFun_Click();
    if (control == chbatch::SelectAll) return CommandSelAll_Click();
    if (control == chbatch::SelectNone) return CommandSelNone_Click();
    if (int i = chbatch::FunctionChoices.IndexOf(control); i >= 0) return Check2_Click(i);
    if (int i = chbatch::Switches.IndexOf(control); i >= 0) return Check1_Click(i);
    if (int i = chbatch::ToneTicks.IndexOf(control); i >= 0) return Check3_Click(i);
    if (int i = chbatch::ValueLists.IndexOf(control); i >= 0) return Combo1_Click(i);
    if (int i = chbatch::RangeChoice.IndexOf(control); i >= 0) return Option1_Click(i);
    if (int i = chbatch::TxMode.IndexOf(control); i >= 0) return Option3_Click(i);
    if (int i = chbatch::NameMode.IndexOf(control); i >= 0) return Option6_Click(i);
}

void FrmCHBatch::Change(const std::string& control) {
    if (int i = chbatch::RangeBoxes.IndexOf(control); i >= 0) return Text1_Change(i);
    if (int i = chbatch::ValueBoxes.IndexOf(control); i >= 0) return Text2_Change(i);
}

void FrmCHBatch::KeyPress(const std::string& control, int& keyAscii) {
    if (int i = chbatch::RangeBoxes.IndexOf(control); i >= 0) return Text1_KeyPress(i, keyAscii);
    if (int i = chbatch::ValueBoxes.IndexOf(control); i >= 0) return Text2_KeyPress(i, keyAscii);
    if (control == chbatch::OwnCtcss) return Text3_KeyPress(keyAscii);
}

bool FrmCHBatch::LostFocus(const std::string& control, const std::string& next) {
    (void)next;
    if (int i = chbatch::ValueBoxes.IndexOf(control); i >= 0) Text2_LostFocus(i);
    if (control == chbatch::OwnCtcss) Text3_LostFocus();
    return true;
}

}  // namespace rp
