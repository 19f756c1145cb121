#include "settings/frmoption.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <stdexcept>
#include <vector>

#include "core/banks.h"
#include "core/conversions.h"
#include "core/fixedtext.h"
#include "core/language.h"
#include "core/listutils.h"
#include "core/numtext.h"
#include "core/repair.h"
#include "forms/formlanguage.h"

namespace rp {

namespace {

constexpr int kComboCount = 38;
constexpr int kCheck1Count = 16;
constexpr int kCheck3Count = 10;
constexpr int kPowerOnBoxes = 12;     // power-on text, one character a box
constexpr int kWordCount = 47;
constexpr int kFirstBankLink = 37;

constexpr int kKeyCtrlC = 3;
constexpr int kKeyCtrlV = 22;
constexpr int kKeyCtrlX = 24;
constexpr int kKeyEnter = 13;

// Words 0..36 in declared order; 37..46 are BankLink(0)..(9).
constexpr std::array<Integer OptionDataRec::*, kFirstBankLink> kWordFields = {
    &OptionDataRec::DisplayMode,   &OptionDataRec::DisplayStyleA, &OptionDataRec::DisplayStyleB,
    &OptionDataRec::RadioDisplay,  &OptionDataRec::MemChannelA,   &OptionDataRec::MemChannelB,
    &OptionDataRec::RadioMemChannel, &OptionDataRec::ScanTime,    &OptionDataRec::KeyTime,
    &OptionDataRec::Backlight,     &OptionDataRec::Colour,        &OptionDataRec::SubDisplay,
    &OptionDataRec::SqlKey,        &OptionDataRec::TailElim,      &OptionDataRec::FullBand,
    &OptionDataRec::MainBand,      &OptionDataRec::Alarm,         &OptionDataRec::Voice,
    &OptionDataRec::DisplayOption, &OptionDataRec::TOT,           &OptionDataRec::AutoPowerOff,
    &OptionDataRec::BusyLockOption, &OptionDataRec::PowerSave,    &OptionDataRec::ToneBurst,
    &OptionDataRec::VoxLevel,      &OptionDataRec::VoxDelay,      &OptionDataRec::TailMode,
    &OptionDataRec::FuncOperA,     &OptionDataRec::FuncOperB,     &OptionDataRec::InitKey,
    &OptionDataRec::KeyLock,       &OptionDataRec::WorkModeA,     &OptionDataRec::WorkModeB,
    &OptionDataRec::MemGroupA,     &OptionDataRec::MemGroupB,     &OptionDataRec::GroupSelectA,
    &OptionDataRec::GroupSelectB,
};

// The word each list shows by position; -1: a field outside the record.
constexpr std::array<int, kComboCount> kComboWords = {
    0,  1,  2,  3,  4,  5,  6,  33, 34, 7,  8,  9,  10, 11, 12, 15, 19, 20, 18,
    21, 22, 23, 24, 25, 26, -1, -1, -1, -1, -1, 31, 32, -1, -1, -1, -1, -1, -1,
};

// The lists in tab order, as the window lays them out: the left column
// (display, memory channels, scan and key times, backlight), then the right.
constexpr int kComboTabOrder[kComboCount] = {
    0,  18, 1,  2,  3,  30, 7,  4,  31, 8,  5,  6,  15, 9,  10, 11, 12, 13, 14,
    16, 17, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 32, 33, 34, 35, 36, 37,
};

constexpr std::array<int, kCheck1Count> kCheckWords = {
    27, 28, 29, 13, 14, 16, 17, -1, -1, -1, -1, -1, 35, 36, 30, -1,
};

// Option fields of WorkData shown by position in a list.
struct ComboField {
    int combo;
    Byte RadioDataRec::*field;
};
constexpr ComboField kComboFields[] = {
    {25, &RadioDataRec::SubVolume},   {26, &RadioDataRec::AMDisplayMode},
    {28, &RadioDataRec::RadioBand},   {29, &RadioDataRec::PF1Key},
    {32, &RadioDataRec::PF2Key},      {33, &RadioDataRec::NOAAAlert},
    {34, &RadioDataRec::NOAAChannel}, {35, &RadioDataRec::Part95Mode},
    {36, &RadioDataRec::GMRSChannel}, {37, &RadioDataRec::MURSChannel},
};

// Option switches of WorkData shown by a check box (quick scan, Check1(15),
// is a 16-bit field of its own).
struct CheckField {
    int check;
    Byte RadioDataRec::*field;
};
constexpr CheckField kCheckFields[] = {
    {7, &RadioDataRec::RadioOn},    {8, &RadioDataRec::AMEnabled},
    {9, &RadioDataRec::FMEnabled},  {10, &RadioDataRec::SWEnabled},
    {11, &RadioDataRec::LWEnabled},
};
constexpr int kQuickScanCheck = 15;

std::string Ctl(const char* base, int index) { return std::string(base) + "_" + std::to_string(index); }

// "Combo1_12" -> base "Combo1", index 12; false for a name without an index.
bool SplitName(const std::string& name, std::string& base, int& index) {
    const std::size_t u = name.rfind('_');
    if (u == std::string::npos || u + 1 >= name.size()) return false;
    const char* first = name.data() + u + 1;
    const char* last = name.data() + name.size();
    auto r = std::from_chars(first, last, index);
    if (r.ec != std::errc() || r.ptr != last) return false;
    base = name.substr(0, u);
    return true;
}

// The language key of Label1(i); 0 keeps its design caption.
int LabelKey(int i) {
    if (i >= 0 && i <= 17) return 1702 + i;
    if (i >= 19 && i <= 28) return 1701 + i;
    if (i == 30) return 8140;
    if (i == 31) return 8141;
    return 0;
}

const char* LabelDesignCaption(int i) {
    switch (i) {
    case 18: return "Label1";
    case 29: return "PF1";
    case 32: return "PF2";
    case 33: return "NOAA";
    case 34: return "NOAA Channel";
    case 35: return "PART95";
    case 36: return "GMRS Channel";
    case 37: return "MURS Channel";
    default: return "";
    }
}

// The language key of Check1(i); 0 keeps its design caption.
int CheckKey(int i) {
    if (i >= 0 && i <= 6) return 1730 + i;
    if (i == 7) return 8103;
    if (i >= 12 && i <= 15) return 8142 + (i - 12);
    return 0;
}

const char* const kBandSwitchCaptions[] = {"AM Enabled", "FM Enabled", "SW Enabled", "LW Enabled"};
const char* const kPFKeyEntries[] = {"Off", "VOLT", "CALL", "SUB PTT", "FHSS", "MONI"};
constexpr const char* kAlarmEntry = "ALARM";

// Selects the entry at `position` when it is inside the list, else the first
// entry (none in an empty list): what showing GetComboItemByIndex selects,
// also when two entries read the same.
void ShowListAt(ControlState& list, int position) {
    const int count = static_cast<int>(list.items.size());
    SetListIndex(list, position >= 0 && position < count ? position : (count > 0 ? 0 : -1));
}

void ClearList(ControlState& list) {
    list.items.clear();
    SetListIndex(list, -1);
}

// The SW (0) and LW (1) limits and defaults in MHz.
struct ShortWaveBand {
    double low, high;
    const char* fallback;
};
constexpr ShortWaveBand kShortWaveBands[] = {{2.3, 21.85, "18.0000"}, {0.52, 1.71, "1.2000"}};

// The characters the radio shows in its power-on text.
bool IsPowerOnCharacter(int key) { return key >= 32 && key <= 126 && key != '\\' && key != '~'; }

bool Focusable(const ControlState& c) {
    switch (c.kind) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::Button:
        return c.visible && c.enabled;
    default:
        return false;
    }
}

}  // namespace

