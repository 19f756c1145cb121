#include "settings/frmscan.h"

#include <algorithm>

#include "core/language.h"
#include "core/listutils.h"
#include "forms/formlanguage.h"
#include "settings/formutil.h"

namespace rp {

namespace {

Byte IndexByte(const ControlState& list) { return static_cast<Byte>(std::clamp(list.index, 0, 255)); }

Byte ToByte(Long v) { return static_cast<Byte>(std::clamp<Long>(v, 0, 255)); }

// Tenths of a second with one decimal ("0.5", "5.0").
std::string Tenths(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

// The revert entries each priority setting offers, as master indexes.
const std::vector<int>& RevertEntriesFor(int priority) {
    static const std::vector<int> none, table[4] = {
        {0, 1, 4, 5}, {0, 1, 2, 4, 5, 6}, {0, 1, 3, 4, 5, 7}, {0, 1, 2, 3, 4, 5, 6, 7}};
    return priority >= 0 && priority <= 3 ? table[priority] : none;
}

}  // namespace

FrmScan::FrmScan(AppData& d) : Form("FrmScan"), d_(d) {
    FormState& s = State();
    s.tag = "2400";
    for (int i = 0; i <= 12; ++i) {
        ControlState& label = s.Add(Indexed("Label1", i), ControlKind::Label);
        ControlState& list = s.Add(Indexed("Combo1", i), ControlKind::ComboBox);
        const bool shown = i != 3 && i != 5 && i != 11 && i != 12;
        label.visible = shown;
        list.visible = shown;
    }
    const std::pair<int, int> keys[] = {{0, 2402}, {1, 2403}, {2, 2404}, {4, 2405}, {6, 2406}};
    for (auto [i, key] : keys) s[Indexed("Label1", i)].tag = std::to_string(key);
    for (int i = 7; i <= 12; ++i) s[Indexed("Label1", i)].tag = std::to_string(2400 + i);
    // The second parts of the priority channels: a "-" and an empty list.
    s["Label1_3"].text = "-";
    s["Label1_5"].text = "-";
    s.Add("Combo2", ControlKind::ComboBox).visible = false;
    s.Add("Check1", ControlKind::CheckBox).tag = "2413";
    s.Add("CommandOK", ControlKind::Button);
    s.Add("CommandCancel", ControlKind::Button);
}

void FrmScan::Form_Load() {
    ChangShowByLanguage();
    InitShowList();
    ScanDataEdit = d_.ScanData();
    SetShowData();
}

void FrmScan::ChangShowByLanguage() {
    ApplyFormLanguage(d_, State());  // caption 2400, Label1(i), Check1
    SetOKCancelCaption(d_, State());
}

void FrmScan::InitShowList() {
    for (const auto& name : State().Names()) {
        ControlState& c = C(name);
        if (c.kind == ControlKind::ComboBox) {
            c.items.clear();
            SetListIndex(c, -1);
        }
    }
    revertMaster_.clear();
    const std::string off = GetLanguageString(d_, 2430);
    const std::string priority = GetLanguageString(d_, 2403);
    const std::string talkback = GetLanguageString(d_, 2433);
    C("Combo1_0").items = {off, GetLanguageString(d_, 2431)};
    C("Combo1_1").items = {off, priority + "1", priority + "2", priority + "1 + " + priority + "2"};
    // The priority-channel lists show the channel numbers themselves.
    for (int n : SortedMemoryChannels(d_)) C("Combo1_2").items.push_back(std::to_string(n));
    C("Combo1_4").items = C("Combo1_2").items;
    for (int i = 0; i <= 45; ++i) C("Combo1_7").items.push_back(Tenths(i + 5));
    C("Combo1_8").items = C("Combo1_7").items;
    for (int i = 0; i <= 49; ++i) C("Combo1_9").items.push_back(Tenths(i + 1));
    C("Combo1_10").items = C("Combo1_9").items;
    for (int key = 2436; key <= 2439; ++key) C("Combo1_11").items.push_back(GetLanguageString(d_, key));
    for (int i = 0; i <= 253; ++i) C("Combo1_12").items.push_back(std::to_string(25 * (i + 2)));
    const std::string selected = GetLanguageString(d_, 2432);
    C("Combo2").items = {selected,
                         selected + " + " + talkback,
                         priority + "1",
                         priority + "2",
                         GetLanguageString(d_, 2434),
                         GetLanguageString(d_, 2435),
                         priority + "1 + " + talkback,
                         priority + "2 + " + talkback};
}

void FrmScan::InitRevertList() {
    ControlState& revert = C("Combo1_6");
    const int priority = C("Combo1_1").index;
    revertMaster_ = RevertEntriesFor(priority);
    revert.items.clear();
    for (int m : revertMaster_) revert.items.push_back(GetComboItemByIndex(C("Combo2"), m));
    SetListIndex(revert, -1);
    if (priority == 1 || priority == 3) C("Combo1_2").enabled = C("Combo1_3").enabled = true;
    if (priority == 2 || priority == 3) C("Combo1_4").enabled = C("Combo1_5").enabled = true;
}

void FrmScan::SetEnableByScanMode() {
    const int mode = C("Combo1_0").index;
    if (mode != 0 && mode != 1) return;
    for (int i = 1; i <= 12; ++i) C(Indexed("Combo1", i)).enabled = mode == 1;
    C("Check1").enabled = mode == 1;
    if (mode == 0) return;
    const int priority = C("Combo1_1").index;
    if (priority == 0 || priority == 2) C("Combo1_2").enabled = C("Combo1_3").enabled = false;
    if (priority == 0 || priority == 1) C("Combo1_4").enabled = C("Combo1_5").enabled = false;
}

void FrmScan::ShowRevert(int master) {
    if (master < 0 || master > 7) master = 0;
    auto it = std::find(revertMaster_.begin(), revertMaster_.end(), master);
    const int pos = it == revertMaster_.end() ? 0 : static_cast<int>(it - revertMaster_.begin());
    SetListIndex(C("Combo1_6"), revertMaster_.empty() ? -1 : pos);
}

int FrmScan::ShownRevertMaster() const {
    const int i = C("Combo1_6").index;
    return i >= 0 && i < static_cast<int>(revertMaster_.size()) ? revertMaster_[static_cast<std::size_t>(i)] : 0;
}

void FrmScan::Combo1_Click(int index) {
    switch (index) {
    case 0:
        SetEnableByScanMode();
        break;
    case 1:  // a new priority offers other revert entries; keep the stored one when offered
        InitRevertList();
        SetEnableByScanMode();
        ShowRevert(ScanDataEdit.Revert);
        ScanDataEdit.Revert = static_cast<Byte>(ShownRevertMaster());
        break;
    case 6:
        ScanDataEdit.Revert = static_cast<Byte>(ShownRevertMaster());
        break;
    default:
        break;
    }
}

void FrmScan::SetShowData() {
    ScanDataRec& e = ScanDataEdit;
    ShowItemByIndex(C("Combo1_0"), e.ScanMode);
    Combo1_Click(0);
    ShowItemByIndex(C("Combo1_1"), e.Priority);
    Combo1_Click(1);
    SetComboText(C("Combo1_2"), std::to_string(e.PriorityCh1 + 1));
    SetComboText(C("Combo1_4"), std::to_string(e.PriorityCh2 + 1));
    for (int i = 2; i <= 5; ++i) C(Indexed("Combo1", i)).enabled = false;
    InitRevertList();
    ShowRevert(e.Revert);
    Combo1_Click(6);
    ShowItemByIndex(C("Combo1_7"), e.LookBackA);
    ShowItemByIndex(C("Combo1_8"), e.LookBackB);
    ShowItemByIndex(C("Combo1_9"), e.RxResume);
    ShowItemByIndex(C("Combo1_10"), e.TxResume);
    ShowItemByIndex(C("Combo1_11"), e.ScanType);
    ShowItemByIndex(C("Combo1_12"), e.WaitTime - 2);
    if (e.PromptTone > 1) e.PromptTone = 0;
    C("Check1").value = e.PromptTone;
    SetEnableByScanMode();
}

void FrmScan::CommandOK_Click() {
    ScanDataRec& e = ScanDataEdit;
    e.ScanMode = IndexByte(C("Combo1_0"));
    e.Priority = IndexByte(C("Combo1_1"));
    // Shown as n, stored as n - 1; an empty list stores 0.
    e.PriorityCh1 = ToByte(ValLngDef(C("Combo1_2").text, 1) - 1);
    e.PriorityCh2 = ToByte(ValLngDef(C("Combo1_4").text, 1) - 1);
    e.Revert = static_cast<Byte>(ShownRevertMaster());
    e.LookBackA = IndexByte(C("Combo1_7"));
    e.LookBackB = IndexByte(C("Combo1_8"));
    e.RxResume = IndexByte(C("Combo1_9"));
    e.TxResume = IndexByte(C("Combo1_10"));
    e.ScanType = IndexByte(C("Combo1_11"));
    e.WaitTime = ToByte(IndexByte(C("Combo1_12")) + 2);
    e.PromptTone = C("Check1").value == 1 ? 1 : 0;
    d_.ScanData() = e;
    Unload();
}

void FrmScan::CommandCancel_Click() { Unload(); }

void FrmScan::Click(const std::string& control) {
    if (control == "CommandOK") {
        CommandOK_Click();
    } else if (control == "CommandCancel") {
        CommandCancel_Click();
    } else if (int i = ArrayIndex(control, "Combo1"); i >= 0) {
        Combo1_Click(i);
    }
}

}  // namespace rp
