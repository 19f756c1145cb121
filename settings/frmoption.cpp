#include "settings/frmoption.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/banks.h"
#include "core/conversions.h"
#include "core/fixedtext.h"
#include "core/language.h"
#include "core/listutils.h"
#include "core/numtext.h"
#include "core/repair.h"
#include "forms/formlanguage.h"
#include "settings/frmoptioncontrols.h"

namespace rp {

namespace {

constexpr int kPowerOnBoxes = 12;     // power-on text, one character a box
constexpr int kBankLinks = 10;

// Where a list or a check box keeps its value: a word of the dialog's
// working copy of the option record, stored as the user changes the
// control, or a field of WorkData beside the record, stored on OK.
struct OptionField {
    int (*get)(const OptionDataRec& edit, const RadioDataRec& work);
    void (*set)(OptionDataRec& edit, RadioDataRec& work, int value);
    bool onOK;
};

template <auto Member>
constexpr OptionField Word() {
    return {[](const OptionDataRec& e, const RadioDataRec&) -> int { return e.*Member; },
            [](OptionDataRec& e, RadioDataRec&, int v) { e.*Member = static_cast<Integer>(v); }, false};
}

template <auto Member>
constexpr OptionField Beside() {
    using Field = std::remove_reference_t<decltype(std::declval<RadioDataRec&>().*Member)>;
    return {[](const OptionDataRec&, const RadioDataRec& w) -> int { return w.*Member; },
            [](OptionDataRec&, RadioDataRec& w, int v) { w.*Member = static_cast<Field>(v); }, true};
}

// How a list shows its value: the entry at that position, a channel's text
// (the value + 1), or the number as its text.
enum class Shown { Position, Channel, Number };

struct ListField {
    const char* list;
    OptionField field;
    Shown shown = Shown::Position;
};

// Every list and the field it shows: the load shows the field, a pick (or
// OK, for the fields beside the record) stores what the list shows.
constexpr ListField kLists[] = {
    {option::DisplayMode, Word<&OptionDataRec::DisplayMode>()},
    {option::DisplayOption, Word<&OptionDataRec::DisplayOption>()},
    {option::DisplayStyleA, Word<&OptionDataRec::DisplayStyleA>()},
    {option::DisplayStyleB, Word<&OptionDataRec::DisplayStyleB>()},
    {option::RadioDisplay, Word<&OptionDataRec::RadioDisplay>()},
    {option::WorkModeA, Word<&OptionDataRec::WorkModeA>()},
    {option::MemGroupA, Word<&OptionDataRec::MemGroupA>()},
    {option::MemChannelA, Word<&OptionDataRec::MemChannelA>(), Shown::Channel},
    {option::WorkModeB, Word<&OptionDataRec::WorkModeB>()},
    {option::MemGroupB, Word<&OptionDataRec::MemGroupB>()},
    {option::MemChannelB, Word<&OptionDataRec::MemChannelB>(), Shown::Channel},
    {option::RadioMemChannel, Word<&OptionDataRec::RadioMemChannel>(), Shown::Number},
    {option::MainBand, Word<&OptionDataRec::MainBand>()},
    {option::ScanTime, Word<&OptionDataRec::ScanTime>()},
    {option::KeyTime, Word<&OptionDataRec::KeyTime>()},
    {option::Backlight, Word<&OptionDataRec::Backlight>()},
    {option::Colour, Word<&OptionDataRec::Colour>()},
    {option::SubDisplay, Word<&OptionDataRec::SubDisplay>()},
    {option::SqlKey, Word<&OptionDataRec::SqlKey>()},
    {option::Tot, Word<&OptionDataRec::TOT>()},
    {option::AutoPowerOff, Word<&OptionDataRec::AutoPowerOff>()},
    {option::BusyLock, Word<&OptionDataRec::BusyLockOption>()},
    {option::PowerSave, Word<&OptionDataRec::PowerSave>()},
    {option::ToneBurst, Word<&OptionDataRec::ToneBurst>()},
    {option::VoxLevel, Word<&OptionDataRec::VoxLevel>()},
    {option::VoxDelay, Word<&OptionDataRec::VoxDelay>()},
    {option::TailMode, Word<&OptionDataRec::TailMode>()},
    {option::SubVolume, Beside<&RadioDataRec::SubVolume>()},
    {option::AmDisplay, Beside<&RadioDataRec::AMDisplayMode>()},
    {option::AmMemChannel, Beside<&RadioDataRec::AMMemChannel>(), Shown::Number},
    {option::RadioBand, Beside<&RadioDataRec::RadioBand>()},
    {option::Pf1Key, Beside<&RadioDataRec::PF1Key>()},
    {option::Pf2Key, Beside<&RadioDataRec::PF2Key>()},
    {option::NoaaAlert, Beside<&RadioDataRec::NOAAAlert>()},
    {option::NoaaChannel, Beside<&RadioDataRec::NOAAChannel>()},
    {option::Part95Mode, Beside<&RadioDataRec::Part95Mode>()},
    {option::GmrsChannel, Beside<&RadioDataRec::GMRSChannel>()},
    {option::MursChannel, Beside<&RadioDataRec::MURSChannel>()},
};

struct CheckField {
    const char* box;
    OptionField field;
};

// Every switch and the field it ticks (the bank links, BankLink(i), are the
// array option::BankLinks).
constexpr CheckField kChecks[] = {
    {option::FuncOperA, Word<&OptionDataRec::FuncOperA>()},
    {option::FuncOperB, Word<&OptionDataRec::FuncOperB>()},
    {option::InitKey, Word<&OptionDataRec::InitKey>()},
    {option::TailElim, Word<&OptionDataRec::TailElim>()},
    {option::FullBand, Word<&OptionDataRec::FullBand>()},
    {option::Alarm, Word<&OptionDataRec::Alarm>()},
    {option::Voice, Word<&OptionDataRec::Voice>()},
    {option::RadioOn, Beside<&RadioDataRec::RadioOn>()},
    {option::AmEnabled, Beside<&RadioDataRec::AMEnabled>()},
    {option::FmEnabled, Beside<&RadioDataRec::FMEnabled>()},
    {option::SwEnabled, Beside<&RadioDataRec::SWEnabled>()},
    {option::LwEnabled, Beside<&RadioDataRec::LWEnabled>()},
    {option::GroupSelectA, Word<&OptionDataRec::GroupSelectA>()},
    {option::GroupSelectB, Word<&OptionDataRec::GroupSelectB>()},
    {option::KeyLock, Word<&OptionDataRec::KeyLock>()},
    {option::QuickScan, Beside<&RadioDataRec::QuickScan>()},
};

const ListField* FindList(std::string_view list) {
    for (const ListField& e : kLists)
        if (list == e.list) return &e;
    return nullptr;
}

// What a list shows, as the value of its field.
int ListValue(const ControlState& list, Shown shown) {
    switch (shown) {
    case Shown::Channel: return GetChannelNoByText(list.text) - 1;
    case Shown::Number: return ValLngDef(list.text, 0);
    case Shown::Position: break;
    }
    return list.index;
}

const CheckField* FindCheck(std::string_view box) {
    for (const CheckField& e : kChecks)
        if (box == e.box) return &e;
    return nullptr;
}

// The two memory-channel lists (1 and 2), each rebuilt from its work mode
// and memory group.
struct WorkChannelSide {
    const char* mode;
    const char* group;
    const char* channel;
    Integer OptionDataRec::*word;
};
constexpr WorkChannelSide kWorkChannelSides[] = {
    {option::WorkModeA, option::MemGroupA, option::MemChannelA, &OptionDataRec::MemChannelA},
    {option::WorkModeB, option::MemGroupB, option::MemChannelB, &OptionDataRec::MemChannelB},
};

// 1 or 2 for the mode and group lists of a memory-channel list, else 0.
int WorkChannelSideOf(std::string_view list) {
    for (int which = 1; which <= 2; ++which) {
        const WorkChannelSide& side = kWorkChannelSides[which - 1];
        if (list == side.mode || list == side.group) return which;
    }
    return 0;
}

// The SW (0) and LW (1) frequency boxes.
constexpr std::array<const char*, 2> kWaveBoxes = {option::SwFrequency, option::LwFrequency};

int WaveBoxIndex(std::string_view box) {
    for (std::size_t i = 0; i < kWaveBoxes.size(); ++i)
        if (box == kWaveBoxes[i]) return static_cast<int>(i);
    return -1;
}

// The design's captions of the controls without a language key.
constexpr std::pair<const char*, const char*> kDesignCaptions[] = {
    {option::DisplayOptionLabel, "Label1"},
    {option::Pf1KeyLabel, "PF1"},
    {option::Pf2KeyLabel, "PF2"},
    {option::NoaaAlertLabel, "NOAA"},
    {option::NoaaChannelLabel, "NOAA Channel"},
    {option::Part95ModeLabel, "PART95"},
    {option::GmrsChannelLabel, "GMRS Channel"},
    {option::MursChannelLabel, "MURS Channel"},
    {option::SwFrequencyLabel, "SW Frequency[MHz]"},
    {option::LwFrequencyLabel, "LW Frequency[MHz]"},
    {option::AmEnabled, "AM Enabled"},
    {option::FmEnabled, "FM Enabled"},
    {option::SwEnabled, "SW Enabled"},
    {option::LwEnabled, "LW Enabled"},
};

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

std::string NormaliseShortWaveText(int index, std::string_view text) {
    const ShortWaveBand& band = kShortWaveBands[index == 0 ? 0 : 1];
    const std::optional<double> v = ParseNumber(text);
    if (!v) return band.fallback;
    return FormatNumber(std::clamp(*v, band.low, band.high), "#0.0000");
}

// ---- the controls -------------------------------------------------------------

FrmOption::FrmOption(AppData& d) : Form(kName), d_(d) {
    State().tag = "1701";
    AddControls(State(), option::kControls);
    for (auto [control, caption] : kDesignCaptions) C(control).text = caption;
    for (int i = 0; i < kBankLinks; ++i) C(option::BankLinks[i]).text = "Bank Link " + std::to_string((i + 1) % 10);
    // The text boxes select their whole text when the user brings the focus
    // (or the dialog moves it on as Tab does).
    for (int j = 0; j < kPowerOnBoxes; ++j) C(option::PowerOnBoxes[j]).selectOnEntry = SelectOnEntry::OnArrival;
    for (const char* box : {option::Password, option::SwFrequency, option::LwFrequency})
        C(box).selectOnEntry = SelectOnEntry::OnArrival;

    // Lists of the design; the model may put "ALARM" into a PF list.
    for (const char* pf : {option::Pf1Key, option::Pf2Key})
        C(pf).items.assign(std::begin(kPFKeyEntries), std::end(kPFKeyEntries));
    for (const char* mode : {option::WorkModeA, option::WorkModeB}) C(mode).items = {"CH", "Bank"};
    C(option::NoaaAlert).items = {"WE OFF", "WE ON", "WE ALT"};
    for (int n = 1; n <= 7; ++n) C(option::NoaaChannel).items.push_back("WX " + std::to_string(n));
    C(option::Part95Mode).items = {"NOR", "GMRS", "MURS"};
    {
        auto& gmrs = C(option::GmrsChannel).items;
        auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
        for (int n = 1; n <= 7; ++n) gmrs.push_back("GMRS" + two(n));
        for (int n = 15; n <= 22; ++n) gmrs.push_back("GMRS" + two(n));
        for (int n = 15; n <= 22; ++n) gmrs.push_back("REPT" + two(n));
    }
    for (int n = 1; n <= 5; ++n) C(option::MursChannel).items.push_back("MURS " + std::to_string(n));
}

// ---- opening --------------------------------------------------------------------

void FrmOption::Form_Load() {
    IsOptionLoaded = false;

    // The AM rows, the band switches and the frequency boxes stand hidden
    // for the models without them.
    constexpr const char* amRows[] = {option::AmDisplayLabel,    option::AmDisplay, option::AmMemChannelLabel,
                                      option::AmMemChannel,      option::RadioBandLabel, option::RadioBand,
                                      option::AmEnabled,         option::FmEnabled,      option::SwEnabled,
                                      option::LwEnabled,         option::SwFrequencyLabel, option::LwFrequencyLabel,
                                      option::SwFrequency,       option::LwFrequency};
    auto hide = [this](std::span<const char* const> names) {
        for (const char* n : names) C(n).visible = false;
    };
    const std::string model = TrimNullStr(d_.CurModel);
    if (model == "KEVRA8R") {
        hide(amRows);
        C(option::SubVolumeLabel).visible = false;
        C(option::SubVolume).visible = false;
        C(option::Pf1Key).items[4] = kAlarmEntry;
        C(option::Pf2Key).items[4] = kAlarmEntry;
    } else if (model == "7425USC") {
        hide(amRows);
        C(option::Pf1Key).items[3] = kAlarmEntry;
    } else if (model == "7425USD") {
        C(option::Pf1Key).items[5] = kAlarmEntry;
    }

    ShowOptionByLanguage();
    InitOptionLists();
    ShowOptionByData();
    IsOptionLoaded = true;
}

void FrmOption::ShowOptionByLanguage() {
    FormState& f = State();
    f.caption = GetLanguageString(d_, 1701);
    // The captions of the labels and switches with a language key; each
    // label stands left of its list: the shell's layout places it.
    for (const ControlEntry& entry : option::kControls)
        if ((entry.kind == ControlKind::Label || entry.kind == ControlKind::CheckBox) && *entry.tag)
            C(entry.name).text = GetLanguageString(d_, std::atoi(entry.tag));
    SetOKCancelCaption(d_, f);
}

void FrmOption::InitOptionLists() {
    auto keys = [this](const char* list, std::initializer_list<int> entries) {
        ControlState& c = C(list);
        ClearList(c);
        for (int key : entries) c.items.push_back(GetLanguageString(d_, key));
    };
    auto texts = [this](const char* list, std::initializer_list<const char*> entries) {
        ControlState& c = C(list);
        ClearList(c);
        for (const char* t : entries) c.items.push_back(t);
    };
    auto numbers = [this](const char* list, int from, int to) {
        for (int n = from; n <= to; ++n) C(list).items.push_back(std::to_string(n));
    };

    keys(option::DisplayMode, {1750, 1751, 1752});
    for (const char* list : {option::DisplayStyleA, option::DisplayStyleB, option::RadioDisplay, option::AmDisplay})
        keys(list, {1753, 1754});

    // Radio memory channel: the used FM stations 0..99 (100 is the VFO).
    ClearList(C(option::RadioMemChannel));
    for (int i = 0; i < 100; ++i)
        if (d_.WorkData.RadioFreData[static_cast<std::size_t>(i)].Used == 1)
            C(option::RadioMemChannel).items.push_back(std::to_string(i));

    for (const char* group : {option::MemGroupA, option::MemGroupB}) {
        ClearList(C(group));
        numbers(group, 1, 9);
        C(group).items.push_back("0");
    }
    texts(option::ScanTime, {"5s", "10s", "15s", "SCP2s"});
    texts(option::KeyTime, {"0s", "1s", "2s", "3s"});
    C(option::KeyTime).items.push_back(GetLanguageString(d_, 8101));
    keys(option::Backlight, {1755, 1756, 1757});
    keys(option::Colour, {1758, 1759, 1760});
    keys(option::SubDisplay, {8102, 8100, 1755});
    keys(option::SqlKey, {1794, 1795});
    keys(option::MainBand, {1761, 1762});
    keys(option::Tot, {1755});
    const std::string minutes = GetLanguageString(d_, 1782);
    for (int n = 1; n <= 27; ++n) C(option::Tot).items.push_back(std::to_string(n) + minutes);
    keys(option::AutoPowerOff, {1755, 1768, 1769, 1770});
    keys(option::DisplayOption, {1796, 1797});
    keys(option::BusyLock, {1755});
    for (const char* t : {"Repeater", "Busy"}) C(option::BusyLock).items.push_back(t);
    keys(option::PowerSave, {1755});
    for (const char* t : {"1:2", "1:3", "1:5", "1:8"}) C(option::PowerSave).items.push_back(t);
    C(option::PowerSave).items.push_back(GetLanguageString(d_, 1757));
    keys(option::ToneBurst, {1755});
    for (const char* t : {"1750 Hz", "2100 Hz", "1000 Hz", "1450 Hz"}) C(option::ToneBurst).items.push_back(t);
    keys(option::VoxLevel, {1755});
    numbers(option::VoxLevel, 1, 10);
    ClearList(C(option::VoxDelay));
    for (int n = 0; n <= 25; ++n) C(option::VoxDelay).items.push_back(FormatNumber((5 + n) / 10.0, "#0.0"));
    keys(option::TailMode, {1755, 1763, 1764, 8300});
    ClearList(C(option::SubVolume));
    numbers(option::SubVolume, 1, 8);

    // AM memory channel: the AM stations 0..99 that hold a frequency, else "0".
    ControlState& am = C(option::AmMemChannel);
    ClearList(am);
    for (int i = 0; i < 100; ++i)
        if (!d_.WorkData.AMFreData[static_cast<std::size_t>(i)].Trim().empty())
            am.items.push_back(std::to_string(i));
    if (am.items.empty()) am.items.push_back("0");

    texts(option::RadioBand, {"FM 64-108 MHz", "AM 118-136 MHz", "SW 2.3-21.85 MHz", "LW 0.52-1.71 MHz"});
}

void FrmOption::FillWorkChannelList(int which) {
    if (which == 0) {
        FillWorkChannelList(1);
        FillWorkChannelList(2);
        return;
    }
    if (which != 1 && which != 2) return;
    const WorkChannelSide& side = kWorkChannelSides[which - 1];
    ControlState& list = C(side.channel);
    const bool bankMode = C(side.mode).index != 0;
    const int group = C(side.group).index;

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
    const RadioDataRec& w = d_.WorkData;

    // The list selections here run no rule: IsOptionLoaded is still false.
    // The lists shown by position first: the memory-channel lists are built
    // from the work modes and groups shown.
    for (const ListField& e : kLists)
        if (e.shown == Shown::Position) ShowListAt(C(e.list), e.field.get(OptionDataEdit, w));
    ShowDisplayModeState();
    FillWorkChannelList(0);
    for (const ListField& e : kLists) {
        const int value = e.field.get(OptionDataEdit, w);
        if (e.shown == Shown::Channel) SetComboText(C(e.list), GetChannelTextByNo(value + 1, -1));
        else if (e.shown == Shown::Number) SetComboText(C(e.list), std::to_string(value));
    }

    // The check boxes' click handlers run here when a value changes, storing
    // it back: a word above 1 becomes 1 in the working copy.
    for (const CheckField& e : kChecks) SetCheckValue(e.box, FlagToCheckValue(e.field.get(OptionDataEdit, w)));
    for (int i = 0; i < kBankLinks; ++i)
        SetCheckValue(option::BankLinks[i], FlagToCheckValue(OptionDataEdit.BankLink[static_cast<std::size_t>(i)]));

    const FixedText<8>* waves[] = {&w.SWFre, &w.LWFre};
    for (int i = 0; i < 2; ++i) {
        const std::optional<double> v = ParseNumber(waves[i]->Trim());
        C(kWaveBoxes[static_cast<std::size_t>(i)]).text = v ? FormatNumber(*v, "#0.0000") : "";
    }

    std::string text = OptionDataEdit.PowerOnText.Trim();
    text.resize(kPowerOnBoxes, ' ');
    for (int j = 0; j < kPowerOnBoxes; ++j) {
        const char ch = text[static_cast<std::size_t>(j)];
        C(option::PowerOnBoxes[j]).text = ch == ' ' ? "" : Latin1ToUtf8(std::string_view(&ch, 1));
    }
}

// Opening shows the styles as the stored display mode leaves them; only a
// user's choice changes the words.
void FrmOption::ShowDisplayModeState() {
    const bool mode1 = C(option::DisplayMode).index == 1;
    C(option::DisplayStyleA).enabled = !mode1;
    C(option::DisplayStyleB).enabled = !mode1;
    C(option::DisplayOption).visible = mode1;
}

// ---- editing ---------------------------------------------------------------------

void FrmOption::Click(const std::string& control) {
    if (control == kOKButton) return CommandOK_Click();
    if (control == kCancelButton) return CommandCancel_Click();
    if (FindList(control)) Combo1_Click(control);
    else if (FindCheck(control)) Check1_Click(control);
    else if (int i = option::BankLinks.IndexOf(control); i >= 0 && i < kBankLinks) Check3_Click(i);
}

void FrmOption::SelectByRule(const char* list, int entry) {
    SetListIndex(C(list), entry);
    Combo1_Click(list);
}

void FrmOption::SetCheckValue(const std::string& control, int value) {
    ControlState& box = C(control);
    if (box.value == value) return;
    box.value = value;
    Click(control);
}

void FrmOption::Combo1_Click(const std::string& list) {
    const ListField* e = FindList(list);
    if (!IsOptionLoaded || !e) return;
    if (list == option::DisplayMode) ApplyDisplayModeRule(C(list).index);
    // The lists of fields beside the record are read on OK.
    if (!e->field.onOK) e->field.set(OptionDataEdit, d_.WorkData, ListValue(C(list), e->shown));
    if (int which = WorkChannelSideOf(list)) {
        FillWorkChannelList(which);
        ReselectWorkChannel(which);
    }
}

// The style lists and the display-option list follow the display mode; the
// selections run the selection rules, so their words follow too.
void FrmOption::ApplyDisplayModeRule(int position) {
    if (position == 1) {
        SelectByRule(option::DisplayStyleA, 1);
        SelectByRule(option::DisplayStyleB, 1);
        C(option::DisplayStyleA).enabled = false;
        C(option::DisplayStyleB).enabled = false;
        C(option::DisplayOption).visible = true;
        return;
    }
    const int style = position == 2 ? 1 : 0;
    SelectByRule(option::DisplayStyleA, style);
    SelectByRule(option::DisplayStyleB, style);
    C(option::DisplayStyleA).enabled = true;
    C(option::DisplayStyleB).enabled = true;
    SelectByRule(option::DisplayOption, 0);
    C(option::DisplayOption).visible = false;
}

// After a rebuild the list shows the stored channel when it is still there,
// else its first entry, and the word takes the channel shown; an empty list
// leaves the word alone.
void FrmOption::ReselectWorkChannel(int which) {
    const WorkChannelSide& side = kWorkChannelSides[which - 1];
    ControlState& list = C(side.channel);
    if (list.items.empty()) return;
    SetComboText(list, GetChannelTextByNo(OptionDataEdit.*side.word + 1, -1));
    Combo1_Click(side.channel);
}

void FrmOption::Check1_Click(const std::string& box) {
    const CheckField* e = FindCheck(box);
    if (e && !e->field.onOK) e->field.set(OptionDataEdit, d_.WorkData, C(box).value);
}

void FrmOption::Check3_Click(int index) {
    if (index < 0 || index >= kBankLinks) return;
    OptionDataEdit.BankLink[static_cast<std::size_t>(index)] =
        static_cast<Integer>(C(option::BankLinks[index]).value);
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

// As a Tab keystroke does: the next control gets the focus, as the user's
// arrival (a box selects its text).
void FrmOption::MoveFocusOn(const std::string& from) {
    const std::string next = NextInTabOrder(from);
    if (next.empty()) return;
    State().focus = next;
    State().focusArrives = true;
}

void FrmOption::KeyPress(const std::string& control, int& keyAscii) {
    if (control == option::Password) return Text2_KeyPress(keyAscii);
    if (int j = option::PowerOnBoxes.IndexOf(control); j >= 0 && j < kPowerOnBoxes) Text1_KeyPress(j, keyAscii);
    else if (FindList(control)) Combo1_KeyPress(control, keyAscii);
    else if (FindCheck(control)) Check1_KeyPress(control, keyAscii);
}

void FrmOption::Change(const std::string& control) {
    if (int j = option::PowerOnBoxes.IndexOf(control); j >= 0 && j < kPowerOnBoxes) Text1_Change(j);
}

bool FrmOption::LostFocus(const std::string& control, const std::string& next) {
    (void)next;
    if (int i = WaveBoxIndex(control); i >= 0) Text3_LostFocus(i);
    return true;
}

void FrmOption::Combo1_KeyPress(const std::string& list, int& keyAscii) {
    if (keyAscii != kKeyReturn) return;
    keyAscii = 0;
    MoveFocusOn(list);
}

void FrmOption::Check1_KeyPress(const std::string& box, int& keyAscii) {
    if (keyAscii != kKeyReturn) return;
    keyAscii = 0;
    MoveFocusOn(box);
}

// One printable ASCII character a box, other than "\" and "~" (the radio's
// character set). An accepted character becomes the box's text (the box
// selects all on focus, so typing replaces its character) and then the focus
// moves on, so the character is in the box before the next one gets the
// focus. Control keys other than the clipboard ones pass.
void FrmOption::Text1_KeyPress(int index, int& keyAscii) {
    const int key = keyAscii;
    const std::string name = option::PowerOnBoxes[index];
    if (key == kKeyCtrlC || key == kKeyCtrlV || key == kKeyCtrlX || key < 0 || key > 127) {
        keyAscii = 0;
    } else if (key == kKeyReturn) {
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
    ControlState& box = C(option::PowerOnBoxes[index]);
    std::string kept;
    for (char ch : box.text) {
        if (IsPowerOnCharacter(static_cast<unsigned char>(ch))) {
            kept = ch;
            break;
        }
    }
    box.text = kept;
}

void FrmOption::Text2_KeyPress(int& keyAscii) {
    const int key = keyAscii;
    if (key == kKeyCtrlC || key == kKeyCtrlV || key == kKeyCtrlX || key < 0 || key > 127 ||
        (key >= 32 && key <= 126 && (key < '0' || key > '9'))) {
        keyAscii = 0;
    } else if (key == kKeyReturn) {
        keyAscii = 0;
        MoveFocusOn(option::Password);
    }
}

void FrmOption::Text3_LostFocus(int index) {
    ControlState& box = C(kWaveBoxes.at(static_cast<std::size_t>(index)));
    box.text = NormaliseShortWaveText(index, box.text);
}

// ---- closing --------------------------------------------------------------------------

void FrmOption::CommandOK_Click() {
    std::string text;
    for (int j = 0; j < kPowerOnBoxes; ++j) {
        const std::string ch = Utf8ToLatin1(C(option::PowerOnBoxes[j]).text);
        text += ch.empty() ? ' ' : ch[0];
    }
    OptionDataEdit.PowerOnText.Set(text);

    RadioDataRec& w = d_.WorkData;
    w.OptionData() = OptionDataEdit;

    // The fields beside the record take what their controls show.
    for (const ListField& e : kLists) {
        if (!e.field.onOK) continue;
        const int value = ListValue(C(e.list), e.shown);
        e.field.set(OptionDataEdit, w, e.shown == Shown::Position ? std::max(value, 0) : value);
    }
    for (const CheckField& e : kChecks)
        if (e.field.onOK) e.field.set(OptionDataEdit, w, C(e.box).value);

    Text3_LostFocus(0);
    Text3_LostFocus(1);
    w.SWFre.Set(C(option::SwFrequency).text);
    w.LWFre.Set(C(option::LwFrequency).text);

    EmptyOptionHook(d_);
    d_.Ui.View->LoadShowTree();
    Unload();
}

void FrmOption::CommandCancel_Click() { Unload(); }

}  // namespace rp