Integer& OptionWord(OptionDataRec& o, int n) {
    if (n >= 0 && n < kFirstBankLink) return o.*kWordFields[static_cast<std::size_t>(n)];
    if (n >= kFirstBankLink && n < kWordCount) return o.BankLink[static_cast<std::size_t>(n - kFirstBankLink)];
    throw std::out_of_range("option word " + std::to_string(n));
}

Integer OptionWord(const OptionDataRec& o, int n) { return OptionWord(const_cast<OptionDataRec&>(o), n); }

int OptionComboWord(int comboIndex) {
    return comboIndex >= 0 && comboIndex < kComboCount ? kComboWords[static_cast<std::size_t>(comboIndex)] : -1;
}

int OptionCheckWord(int checkIndex) {
    return checkIndex >= 0 && checkIndex < kCheck1Count ? kCheckWords[static_cast<std::size_t>(checkIndex)] : -1;
}

std::string NormaliseShortWaveText(int index, std::string_view text) {
    const ShortWaveBand& band = kShortWaveBands[index == 0 ? 0 : 1];
    const std::optional<double> v = ParseNumber(text);
    if (!v) return band.fallback;
    return FormatNumber(std::clamp(*v, band.low, band.high), "#0.0000");
}

// ---- the controls -------------------------------------------------------------

