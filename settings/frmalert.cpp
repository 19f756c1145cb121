#include "settings/frmalert.h"

#include <algorithm>

#include "core/conversions.h"
#include "core/language.h"
#include "core/listutils.h"
#include "forms/formlanguage.h"
#include "settings/formutil.h"
#include "settings/frmalertcontrols.h"

namespace rp {

namespace {

// A list's position as a stored byte (0 when nothing is selected).
Byte IndexByte(const ControlState& list) { return static_cast<Byte>(std::clamp(list.index, 0, 255)); }

Byte ToByte(Long v) { return static_cast<Byte>(std::clamp<Long>(v, 0, 255)); }

}  // namespace

FrmAlert::FrmAlert(AppData& d) : Form(kName), d_(d) {
    State().tag = "2600";
    // The emergency-channel group is captioned and enabled with the channel
    // list, never filled and never shown; the lone-worker group is hidden
    // but shown and stored like the rest.
    AddControls(State(), alert::kControls);
}

void FrmAlert::Form_Load() {
    ShowAlertByLanguage();
    InitAlertLists();
    AlarmDataEdit = d_.AlarmData();
    ShowAlertByData();
}

void FrmAlert::ShowAlertByLanguage() {
    ApplyFormLanguage(d_, State());  // the caption, the labels, the lone-worker group
    SetOKCancelCaption(d_, State());
}

void FrmAlert::InitAlertLists() {
    ClearAllLists(State());
    auto& type = C(alert::AlarmType).items;
    for (int key = 2630; key <= 2633; ++key) type.push_back(GetLanguageString(d_, key));
    C(alert::IdCodeType).items = {GetLanguageString(d_, 2436), "DTMF", "5Tone"};
    for (const char* list : {alert::AlarmTime, alert::TxTime, alert::RxTime}) AddNumberItems(C(list), 1, 255);
    C(alert::ChannelSelect).items = {GetLanguageString(d_, 2634), GetLanguageString(d_, 2635)};
    // Memory channel n is shown as n - 1, the way the radio counts them.
    for (int n : SortedMemoryChannels(d_)) C(alert::EmergencyChannel).items.push_back(GetChannelTextByNo(n, -1));
    C(alert::Cycles).items = {GetLanguageString(d_, 2636)};
    AddNumberItems(C(alert::Cycles), 1, 255);
    AddNumberItems(C(alert::PreAlertTime), 1, 254);
    AddNumberItems(C(alert::LoneWorkerTime), 5, 255);
}

void FrmAlert::InitGroupList() {
    ControlState& group = C(alert::IdCode);
    group.items.clear();
    const int type = C(alert::IdCodeType).index;
    if (type == 1) {
        const auto& codes = d_.DTMFData().MemCodes;
        for (std::size_t i = 0; i < codes.size(); ++i)
            if (codes[i].CodeLen > 0) group.items.push_back("M" + std::to_string(i + 1));
        SetComboText(group, "M" + std::to_string(AlarmDataEdit.IDCodeGroup + 1));
    } else if (type == 2) {
        const auto& codes = d_.Tone5Data().Codes;
        for (std::size_t e = 0; e < codes.size(); ++e)
            if (codes[e].Empty == 0) group.items.push_back(std::to_string(e));
        if (group.items.empty()) group.items.push_back("0");
        SetComboText(group, std::to_string(AlarmDataEdit.IDCodeGroup));
    } else {
        SetListIndex(group, -1);
    }
}

void FrmAlert::ShowAlertByData() {
    const AlarmDataRec& e = AlarmDataEdit;
    ShowItemByIndex(C(alert::AlarmType), e.AlarmType);
    Combo1_Click(alert::AlarmType);
    ShowItemByIndex(C(alert::IdCodeType), e.IDCodeType);
    Combo1_Click(alert::IdCodeType);
    // A stored 0 shows "1".
    ShowItemByIndex(C(alert::AlarmTime), e.AlarmTime - 1);
    ShowItemByIndex(C(alert::TxTime), e.TxTime - 1);
    ShowItemByIndex(C(alert::RxTime), e.RxTime - 1);
    ShowItemByIndex(C(alert::ChannelSelect), e.ChannelSelect);
    Combo1_Click(alert::ChannelSelect);
    SetComboText(C(alert::EmergencyChannel), GetChannelTextByNo(e.EmgChannel + 1, -1));
    ShowItemByIndex(C(alert::Cycles), e.Cycles);
    if (AlarmDataEdit.AutoDetect > 1) AlarmDataEdit.AutoDetect = 0;
    C(alert::AutoDetect).value = AlarmDataEdit.AutoDetect;
    Check1_Click();
    SetComboText(C(alert::PreAlertTime), std::to_string(e.PreAlertTime));
    SetComboText(C(alert::LoneWorkerTime), std::to_string(e.LoneWorkerTime));
}

void FrmAlert::Combo1_Click(const std::string& list) {
    if (list == alert::AlarmType) {
        // A local alarm has an alarm time; the others send an ID.
        const bool local = C(alert::AlarmType).index == 0;
        C(alert::AlarmTime).enabled = local;
        for (const char* name : {alert::IdCodeType, alert::IdCode, alert::TxTime, alert::RxTime})
            C(name).enabled = !local;
    } else if (list == alert::IdCodeType) {
        InitGroupList();
    } else if (list == alert::ChannelSelect) {
        const int select = C(alert::ChannelSelect).index;
        if (select == 0 || select == 1) {
            C(alert::EmergencyGroup).enabled = select == 0;
            C(alert::EmergencyChannel).enabled = select == 0;
        }
    }
}

void FrmAlert::Check1_Click() {
    const bool on = C(alert::AutoDetect).value == 1;
    C(alert::PreAlertTime).enabled = on;
    C(alert::LoneWorkerTime).enabled = on;
}

void FrmAlert::CommandOK_Click() {
    AlarmDataRec& e = AlarmDataEdit;
    e.AlarmType = IndexByte(C(alert::AlarmType));
    e.IDCodeType = IndexByte(C(alert::IdCodeType));
    const std::string group = C(alert::IdCode).text;
    if (C(alert::IdCodeType).index <= 0 || group.empty())
        e.IDCodeGroup = 0;
    else if (e.IDCodeType == 1)  // "M5" is memory code 5, stored as 4
        e.IDCodeGroup = ToByte(ValLngDef(group.substr(1), 1) - 1);
    else if (e.IDCodeType == 2)
        e.IDCodeGroup = ToByte(ValLngDef(group, 0));
    e.AlarmTime = ToByte(IndexByte(C(alert::AlarmTime)) + 1);
    e.TxTime = ToByte(IndexByte(C(alert::TxTime)) + 1);
    e.RxTime = ToByte(IndexByte(C(alert::RxTime)) + 1);
    e.ChannelSelect = IndexByte(C(alert::ChannelSelect));
    e.EmgChannel = ToByte(ValLngDef(C(alert::EmergencyChannel).text, 1));  // the shown n - 1
    e.Cycles = IndexByte(C(alert::Cycles));
    e.AutoDetect = C(alert::AutoDetect).value == 1 ? 1 : 0;
    e.PreAlertTime = ToByte(ValLngDef(C(alert::PreAlertTime).text, 1));
    e.LoneWorkerTime = ToByte(ValLngDef(C(alert::LoneWorkerTime).text, 5));
    d_.AlarmData() = e;
    Unload();
}

void FrmAlert::CommandCancel_Click() { Unload(); }

void FrmAlert::Click(const std::string& control) {
    if (control == kOKButton) {
        CommandOK_Click();
    } else if (control == kCancelButton) {
        CommandCancel_Click();
    } else if (control == alert::AutoDetect) {
        Check1_Click();
    } else {
        Combo1_Click(control);
    }
}

}  // namespace rp
