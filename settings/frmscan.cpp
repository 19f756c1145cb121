#include "settings/frmscan.h"

#include <algorithm>

#include "core/language.h"
#include "core/listutils.h"
#include "forms/formlanguage.h"
#include "settings/formutil.h"
#include "settings/frmscancontrols.h"

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

// The controls the scan mode enables: every list after the mode and the
// prompt-tone box.
constexpr const char* kModeControls[] = {
    scan::Priority,  scan::PriorityChannel1, scan::PriorityChannel1Second, scan::PriorityChannel2,
    scan::PriorityChannel2Second, scan::Revert, scan::LookBackA, scan::LookBackB,
    scan::RxResume, scan::TxResume, scan::ScanType, scan::WaitTime, scan::PromptTone,
};

// Priority channel n (1 or 2): its list and the list of its second part.
void EnablePriorityChannel(Form& f, int n, bool on) {
    f.C(n == 1 ? scan::PriorityChannel1 : scan::PriorityChannel2).enabled = on;
    f.C(n == 1 ? scan::PriorityChannel1Second : scan::PriorityChannel2Second).enabled = on;
}

}  // namespace

FrmScan::FrmScan(AppData& d) : Form(kName), d_(d) {
    State().tag = "2400";
    AddControls(State(), scan::kControls);
    // The second parts of the priority channels: a "-" and an empty list.
    C(scan::PriorityChannel1Dash).text = "-";
    C(scan::PriorityChannel2Dash).text = "-";
}

void FrmScan::Form_Load() {
    ChangShowByLanguage();
    InitShowList();
    ScanDataEdit = d_.ScanData();
    SetShowData();
}

void FrmScan::ChangShowByLanguage() {
    ApplyFormLanguage(d_, State());  // the caption, the labels, the prompt-tone box
    SetOKCancelCaption(d_, State());
}

void FrmScan::InitShowList() {
    ClearAllLists(State());
    revertMaster_.clear();
    const std::string off = GetLanguageString(d_, 2430);
    const std::string priority = GetLanguageString(d_, 2403);
    const std::string talkback = GetLanguageString(d_, 2433);
    C(scan::ScanMode).items = {off, GetLanguageString(d_, 2431)};
    C(scan::Priority).items = {off, priority + "1", priority + "2", priority + "1 + " + priority + "2"};
    // The priority-channel lists show the channel numbers themselves.
    for (int n : SortedMemoryChannels(d_)) C(scan::PriorityChannel1).items.push_back(std::to_string(n));
    C(scan::PriorityChannel2).items = C(scan::PriorityChannel1).items;
    for (int i = 0; i <= 45; ++i) C(scan::LookBackA).items.push_back(Tenths(i + 5));
    C(scan::LookBackB).items = C(scan::LookBackA).items;
    for (int i = 0; i <= 49; ++i) C(scan::RxResume).items.push_back(Tenths(i + 1));
    C(scan::TxResume).items = C(scan::RxResume).items;
    for (int key = 2436; key <= 2439; ++key) C(scan::ScanType).items.push_back(GetLanguageString(d_, key));
    for (int i = 0; i <= 253; ++i) C(scan::WaitTime).items.push_back(std::to_string(25 * (i + 2)));
    const std::string selected = GetLanguageString(d_, 2432);
    C(scan::RevertMasters).items = {selected,
                         selected + " + " + talkback,
                         priority + "1",
                         priority + "2",
                         GetLanguageString(d_, 2434),
                         GetLanguageString(d_, 2435),
                         priority + "1 + " + talkback,
                         priority + "2 + " + talkback};
}

void FrmScan::InitRevertList() {
    ControlState& revert = C(scan::Revert);
    const int priority = C(scan::Priority).index;
    revertMaster_ = RevertEntriesFor(priority);
    revert.items.clear();
    for (int m : revertMaster_) revert.items.push_back(GetComboItemByIndex(C(scan::RevertMasters), m));
    SetListIndex(revert, -1);
    if (priority == 1 || priority == 3) EnablePriorityChannel(*this, 1, true);
    if (priority == 2 || priority == 3) EnablePriorityChannel(*this, 2, true);
}

void FrmScan::SetEnableByScanMode() {
    const int mode = C(scan::ScanMode).index;
    if (mode != 0 && mode != 1) return;
    for (const char* name : kModeControls) C(name).enabled = mode == 1;
    if (mode == 0) return;
    const int priority = C(scan::Priority).index;
    if (priority == 0 || priority == 2) EnablePriorityChannel(*this, 1, false);
    if (priority == 0 || priority == 1) EnablePriorityChannel(*this, 2, false);
}