FrmOption::FrmOption(AppData& d) : Form("FrmOption"), d_(d) {
    FormState& f = State();
    f.tag = "1701";

    // The power-on text: two rows of six one-character boxes at the top.
    f.Add("Label2", ControlKind::Label).tag = "1739";
    for (int j = 0; j < kPowerOnBoxes; ++j) f.Add(Ctl("Text1", j), ControlKind::TextBox).max = 1;
    // The power-on password group: shown by no model, stored nowhere.
    f.Add("Check2", ControlKind::CheckBox).tag = "1737";
    f.Add("Label3", ControlKind::Label).tag = "1738";
    f.Add("Text2", ControlKind::TextBox).max = 6;

    for (int i : kComboTabOrder) {
        ControlState& label = f.Add(Ctl("Label1", i), ControlKind::Label);
        if (int key = LabelKey(i); key > 0) label.tag = std::to_string(key);
        else label.text = LabelDesignCaption(i);
        f.Add(Ctl("Combo1", i), ControlKind::ComboBox);
    }
    // Lists of the design; the model may put "ALARM" into a PF list.
    for (int i : {29, 32}) C(Ctl("Combo1", i)).items.assign(std::begin(kPFKeyEntries), std::end(kPFKeyEntries));
    for (int i : {30, 31}) C(Ctl("Combo1", i)).items = {"CH", "Bank"};
    C("Combo1_33").items = {"WE OFF", "WE ON", "WE ALT"};
    for (int n = 1; n <= 7; ++n) C("Combo1_34").items.push_back("WX " + std::to_string(n));
    C("Combo1_35").items = {"NOR", "GMRS", "MURS"};
    {
        auto& gmrs = C("Combo1_36").items;
        auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
        for (int n = 1; n <= 7; ++n) gmrs.push_back("GMRS" + two(n));
        for (int n = 15; n <= 22; ++n) gmrs.push_back("GMRS" + two(n));
        for (int n = 15; n <= 22; ++n) gmrs.push_back("REPT" + two(n));
    }
    for (int n = 1; n <= 5; ++n) C("Combo1_37").items.push_back("MURS " + std::to_string(n));

    f.Add("Label4_0", ControlKind::Label).text = "SW Frequency[MHz]";
    f.Add("Text3_0", ControlKind::TextBox).max = 8;
    f.Add("Label4_1", ControlKind::Label).text = "LW Frequency[MHz]";
    f.Add("Text3_1", ControlKind::TextBox).max = 8;

    f.Add("Frame1", ControlKind::Frame);
    for (int i = 0; i < kCheck1Count; ++i) {
        ControlState& box = f.Add(Ctl("Check1", i), ControlKind::CheckBox);
        if (int key = CheckKey(i); key > 0) box.tag = std::to_string(key);
        else box.text = kBandSwitchCaptions[i - 8];
    }
    f.Add("Frame2", ControlKind::Frame);
    for (int i = 0; i < kCheck3Count; ++i)
        f.Add(Ctl("Check3", i), ControlKind::CheckBox).text = "Bank Link " + std::to_string((i + 1) % 10);

    f.Add("CommandOK", ControlKind::Button).tag = "101";
    f.Add("CommandCancel", ControlKind::Button).tag = "102";

    // Hidden by the design and never shown; still filled, shown and stored.
    for (int i : {18, 19, 25, 26, 27, 28}) C(Ctl("Label1", i)).visible = false;
    for (int i : {18, 19, 25, 26, 27, 28}) C(Ctl("Combo1", i)).visible = false;
    for (int i = 8; i <= 11; ++i) C(Ctl("Check1", i)).visible = false;
    for (const char* n : {"Label4_0", "Label4_1", "Text3_0", "Text3_1", "Check2", "Label3", "Text2"})
        C(n).visible = false;
}

