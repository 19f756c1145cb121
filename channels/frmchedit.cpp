#include "channels/frmchedit.h"

#include <algorithm>
#include <optional>

#include "channels/cheditkeys.h"
#include "channels/frmcheditcontrols.h"
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

namespace rp {

const LangTexts kMsgChannelNull = {"", "Channel can't be null!", "信道不能为空！"};

namespace {

constexpr const char* kEmptyRx = "FFFFFFFFF";

// The text boxes, all without a context menu while the dialog is open.
const std::string kTextBoxes[] = {
    chedit::RxFreq,        chedit::OffsetFreq,    chedit::EntryBoxes[2], chedit::EntryBoxes[3],
    chedit::EntryBoxes[4], chedit::EntryBoxes[5], chedit::EntryBoxes[6], chedit::EntryBoxes[7],
    chedit::TxFreq,        chedit::PttIdCode,     chedit::OwnCtcss,
};

// The controls the RX box switches on and off, besides the tone and code
// lists, PttIdCode, PttIdDecode and TwoToneDecode, which have rules of
// their own.
const std::string kChannelControls[] = {
    chedit::TxFreq,        chedit::OffsetFreq,    chedit::EntryBoxes[2], chedit::EntryBoxes[3],
    chedit::EntryBoxes[4], chedit::EntryBoxes[5], chedit::EntryBoxes[6], chedit::EntryBoxes[7],
    chedit::Step,          chedit::Bandwidth,     chedit::Power,         chedit::Signalling,
    chedit::DecodeType,    chedit::Scrambler,     chedit::DtmfPttId,     chedit::FiveTonePttId,
    chedit::SqlModes,      chedit::EncodeType,    chedit::ExtraDisplay,  chedit::BusyLock,
    chedit::SqlLevel,      chedit::TxInhibit,     chedit::Reverse,       chedit::TalkAround,
    chedit::Compander,     chedit::ScanSkip,      chedit::OffsetDir,     chedit::OwnCtcss,
    chedit::Banks,
};
const char* const kToneAndCodeLists[] = {
    chedit::DecodeCtcss, chedit::EncodeCtcss,  chedit::DecodeDcs, chedit::EncodeDcs,      chedit::DtmfCode,
    chedit::TwoToneCode, chedit::FiveToneCode, chedit::MskGroup,  chedit::DecodeInverted, chedit::EncodeInverted,
};

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

namespace {

// Whether OK writes the field of `control`: its Tag may lock it for the
// list kind.
bool FieldEditable(int kind, const FormState& s, const std::string& control) {
    return IsRadioFieldEditable(kind, -1, s[control].tag) != 0;
}

// The step, the frequencies and the name. The step comes first: the TX
// frequency is put in band by it. The band checks warn in the order RX, TX,
// offset.
void StoreFrequenciesAndName(AppData& d, int kind, const FormState& s, ChEditStored& st) {
    FreDataRec& r = st.record;
    auto editable = [&](const std::string& control) { return FieldEditable(kind, s, control); };

    st.rxText = s[chedit::RxFreq].text;
    st.offsetText = s[chedit::OffsetFreq].text;
    st.offsetDir = s[chedit::OffsetDir].index;

    if (editable(chedit::Step)) r.Step = static_cast<Integer>(Position(s[chedit::Step]));
    if (editable(chedit::RxFreq)) st.rxText = SetRxFreData(d, r, st.rxText, true);
    if (editable(chedit::EntryBoxes[chedit::kNameBoxFirst])) {
        std::string name;
        for (int i = chedit::kNameBoxFirst; i <= chedit::kNameBoxLast; ++i) {
            std::string c = Utf8ToLatin1(s[chedit::EntryBoxes[i]].text);
            name += c.empty() ? " " : c;
        }
        r.Name.Set(name);
    }
    if (editable(chedit::TxFreq)) {
        // An empty TX box is simplex.
        const std::string& txBox = s[chedit::TxFreq].text;
        std::string tx = txBox.empty() ? st.rxText : FormatTxFreInBand(d, txBox, r.Step, true);
        const FreOffset o = OffsetBetween(st.rxText, tx).value_or(FreOffset{});
        st.offsetDir = o.dir;
        st.offsetText = FreUnitsText(o.offset, kOffsetWholeDigits);
        r.OffsetDir = static_cast<Integer>(st.offsetDir);
        SetOffsetFreData(d, r, st.offsetText, st.rxText, true);
    }
}

// The lists, ticks and codes the controls show.
void StoreChannelChoices(int kind, const FormState& s, FreDataRec& r) {
    auto editable = [&](const std::string& control) { return FieldEditable(kind, s, control); };
    auto position = [&](const char* control, Integer& field) {
        if (editable(control)) field = static_cast<Integer>(Position(s[control]));
    };
    auto tick = [&](const char* control, Integer& field) {
        if (editable(control)) field = static_cast<Integer>(Tick(s[control]));
    };
    position(chedit::Bandwidth, r.WN);
    position(chedit::Power, r.Power);
    position(chedit::DecodeType, r.DeCTCType);
    position(chedit::EncodeType, r.EnCTCType);
    position(chedit::Scrambler, r.Scrambler);
    position(chedit::DtmfPttId, r.DTMFPttID);
    position(chedit::FiveTonePttId, r.Tone5PttID);
    // The visible squelch list offers a subset; the full list remembers the mode.
    if (editable(chedit::SqlModes))
        r.SqlMode = static_cast<Integer>(s[chedit::SqlModes].index < 0 ? 0 : Position(s[chedit::AllSqlModes]));
    {
        int p = Position(s[chedit::ExtraDisplay]);  // the list offers no value 3
        r.ExtraDisplay = static_cast<Integer>(p <= 2 ? p : p + 1);
    }
    position(chedit::BusyLock, r.BusyLock);
    position(chedit::SqlLevel, r.SqlLevel);
    if (editable(chedit::Signalling)) r.OptSig = GetOptSigType(s[chedit::Signalling].SelectedItem());
    if (editable(chedit::TwoToneDecode)) {
        const ControlState& c = s[chedit::TwoToneDecode];
        r.Tone2Decode = static_cast<Integer>(c.index < 0 ? 0 : ValLngDef(c.SelectedItem(), 1) - 1);
    }
    tick(chedit::TxInhibit, r.TxForbid);
    position(chedit::DecodeCtcss, r.DeCTCSS);
    position(chedit::EncodeCtcss, r.EnCTCSS);
    position(chedit::DecodeDcs, r.DeDCS);
    position(chedit::EncodeDcs, r.EnDCS);
    tick(chedit::DecodeInverted, r.DeDCSInvert);
    tick(chedit::EncodeInverted, r.EnDCSInvert);
    position(chedit::DtmfCode, r.DTMFCode);
    r.Tone2Code = static_cast<Integer>(ItemNumber(s[chedit::TwoToneCode], 0));
    r.Tone5Code = static_cast<Integer>(ItemNumber(s[chedit::FiveToneCode], 0));
    r.MSKGroup = static_cast<Integer>(ItemNumber(s[chedit::MskGroup], 0));
    tick(chedit::Reverse, r.Reverse);
    tick(chedit::TalkAround, r.TalkAround);
    tick(chedit::Compander, r.Compander);
    tick(chedit::ScanSkip, r.ScanSkip);
    tick(chedit::PttIdDecode, r.PttIDDecode);
    r.PttIDCode.Set(Utf8ToLatin1(PadPttIdCode(s[chedit::PttIdCode].text)));
}

}  // namespace

ChEditStored BuildChEditRecord(AppData& d, const FormState& s, const FreDataRec& base) {
    ChEditStored st;
    st.record = base;
    const int kind = d.ShowListType;
    StoreFrequenciesAndName(d, kind, s, st);
    StoreChannelChoices(kind, s, st.record);

    st.ctcssText = CheckCTCSSText(s[chedit::OwnCtcss].text);
    if (FieldEditable(kind, s, chedit::OwnCtcss)) {
        std::optional<std::int64_t> tenths = RoundScaled(ParseNumber(st.ctcssText).value_or(151.1), 1);
        st.record.CustomCTCSS = static_cast<Integer>(tenths.value_or(1511));
    }
    return st;
}

ChEditOutcome EvaluateChEditOK(AppData& d, const FormState& s) {
    ChEditOutcome o;
    const int n = d.EditChannelNo;
    o.channel = n;
    o.pttIdCode = PadPttIdCode(s[chedit::PttIdCode].text);
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
    const std::string& rx = s[chedit::RxFreq].text;
    const std::string& tx = s[chedit::TxFreq].text;
    if (rx.empty()) {
        if (n >= ChVFO1) return refuse(kMsgVfoNull, chedit::RxFreq);
        if (n >= ChPL1)
            return refuse(kMsgChannelNull[d.LanguageIndex == LangChinese ? 2 : 1], chedit::RxFreq);
        o.action = IsFreDataExist(d, n) ? ChEditAction::Deleted : ChEditAction::Closed;
        return o;
    }
    if (!IsNumeric(rx)) return refuse(kNotNumericText, chedit::RxFreq);
    if (!tx.empty() && !IsNumeric(tx)) return refuse(kNotNumericText, chedit::TxFreq);

    const int i = FindFreDataIndex(d, n);
    FreDataRec base;
    if (i >= 0) {
        base = d.FreData[static_cast<std::size_t>(i)];
        base.Used = 1;
        o.action = ChEditAction::Overwritten;
    } else {
        base = ZeroChannelRecord(n);
        base.PttIDOn = static_cast<Integer>(Tick(s[chedit::PttIdOn]));
        o.action = ChEditAction::Appended;
    }
    o.stored = BuildChEditRecord(d, s, base);
    const ControlState& banks = s[chedit::Banks];
    for (std::size_t b = 0; b < o.banks.size() && b < banks.selected.size(); ++b) o.banks[b] = banks.selected[b];
    return o;
}

// ---- the form -------------------------------------------------------------------

FrmCHEdit::FrmCHEdit(AppData& d, MainWindowCalls& main) : Form(kName), d_(d), main_(main) {
    AddControls();
}

void FrmCHEdit::AddControls() {
    FormState& s = State();
    s.tag = "1300";
    rp::AddControls(s, chedit::kControls);
    ControlState& bank = s[chedit::Banks];
    bank.multiSelect = true;
    for (int b = 1; b <= kBankCount; ++b) bank.items.push_back("Bank " + std::to_string(b));
    bank.selected.assign(kBankCount, false);
    // Every text box selects its whole text when the user brings the focus
    // to it (never when the dialog moves the focus on after a key).
    for (const std::string& box : kTextBoxes) s[box].selectOnEntry = SelectOnEntry::OnArrival;
}

void FrmCHEdit::Form_Load() {
    // Every text box takes only what its key filter lets through, and shows
    // no context menu while the dialog is open.
    for (const std::string& box : kTextBoxes) GuardTextBox(C(box), ChEditAllowedChars(box), C(box).max);
    if (d_.EditChannelNo > ChPU2) {
        C(chedit::NameLabel).visible = false;
        for (int i = chedit::kNameBoxFirst; i <= chedit::kNameBoxLast; ++i) C(chedit::EntryBoxes[i]).visible = false;
    }
    C(chedit::Banks).visible = d_.EditChannelNo <= ChMemLast && !IsPresetList(d_.ShowListType);
    ChangShowByLanguage();
    InitShowList();
    LoadEditData();
}

void FrmCHEdit::Unloading() {
    for (const std::string& box : kTextBoxes) UnhookTextMenu(C(box));
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
    if (name == chedit::Reverse) Check4_Click(0);
    if (name == chedit::TalkAround) Check4_Click(1);
}

void FrmCHEdit::SelectSqlMode(int mode) {
    int item = 0;
    for (std::size_t i = 0; i < sqlModeItems_.size(); ++i)
        if (sqlModeItems_[i] == mode) item = static_cast<int>(i);
    SelectIndex(chedit::SqlModes, item);
    SelectIndex(chedit::AllSqlModes, item < static_cast<int>(sqlModeItems_.size()) ? sqlModeItems_[item] : 0);
}

// A code list shows the stored entry by its text: the first entry when the
// entry is gone, no selection when the list is empty.
void FrmCHEdit::SetCodeList(const std::string& name, int value) {
    SetComboText(C(name), std::to_string(value));
}

void FrmCHEdit::ShowEditData() {
    // The tone and code lists appear with their types.
    for (const char* name : kToneAndCodeLists) C(name).visible = false;
    for (const char* name : {chedit::PttIdOn, chedit::AllSqlModesLabel, chedit::AllSqlModes}) C(name).visible = false;

    ShowFrequenciesAndName();
    ShowChannelLists();
    ShowTicks();
    ShowSignallingCode();
    // Decode, then encode tone.
    ShowTone(false);
    ShowTone(true);
    // The channel's own CTCSS tone.
    C(chedit::OwnCtcss).text = FormatNumber(d_.EditFreData.CustomCTCSS / 10.0, "#.0");
    ShowEnabling();
}

// The frequencies, the banks that hold the channel and its name.
void FrmCHEdit::ShowFrequenciesAndName() {
    const FreDataRec& r = d_.EditFreData;
    const std::string rx = DataToFreStr(d_, r.RxFre.Trim());
    C(chedit::RxFreq).text = rx;
    SelectIndex(chedit::OffsetDir, r.OffsetDir);
    C(chedit::OffsetFreq).text = DataToOffsetStr(d_, r.OffsetFre.Trim());
    C(chedit::TxFreq).text = TxDisplayText(rx, C(chedit::OffsetFreq).text, C(chedit::OffsetDir).index);
    BankListFilling = true;
    BankList flags{};
    ShowTempBankList(d_, flags, d_.EditChannelNo);
    ControlState& bank = C(chedit::Banks);
    bank.selected.assign(flags.begin(), flags.end());
    BankListFilling = false;
    const std::string name = r.Name.Trim();
    for (std::size_t j = 0; j < 6; ++j)
        C(chedit::EntryBoxes[chedit::kNameBoxFirst + static_cast<int>(j)]).text =
            j < name.size() ? Latin1ToUtf8(name.substr(j, 1)) : "";
}

// The lists, in the order their click rules expect: each rule sees the
// lists chosen before it.
void FrmCHEdit::ShowChannelLists() {
    FreDataRec& r = d_.EditFreData;
    // Step, bandwidth, power.
    SelectIndex(chedit::Step, r.Step);
    SelectIndex(chedit::Bandwidth, r.WN);
    if (r.Power > PowerLow) r.Power = PowerHigh;
    SelectIndex(chedit::Power, r.Power);

    ShowSignallingType();

    // Tone types.
    SelectIndex(chedit::DecodeType, r.DeCTCType);
    Combo1_Click(5);
    SelectIndex(chedit::EncodeType, r.EnCTCType);
    Combo1_Click(10);

    // Scrambler and the PTT-IDs, which exclude each other.
    SelectIndex(chedit::Scrambler, r.Scrambler);
    SelectIndex(chedit::DtmfPttId, r.DTMFPttID);
    Combo1_Click(7);
    SelectIndex(chedit::FiveTonePttId, r.Tone5PttID);
    Combo1_Click(8);

    // Squelch mode, extra display, busy lock, squelch level, two-tone decode.
    SelectSqlMode(r.SqlMode);
    {
        const int v = r.ExtraDisplay;
        SelectIndex(chedit::ExtraDisplay, v >= 0 && v <= 2 ? v : (v >= 4 && v <= 10 ? v - 1 : 0));
    }
    SelectIndex(chedit::BusyLock, r.BusyLock);
    SelectIndex(chedit::SqlLevel, r.SqlLevel);
    SetCodeList(chedit::TwoToneDecode, r.Tone2Decode + 1);
}

// The signalling list by the stored type's name; the two-tone decode list
// is enabled for two-tone only.
void FrmCHEdit::ShowSignallingType() {
    const FreDataRec& r = d_.EditFreData;
    C(chedit::TwoToneDecode).enabled = false;
    ControlState& sig = C(chedit::Signalling);
    int item = 0;
    if (r.OptSig >= SigDTMF && r.OptSig <= SigMSK) {
        static const char* const kNames[] = {"", "DTMF", "2Tone", "5Tone", "MSK"};
        item = std::max(0, FindComboIndex(sig, FindComboItem(sig, kNames[r.OptSig]), 0));
    }
    SelectIndex(chedit::Signalling, item);
    Combo1_Click(4);
    if (sig.SelectedItem() == "2Tone") C(chedit::TwoToneDecode).enabled = true;
}

// The tick boxes and the PTT-ID code.
void FrmCHEdit::ShowTicks() {
    const FreDataRec& r = d_.EditFreData;
    // TX inhibit, reverse and talk-around (each excludes the other), then
    // the squelch list for the reverse shown. The stored mode is chosen again
    // now that the list follows the reverse tick.
    C(chedit::TxInhibit).value = FlagToCheckValue(r.TxForbid);
    SetTick(chedit::Reverse, FlagToCheckValue(r.Reverse));
    SetTick(chedit::TalkAround, FlagToCheckValue(r.TalkAround));
    ReShowSqlModeList();
    for (int mode : sqlModeItems_)
        if (mode == r.SqlMode) SelectSqlMode(mode);

    C(chedit::Compander).value = FlagToCheckValue(r.Compander);
    C(chedit::ScanSkip).value = FlagToCheckValue(r.ScanSkip);
    C(chedit::PttIdDecode).value = FlagToCheckValue(r.PttIDDecode);
    C(chedit::PttIdCode).text = Latin1ToUtf8(r.PttIDCode.Trim());
}

// Enabling by the stored RX frequency, then the locks of the list kind.
void FrmCHEdit::ShowEnabling() {
    const std::string stored = d_.EditFreData.RxFre.Trim();
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
    SelectIndex(chedit::DtmfCode, r.DTMFCode);
    SetCodeList(chedit::TwoToneCode, r.Tone2Code);
    SetCodeList(chedit::FiveToneCode, r.Tone5Code);
    SetCodeList(chedit::MskGroup, r.MSKGroup);
    C(chedit::PttIdOn).value = 0;
    switch (r.OptSig) {
        case SigDTMF:
            C(chedit::DtmfCode).visible = true;
            C(chedit::PttIdOn).value = FlagToCheckValue(r.PttIDOn);
            break;
        case Sig2Tone: C(chedit::TwoToneCode).visible = true; break;
        case Sig5Tone:
            C(chedit::FiveToneCode).visible = true;
            C(chedit::PttIdOn).value = FlagToCheckValue(r.PttIDOn);
            break;
        case SigMSK: C(chedit::MskGroup).visible = true; break;
        default: break;
    }
}

// The tone lists hold the stored tone and code whatever the type; the list
// of the stored type is shown, with the inverted tick for DCS.
void FrmCHEdit::ShowTone(bool encode) {
    const FreDataRec& r = d_.EditFreData;
    const std::string ctcss = encode ? chedit::EncodeCtcss : chedit::DecodeCtcss;
    const std::string dcs = encode ? chedit::EncodeDcs : chedit::DecodeDcs;
    const std::string inverted = encode ? chedit::EncodeInverted : chedit::DecodeInverted;
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
    for (const std::string& name : kChannelControls) C(name).enabled = true;
    C(chedit::RxFreq).enabled = true;
    C(chedit::TwoToneDecode).enabled = C(chedit::Signalling).SelectedItem() == "2Tone";
    for (const char* name : kToneAndCodeLists) C(name).enabled = C(name).visible;
    const bool edgeOrMemory = d_.EditChannelNo <= ChPL2;
    C(chedit::PttIdCode).enabled = edgeOrMemory;
    C(chedit::PttIdDecode).enabled = edgeOrMemory;
}

void FrmCHEdit::SetControlsByEmptyFre() {
    for (const std::string& name : kChannelControls) C(name).enabled = false;
    for (const char* name : {chedit::PttIdCode, chedit::PttIdDecode, chedit::TwoToneDecode}) C(name).enabled = false;
    for (const char* name : kToneAndCodeLists)
        if (C(name).visible) C(name).enabled = false;
}

void FrmCHEdit::Text1_Change(int index) {
    if (index != 0) return;
    if (C(chedit::RxFreq).text.empty())
        SetControlsByEmptyFre();
    else
        SetControlsByFre();
}

void FrmCHEdit::Combo1_Click(int index) {
    switch (index) {
        case 4: {
            for (const char* name :
                 {chedit::DtmfCode, chedit::TwoToneCode, chedit::FiveToneCode, chedit::MskGroup, chedit::PttIdOn})
                C(name).visible = false;
            C(chedit::TwoToneDecode).enabled = false;
            const std::string kind = C(chedit::Signalling).SelectedItem();
            std::string shown;
            if (kind == "DTMF") shown = chedit::DtmfCode;
            if (kind == "2Tone") {
                C(chedit::TwoToneDecode).enabled = true;
                shown = chedit::TwoToneCode;
            }
            if (kind == "5Tone") shown = chedit::FiveToneCode;
            if (kind == "MSK") shown = chedit::MskGroup;
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
            const std::string ctcss = encode ? chedit::EncodeCtcss : chedit::DecodeCtcss;
            const std::string dcs = encode ? chedit::EncodeDcs : chedit::DecodeDcs;
            const std::string inverted = encode ? chedit::EncodeInverted : chedit::DecodeInverted;
            for (const std::string& name : {ctcss, dcs, inverted}) C(name).visible = false;
            ReShowSqlModeList();
            const int type = C(chedit::FieldLists[index]).index;
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
            if (C(chedit::DtmfPttId).index >= 1) SelectIndex(chedit::FiveTonePttId, 0);
            break;
        case 8:
            if (C(chedit::FiveTonePttId).index >= 1) SelectIndex(chedit::DtmfPttId, 0);
            break;
        case 9: {
            // The full list remembers the mode chosen.
            const int item = C(chedit::SqlModes).index;
            if (item >= 0 && item < static_cast<int>(sqlModeItems_.size()))
                SelectIndex(chedit::AllSqlModes, sqlModeItems_[static_cast<std::size_t>(item)]);
            break;
        }
        default:
            break;
    }
}

void FrmCHEdit::Check4_Click(int index) {
    if (index != 0 && index != 1) return;
    if (C(chedit::ExclusiveTicks[index]).value == 1) C(chedit::ExclusiveTicks[1 - index]).value = 0;
    ReShowSqlModeList();
}

void FrmCHEdit::ReShowSqlModeList() {
    // Remember the mode shown.
    const int item = C(chedit::SqlModes).index;
    const int mode = item >= 0 && item < static_cast<int>(sqlModeItems_.size())
                         ? sqlModeItems_[static_cast<std::size_t>(item)]
                         : 0;
    SelectIndex(chedit::AllSqlModes, mode);

    ControlState& list = C(chedit::SqlModes);
    const std::vector<std::string>& all = C(chedit::AllSqlModes).items;
    auto text = [&](int m) { return m < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(m)] : ""; };
    list.items = {text(0)};
    sqlModeItems_ = {0};
    SetListIndex(list, -1);

    const int reverse = C(chedit::Reverse).value;
    if (reverse != 0 && reverse != 1) return;
    const int toneType = reverse == 1 ? C(chedit::EncodeType).index : C(chedit::DecodeType).index;
    sqlModeItems_ = SqlModesFor(toneType > 0, C(chedit::Signalling).index >= 1);
    list.items.clear();
    for (int m : sqlModeItems_) list.items.push_back(text(m));
    int chosen = 0;
    for (std::size_t i = 0; i < sqlModeItems_.size(); ++i)
        if (sqlModeItems_[i] == mode) chosen = static_cast<int>(i);
    SetListIndex(list, chosen);
    SelectIndex(chedit::AllSqlModes, sqlModeItems_[static_cast<std::size_t>(chosen)]);
}

// ---- storing -----------------------------------------------------------------------

void FrmCHEdit::ShowStoredTexts(const ChEditStored& st) {
    C(chedit::RxFreq).text = st.rxText;
    C(chedit::OffsetFreq).text = st.offsetText;
    SelectIndex(chedit::OffsetDir, st.offsetDir);
    C(chedit::OwnCtcss).text = st.ctcssText;
}

bool FrmCHEdit::AddNewUFreData(const FreDataRec& record) { return AppendFreData(d_, record); }

void FrmCHEdit::CommandOK_Click() {
    C(chedit::PttIdCode).text = PadPttIdCode(C(chedit::PttIdCode).text);
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
    if (k.tabAfter) f.State().focusAfterKey = box;
}
}  // namespace

void FrmCHEdit::Text1_KeyPress(int index, int& keyAscii) { FilterBoxKey(*this, chedit::EntryBoxes[index], keyAscii); }
void FrmCHEdit::Text2_KeyPress(int& keyAscii) { FilterBoxKey(*this, chedit::PttIdCode, keyAscii); }
void FrmCHEdit::Text3_KeyPress(int& keyAscii) { FilterBoxKey(*this, chedit::OwnCtcss, keyAscii); }

void FrmCHEdit::Text3_LostFocus() { C(chedit::OwnCtcss).text = CheckCTCSSText(C(chedit::OwnCtcss).text); }

void FrmCHEdit::ListBank_ItemCheck(int item) {
    if (BankListFilling) return;
    ControlState& bank = C(chedit::Banks);
    if (item < 0 || item >= static_cast<int>(bank.selected.size())) return;
    // A full bank takes no further channel; unticking is never refused.
    if (bank.selected[static_cast<std::size_t>(item)] && !CanAddToTempBank(d_, d_.EditChannelNo, item + 1))
        bank.selected[static_cast<std::size_t>(item)] = false;
}

// ---- dispatch -------------------------------------------------------------------------

void FrmCHEdit::Click(const std::string& control) {
    if (control == kOKButton) return CommandOK_Click();
    if (control == kCancelButton) return CommandCancel_Click();
    if (int i = chedit::FieldLists.IndexOf(control); i >= 0) return Combo1_Click(i);
    if (int i = chedit::ExclusiveTicks.IndexOf(control); i >= 0) return Check4_Click(i);
}

void FrmCHEdit::ItemCheck(const std::string& control, int item) {
    if (control == chedit::Banks) ListBank_ItemCheck(item);
}

void FrmCHEdit::Change(const std::string& control) {
    if (int i = chedit::EntryBoxes.IndexOf(control); i >= 0) Text1_Change(i);
}

void FrmCHEdit::KeyPress(const std::string& control, int& keyAscii) {
    if (int i = chedit::EntryBoxes.IndexOf(control); i >= 0) return Text1_KeyPress(i, keyAscii);
    if (control == chedit::PttIdCode) return Text2_KeyPress(keyAscii);
    if (control == chedit::OwnCtcss) return Text3_KeyPress(keyAscii);
    if (keyAscii == kKeyReturn && ChEditEnterMovesOn(control)) {
        keyAscii = 0;
        FocusNext(control);
    }
}

bool FrmCHEdit::LostFocus(const std::string& control, const std::string& next) {
    (void)next;
    if (control == chedit::OwnCtcss) Text3_LostFocus();
    return true;
}

}  // namespace rp