void FrmScan::ShowRevert(int master) {
    if (master < 0 || master > 7) master = 0;
    auto it = std::find(revertMaster_.begin(), revertMaster_.end(), master);
    const int pos = it == revertMaster_.end() ? 0 : static_cast<int>(it - revertMaster_.begin());
    SetListIndex(C(scan::Revert), revertMaster_.empty() ? -1 : pos);
}

int FrmScan::ShownRevertMaster() const {
    const int i = C(scan::Revert).index;
    return i >= 0 && i < static_cast<int>(revertMaster_.size()) ? revertMaster_[static_cast<std::size_t>(i)] : 0;
}

void FrmScan::Combo1_Click(const std::string& list) {
    if (list == scan::ScanMode) {
        SetEnableByScanMode();
    } else if (list == scan::Priority) {
        // A new priority offers other revert entries; keep the stored one when offered.
        InitRevertList();
        SetEnableByScanMode();
        ShowRevert(ScanDataEdit.Revert);
        ScanDataEdit.Revert = static_cast<Byte>(ShownRevertMaster());
    } else if (list == scan::Revert) {
        ScanDataEdit.Revert = static_cast<Byte>(ShownRevertMaster());
    }
}

void FrmScan::SetShowData() {
    ScanDataRec& e = ScanDataEdit;
    ShowItemByIndex(C(scan::ScanMode), e.ScanMode);
    Combo1_Click(scan::ScanMode);
    ShowItemByIndex(C(scan::Priority), e.Priority);
    Combo1_Click(scan::Priority);
    SetComboText(C(scan::PriorityChannel1), std::to_string(e.PriorityCh1 + 1));
    SetComboText(C(scan::PriorityChannel2), std::to_string(e.PriorityCh2 + 1));
    for (const char* list : {scan::PriorityChannel1, scan::PriorityChannel1Second, scan::PriorityChannel2,
                             scan::PriorityChannel2Second})
        C(list).enabled = false;
    InitRevertList();
    ShowRevert(e.Revert);
    Combo1_Click(scan::Revert);
    ShowItemByIndex(C(scan::LookBackA), e.LookBackA);
    ShowItemByIndex(C(scan::LookBackB), e.LookBackB);
    ShowItemByIndex(C(scan::RxResume), e.RxResume);
    ShowItemByIndex(C(scan::TxResume), e.TxResume);
    ShowItemByIndex(C(scan::ScanType), e.ScanType);
    ShowItemByIndex(C(scan::WaitTime), e.WaitTime - 2);
    if (e.PromptTone > 1) e.PromptTone = 0;
    C(scan::PromptTone).value = e.PromptTone;
    SetEnableByScanMode();
}

void FrmScan::CommandOK_Click() {
    ScanDataRec& e = ScanDataEdit;
    e.ScanMode = IndexByte(C(scan::ScanMode));
    e.Priority = IndexByte(C(scan::Priority));
    // Shown as n, stored as n - 1; an empty list stores 0.
    e.PriorityCh1 = ToByte(ValLngDef(C(scan::PriorityChannel1).text, 1) - 1);
    e.PriorityCh2 = ToByte(ValLngDef(C(scan::PriorityChannel2).text, 1) - 1);
    e.Revert = static_cast<Byte>(ShownRevertMaster());
    e.LookBackA = IndexByte(C(scan::LookBackA));
    e.LookBackB = IndexByte(C(scan::LookBackB));
    e.RxResume = IndexByte(C(scan::RxResume));
    e.TxResume = IndexByte(C(scan::TxResume));
    e.ScanType = IndexByte(C(scan::ScanType));
    e.WaitTime = ToByte(IndexByte(C(scan::WaitTime)) + 2);
    e.PromptTone = C(scan::PromptTone).value == 1 ? 1 : 0;
    d_.ScanData() = e;
    Unload();
}

void FrmScan::CommandCancel_Click() { Unload(); }

void FrmScan::Click(const std::string& control) {
    if (control == kOKButton) {
        CommandOK_Click();
    } else if (control == kCancelButton) {
        CommandCancel_Click();
    } else {
        Combo1_Click(control);
    }
}

}  // namespace rp