ControlState& FrmOption::Combo(int index) { return C(Ctl("Combo1", index)); }

// ---- opening --------------------------------------------------------------------

void FrmOption::Form_Load() {
    IsOptionLoaded = false;

    const std::string model = TrimNullStr(d_.CurModel);
    auto hide = [this](const char* base, int from, int to) {
        for (int i = from; i <= to; ++i) C(Ctl(base, i)).visible = false;
    };
    auto hideShortWave = [this] {
        for (const char* n : {"Label4_0", "Label4_1", "Text3_0", "Text3_1"}) C(n).visible = false;
    };
    if (model == "KEVRA8R") {
        hide("Label1", 25, 28);
        hide("Combo1", 25, 28);
        hide("Check1", 8, 11);
        hideShortWave();
        Combo(29).items[4] = kAlarmEntry;
        Combo(32).items[4] = kAlarmEntry;
    } else if (model == "7425USC") {
        hide("Label1", 26, 28);
        hide("Combo1", 26, 28);
        hide("Check1", 8, 11);
        hideShortWave();
        Combo(29).items[3] = kAlarmEntry;
    } else if (model == "7425USD") {
        Combo(29).items[5] = kAlarmEntry;
    }

    ShowOptionByLanguage();
    InitOptionLists();
    ShowOptionByData();
    IsOptionLoaded = true;
}

void FrmOption::ShowOptionByLanguage() {
    FormState& f = State();
    f.caption = GetLanguageString(d_, 1701);
    for (int i = 0; i < kComboCount; ++i)
        if (int key = LabelKey(i); key > 0) C(Ctl("Label1", i)).text = GetLanguageString(d_, key);
    // Each label stands left of its list: the shell's layout places it.
    C("Check2").text = GetLanguageString(d_, 1737);
    C("Label3").text = GetLanguageString(d_, 1738);
    C("Label2").text = GetLanguageString(d_, 1739);
    for (int i = 0; i < kCheck1Count; ++i)
        if (int key = CheckKey(i); key > 0) C(Ctl("Check1", i)).text = GetLanguageString(d_, key);
    SetOKCancelCaption(d_, f);
}

void FrmOption::InitOptionLists() {
    auto keys = [this](int index, std::initializer_list<int> list) {
        ControlState& c = Combo(index);
        ClearList(c);
        for (int key : list) c.items.push_back(GetLanguageString(d_, key));
    };
    auto texts = [this](int index, std::initializer_list<const char*> list) {
        ControlState& c = Combo(index);
        ClearList(c);
        for (const char* t : list) c.items.push_back(t);
    };
    auto numbers = [this](int index, int from, int to) {
        for (int n = from; n <= to; ++n) Combo(index).items.push_back(std::to_string(n));
    };

    keys(0, {1750, 1751, 1752});
    for (int i : {1, 2, 3, 26}) keys(i, {1753, 1754});

    // Radio memory channel: the used FM stations 0..99 (100 is the VFO).
    ClearList(Combo(6));
    for (int i = 0; i < 100; ++i)
        if (d_.WorkData.RadioFreData[static_cast<std::size_t>(i)].Used == 1)
            Combo(6).items.push_back(std::to_string(i));

    for (int i : {7, 8}) {
        ClearList(Combo(i));
        numbers(i, 1, 9);
        Combo(i).items.push_back("0");
    }
    texts(9, {"5s", "10s", "15s", "SCP2s"});
    texts(10, {"0s", "1s", "2s", "3s"});
    Combo(10).items.push_back(GetLanguageString(d_, 8101));
    keys(11, {1755, 1756, 1757});
    keys(12, {1758, 1759, 1760});
    keys(13, {8102, 8100, 1755});
    keys(14, {1794, 1795});
    keys(15, {1761, 1762});
    keys(16, {1755});
    const std::string minutes = GetLanguageString(d_, 1782);
    for (int n = 1; n <= 27; ++n) Combo(16).items.push_back(std::to_string(n) + minutes);
    keys(17, {1755, 1768, 1769, 1770});
    keys(18, {1796, 1797});
    keys(19, {1755});
    for (const char* t : {"Repeater", "Busy"}) Combo(19).items.push_back(t);
    keys(20, {1755});
    for (const char* t : {"1:2", "1:3", "1:5", "1:8"}) Combo(20).items.push_back(t);
    Combo(20).items.push_back(GetLanguageString(d_, 1757));
    keys(21, {1755});
    for (const char* t : {"1750 Hz", "2100 Hz", "1000 Hz", "1450 Hz"}) Combo(21).items.push_back(t);
    keys(22, {1755});
    numbers(22, 1, 10);
    ClearList(Combo(23));
    for (int n = 0; n <= 25; ++n) Combo(23).items.push_back(FormatNumber((5 + n) / 10.0, "#0.0"));
    keys(24, {1755, 1763, 1764, 8300});
    ClearList(Combo(25));
    numbers(25, 1, 8);

    // AM memory channel: the AM stations 0..99 that hold a frequency, else "0".
    ControlState& am = Combo(27);
    ClearList(am);
    for (int i = 0; i < 100; ++i)
        if (!d_.WorkData.AMFreData[static_cast<std::size_t>(i)].Trim().empty())
            am.items.push_back(std::to_string(i));
    if (am.items.empty()) am.items.push_back("0");

    texts(28, {"FM 64-108 MHz", "AM 118-136 MHz", "SW 2.3-21.85 MHz", "LW 0.52-1.71 MHz"});
}

void FrmOption::FillWorkChannelList(int which) {
    if (which == 0) {
        FillWorkChannelList(1);
        FillWorkChannelList(2);
        return;
    }
    if (which != 1 && which != 2) return;
    ControlState& list = Combo(which == 1 ? 4 : 5);
    const bool bankMode = Combo(which == 1 ? 30 : 31).index != 0;
    const int group = Combo(which == 1 ? 7 : 8).index;

    ClearList(list);
    std::vector<int> numbers;
    const int count = std::clamp<int>(d_.FreDataCount(), 0, kFreDataMax);
    for (int k = 0; k < count; ++k) {
        const int c = d_.FreData[static_cast<std::size_t>(k)].No;
        if (!bankMode) {
            if (c < ChVFO1) numbers.push_back(c);  // memory and edge channels
        } else if (c <= ChMemLast && (group == 9 || GetChannelBankSlot(d_, c, group + 1) > 0)) {
            numbers.push_back(c);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    for (int c : numbers) list.items.push_back(GetChannelTextByNo(c, -1));
}

void FrmOption::ShowOptionByData() {
    OptionDataEdit = d_.OptionData();
    const OptionDataRec& o = OptionDataEdit;
    const RadioDataRec& w = d_.WorkData;

    // The list selections here run no rule: IsOptionLoaded is still false.
    for (int i : {0, 18, 1, 2}) ShowListAt(Combo(i), OptionWord(o, kComboWords[static_cast<std::size_t>(i)]));
    ShowDisplayModeState();
    for (int i : {3, 30, 31, 7, 8}) ShowListAt(Combo(i), OptionWord(o, kComboWords[static_cast<std::size_t>(i)]));

    FillWorkChannelList(0);
    SetComboText(Combo(4), GetChannelTextByNo(o.MemChannelA + 1, -1));
    SetComboText(Combo(5), GetChannelTextByNo(o.MemChannelB + 1, -1));
    SetComboText(Combo(6), std::to_string(o.RadioMemChannel));

    for (int i = 9; i <= 24; ++i)
        if (i != 18) ShowListAt(Combo(i), OptionWord(o, kComboWords[static_cast<std::size_t>(i)]));

    for (const ComboField& f : kComboFields) ShowListAt(Combo(f.combo), w.*f.field);
    SetComboText(Combo(27), std::to_string(w.AMMemChannel));

    // The check boxes' click handlers run here when a value changes, storing
    // it back: a word above 1 becomes 1 in the working copy.
    for (int i = 0; i < kCheck1Count; ++i)
        if (int word = kCheckWords[static_cast<std::size_t>(i)]; word >= 0)
            SetCheckValue(Ctl("Check1", i), FlagToCheckValue(OptionWord(OptionDataEdit, word)));
    for (const CheckField& f : kCheckFields) SetCheckValue(Ctl("Check1", f.check), FlagToCheckValue(w.*f.field));
    SetCheckValue(Ctl("Check1", kQuickScanCheck), FlagToCheckValue(w.QuickScan));
    for (int i = 0; i < kCheck3Count; ++i)
        SetCheckValue(Ctl("Check3", i), FlagToCheckValue(OptionDataEdit.BankLink[static_cast<std::size_t>(i)]));

    const FixedText<8>* waves[] = {&w.SWFre, &w.LWFre};
    for (int i = 0; i < 2; ++i) {
        const std::optional<double> v = ParseNumber(waves[i]->Trim());
        C(Ctl("Text3", i)).text = v ? FormatNumber(*v, "#0.0000") : "";
    }

    std::string text = OptionDataEdit.PowerOnText.Trim();
    text.resize(kPowerOnBoxes, ' ');
    for (int j = 0; j < kPowerOnBoxes; ++j) {
        const char ch = text[static_cast<std::size_t>(j)];
        C(Ctl("Text1", j)).text = ch == ' ' ? "" : Latin1ToUtf8(std::string_view(&ch, 1));
    }
}

// Opening shows the styles as the stored display mode leaves them; only a
// user's choice changes the words.
void FrmOption::ShowDisplayModeState() {
    const bool mode1 = Combo(0).index == 1;
    Combo(1).enabled = !mode1;
    Combo(2).enabled = !mode1;
    Combo(18).visible = mode1;
}

// ---- editing ---------------------------------------------------------------------

void FrmOption::Click(const std::string& control) {
    if (control == "CommandOK") return CommandOK_Click();
    if (control == "CommandCancel") return CommandCancel_Click();
    std::string base;
    int index = 0;
    if (!SplitName(control, base, index)) return;
    if (base == "Combo1" && index >= 0 && index < kComboCount) Combo1_Click(index);
    else if (base == "Check1" && index >= 0 && index < kCheck1Count) Check1_Click(index);
    else if (base == "Check3" && index >= 0 && index < kCheck3Count) Check3_Click(index);
}

void FrmOption::SelectByRule(int index, int entry) {
    SetListIndex(Combo(index), entry);
    Combo1_Click(index);
}

void FrmOption::SetCheckValue(const std::string& control, int value) {
    ControlState& box = C(control);
    if (box.value == value) return;
    box.value = value;
    Click(control);
}

void FrmOption::Combo1_Click(int index) {
    if (!IsOptionLoaded || index < 0 || index >= kComboCount) return;
    const ControlState& list = Combo(index);
    const int position = list.index;
    switch (index) {
    case 0:
        ApplyDisplayModeRule(position);
        OptionDataEdit.DisplayMode = static_cast<Integer>(position);
        return;
    case 4:
    case 5:
        OptionWord(OptionDataEdit, index) = static_cast<Integer>(GetChannelNoByText(list.text) - 1);
        return;
    case 6:
        OptionDataEdit.RadioMemChannel = static_cast<Integer>(ValLngDef(list.text, 0));
        return;
    case 7:
    case 30:
    case 8:
    case 31: {
        OptionWord(OptionDataEdit, kComboWords[static_cast<std::size_t>(index)]) = static_cast<Integer>(position);
        const int which = (index == 7 || index == 30) ? 1 : 2;
        FillWorkChannelList(which);
        ReselectWorkChannel(which);
        return;
    }
    default:
        if (int word = kComboWords[static_cast<std::size_t>(index)]; word >= 0)
            OptionWord(OptionDataEdit, word) = static_cast<Integer>(position);
        return;  // the lists of outside fields are read on OK
    }
}

// The style lists and the display-option list follow the display mode; the
// selections run the selection rules, so their words follow too.
void FrmOption::ApplyDisplayModeRule(int position) {
    if (position == 1) {
        SelectByRule(1, 1);
        SelectByRule(2, 1);
        Combo(1).enabled = false;
        Combo(2).enabled = false;
        Combo(18).visible = true;
        return;
    }
    const int style = position == 2 ? 1 : 0;
    SelectByRule(1, style);
    SelectByRule(2, style);
    Combo(1).enabled = true;
    Combo(2).enabled = true;
    SelectByRule(18, 0);
    Combo(18).visible = false;
}

// After a rebuild the list shows the stored channel when it is still there,
// else its first entry, and the word takes the channel shown; an empty list
// leaves the word alone.
void FrmOption::ReselectWorkChannel(int which) {
    const int index = which == 1 ? 4 : 5;
    ControlState& list = Combo(index);
    if (list.items.empty()) return;
    SetComboText(list, GetChannelTextByNo(OptionWord(OptionDataEdit, index) + 1, -1));
    Combo1_Click(index);
}

void FrmOption::Check1_Click(int index) {
    if (int word = OptionCheckWord(index); word >= 0)
        OptionWord(OptionDataEdit, word) = static_cast<Integer>(C(Ctl("Check1", index)).value);
}

void FrmOption::Check3_Click(int index) {
    if (index < 0 || index >= kCheck3Count) return;
    OptionDataEdit.BankLink[static_cast<std::size_t>(index)] = static_cast<Integer>(C(Ctl("Check3", index)).value);
}

// ---- keys and focus -----------------------------------------------------------------

std::string FrmOption::NextInTabOrder(const std::string& control) const {
    const auto& names = State().Names();
    auto it = std::find(names.begin(), names.end(), control);
    if (it == names.end()) return "";
    for (++it; it != names.end(); ++it)
        if (Focusable(State()[*it])) return *it;
    return "";
}

// As a Tab keystroke does: the next control gets the focus and its GotFocus
// handler runs.
void FrmOption::MoveFocusOn(const std::string& from) {
    const std::string next = NextInTabOrder(from);
    if (next.empty()) return;
    State().focus = next;
    GotFocus(next);
}

void FrmOption::KeyPress(const std::string& control, int& keyAscii) {
    if (control == "Text2") return Text2_KeyPress(keyAscii);
    std::string base;
    int index = 0;
    if (!SplitName(control, base, index)) return;
    if (base == "Text1" && index >= 0 && index < kPowerOnBoxes) Text1_KeyPress(index, keyAscii);
    else if (base == "Combo1" && index >= 0 && index < kComboCount) Combo1_KeyPress(index, keyAscii);
    else if (base == "Check1" && index >= 0 && index < kCheck1Count) Check1_KeyPress(index, keyAscii);
}

void FrmOption::Change(const std::string& control) {
    std::string base;
    int index = 0;
    if (SplitName(control, base, index) && base == "Text1" && index >= 0 && index < kPowerOnBoxes)
        Text1_Change(index);
}

void FrmOption::GotFocus(const std::string& control) {
    if (control == "Text2") return Text2_GotFocus();
    std::string base;
    int index = 0;
    if (!SplitName(control, base, index)) return;
    if (base == "Text1" && index >= 0 && index < kPowerOnBoxes) Text1_GotFocus(index);
    else if (base == "Text3" && (index == 0 || index == 1)) Text3_GotFocus(index);
}

bool FrmOption::LostFocus(const std::string& control, const std::string& next) {
    (void)next;
    if (control == "Text3_0") Text3_LostFocus(0);
    else if (control == "Text3_1") Text3_LostFocus(1);
    return true;
}

void FrmOption::Combo1_KeyPress(int index, int& keyAscii) {
    if (keyAscii != kKeyEnter) return;
    keyAscii = 0;
    MoveFocusOn(Ctl("Combo1", index));
}

void FrmOption::Check1_KeyPress(int index, int& keyAscii) {
    if (keyAscii != kKeyEnter) return;
    keyAscii = 0;
    MoveFocusOn(Ctl("Check1", index));
}

void FrmOption::Text1_GotFocus(int index) { selectAllRequest = Ctl("Text1", index); }

// One printable ASCII character a box, other than "\" and "~" (the radio's
// character set). An accepted character becomes the box's text (the box
// selects all on focus, so typing replaces its character) and then the focus
// moves on, so the character is in the box before the next one gets the
// focus. Control keys other than the clipboard ones pass.
void FrmOption::Text1_KeyPress(int index, int& keyAscii) {
    const int key = keyAscii;
    const std::string name = Ctl("Text1", index);
    if (key == kKeyCtrlC || key == kKeyCtrlV || key == kKeyCtrlX || key < 0 || key > 127) {
        keyAscii = 0;
    } else if (key == kKeyEnter) {
        keyAscii = 0;
        MoveFocusOn(name);
    } else if (IsPowerOnCharacter(key)) {
        keyAscii = 0;
        C(name).text = std::string(1, static_cast<char>(key));
        MoveFocusOn(name);
    } else if (key >= 32 && key <= 126) {
        keyAscii = 0;  // "\" and "~"
    }
}

void FrmOption::Text1_Change(int index) {
    ControlState& box = C(Ctl("Text1", index));
    std::string kept;
    for (char ch : box.text) {
        if (IsPowerOnCharacter(static_cast<unsigned char>(ch))) {
            kept = ch;
            break;
        }
    }
    box.text = kept;
}

void FrmOption::Text2_GotFocus() {
    if (!C("Text2").text.empty()) selectAllRequest = "Text2";
}

void FrmOption::Text2_KeyPress(int& keyAscii) {
    const int key = keyAscii;
    if (key == kKeyCtrlC || key == kKeyCtrlV || key == kKeyCtrlX || key < 0 || key > 127 ||
        (key >= 32 && key <= 126 && (key < '0' || key > '9'))) {
        keyAscii = 0;
    } else if (key == kKeyEnter) {
        keyAscii = 0;
        MoveFocusOn("Text2");
    }
}

void FrmOption::Text3_GotFocus(int index) {
    const std::string name = Ctl("Text3", index);
    if (!C(name).text.empty()) selectAllRequest = name;
}

void FrmOption::Text3_LostFocus(int index) {
    ControlState& box = C(Ctl("Text3", index));
    box.text = NormaliseShortWaveText(index, box.text);
}

// ---- closing --------------------------------------------------------------------------

void FrmOption::CommandOK_Click() {
    std::string text;
    for (int j = 0; j < kPowerOnBoxes; ++j) {
        const std::string ch = Utf8ToLatin1(C(Ctl("Text1", j)).text);
        text += ch.empty() ? ' ' : ch[0];
    }
    OptionDataEdit.PowerOnText.Set(text);

    RadioDataRec& w = d_.WorkData;
    w.OptionData() = OptionDataEdit;

    auto value = [this](int check) { return C(Ctl("Check1", check)).value; };
    auto position = [this](int combo) { return static_cast<Byte>(std::max(Combo(combo).index, 0)); };
    w.RadioOn = static_cast<Byte>(value(7));
    w.QuickScan = static_cast<Integer>(value(kQuickScanCheck));
    for (const ComboField& f : kComboFields) w.*f.field = position(f.combo);
    w.AMMemChannel = static_cast<Byte>(ValLngDef(Combo(27).text, 0));
    for (const CheckField& f : kCheckFields)
        if (f.check != 7) w.*f.field = static_cast<Byte>(value(f.check));

    Text3_LostFocus(0);
    Text3_LostFocus(1);
    w.SWFre.Set(C("Text3_0").text);
    w.LWFre.Set(C("Text3_1").text);

    EmptyOptionHook(d_);
    d_.Ui.View->LoadShowTree();
    Unload();
}

void FrmOption::CommandCancel_Click() { Unload(); }

}  // namespace rp
