#include "settings/frmalert.h"

#include <algorithm>

#include "core/conversions.h"
#include "core/language.h"
#include "core/listutils.h"
#include "forms/formlanguage.h"
#include "settings/formutil.h"

namespace rp {

namespace {

constexpr int kLabelKey0 = 2602;  // Label1(i) carries key 2602 + i

// A list's position as a stored byte (0 when nothing is selected).
Byte IndexByte(const ControlState& list) { return static_cast<Byte>(std::clamp(list.index, 0, 255)); }

Byte ToByte(Long v) { return static_cast<Byte>(std::clamp<Long>(v, 0, 255)); }

}  // namespace

FrmAlert::FrmAlert(AppData& d) : Form("FrmAlert"), d_(d) {
    FormState& s = State();
    s.tag = "2600";
    for (int i = 0; i <= 9; ++i) {
        ControlState& label = s.Add(Indexed("Label1", i), ControlKind::Label);
        label.tag = std::to_string(kLabelKey0 + i);
        s.Add(Indexed("Combo1", i), ControlKind::ComboBox);
    }
    // The emergency-channel group: captioned, enabled with the channel list,
    // never filled and never shown.
    s["Label1_7"].visible = false;
    s["Combo1_7"].visible = false;
    // The lone-worker group is hidden but shown and stored like the rest.
    s.Add("Frame1", ControlKind::Frame).tag = "2612";
    s.Add("Check1", ControlKind::CheckBox).tag = "2613";
    s.Add("Label2_0", ControlKind::Label).tag = "2614";
    s.Add("Combo2_0", ControlKind::ComboBox);
    s.Add("Label2_1", ControlKind::Label).tag = "2615";
    s.Add("Combo2_1", ControlKind::ComboBox);
    for (const char* name : {"Frame1", "Check1", "Label2_0", "Combo2_0", "Label2_1", "Combo2_1"})
        s[name].visible = false;
    s.Add("CommandOK", ControlKind::Button);
    s.Add("CommandCancel", ControlKind::Button);
}

void FrmAlert::Form_Load() {
    ShowAlertByLanguage();
    InitAlertLists();
    AlarmDataEdit = d_.AlarmData();
    ShowAlertByData();
}

void FrmAlert::ShowAlertByLanguage() {
    ApplyFormLanguage(d_, State());  // caption 2600, Label1(i), Frame1, Check1, Label2(i)
    SetOKCancelCaption(d_, State());
}

void FrmAlert::InitAlertLists() {
    for (const auto& name : State().Names()) {
        ControlState& c = C(name);
        if (c.kind == ControlKind::ComboBox) {
            c.items.clear();
            SetListIndex(c, -1);
        }
    }
    auto& type = C("Combo1_0").items;
    for (int key = 2630; key <= 2633; ++key) type.push_back(GetLanguageString(d_, key));
    C("Combo1_1").items = {GetLanguageString(d_, 2436), "DTMF", "5Tone"};
    for (int i = 3; i <= 5; ++i) AddNumberItems(C(Indexed("Combo1", i)), 1, 255);
    C("Combo1_6").items = {GetLanguageString(d_, 2634), GetLanguageString(d_, 2635)};
    // Memory channel n is shown as n - 1, the way the radio counts them.
    for (int n : SortedMemoryChannels(d_)) C("Combo1_8").items.push_back(GetChannelTextByNo(n, -1));
    C("Combo1_9").items = {GetLanguageString(d_, 2636)};
    AddNumberItems(C("Combo1_9"), 1, 255);
    AddNumberItems(C("Combo2_0"), 1, 254);
    AddNumberItems(C("Combo2_1"), 5, 255);
}

void FrmAlert::InitGroupList() {
    ControlState& group = C("Combo1_2");
    group.items.clear();
    const int type = C("Combo1_1").index;
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
    ShowItemByIndex(C("Combo1_0"), e.AlarmType);
    Combo1_Click(0);
    ShowItemByIndex(C("Combo1_1"), e.IDCodeType);
    Combo1_Click(1);
    // A stored 0 shows "1".
    ShowItemByIndex(C("Combo1_3"), e.AlarmTime - 1);
    ShowItemByIndex(C("Combo1_4"), e.TxTime - 1);
    ShowItemByIndex(C("Combo1_5"), e.RxTime - 1);
    ShowItemByIndex(C("Combo1_6"), e.ChannelSelect);
    Combo1_Click(6);
    SetComboText(C("Combo1_8"), GetChannelTextByNo(e.EmgChannel + 1, -1));
    ShowItemByIndex(C("Combo1_9"), e.Cycles);
    if (AlarmDataEdit.AutoDetect > 1) AlarmDataEdit.AutoDetect = 0;
    C("Check1").value = AlarmDataEdit.AutoDetect;
    Check1_Click();
    SetComboText(C("Combo2_0"), std::to_string(e.PreAlertTime));
    SetComboText(C("Combo2_1"), std::to_string(e.LoneWorkerTime));
}

void FrmAlert::Combo1_Click(int index) {
    switch (index) {
    case 0: {  // alarm type: a local alarm has an alarm time; the others send an ID
        const bool local = C("Combo1_0").index == 0;
        C("Combo1_3").enabled = local;
        for (const char* name : {"Combo1_1", "Combo1_2", "Combo1_4", "Combo1_5"}) C(name).enabled = !local;
        break;
    }
    case 1:
        InitGroupList();
        break;
    case 6: {
        const int select = C("Combo1_6").index;
        if (select == 0 || select == 1) {
            C("Combo1_7").enabled = select == 0;
            C("Combo1_8").enabled = select == 0;
        }
        break;
    }
    default:
        break;
    }
}

void FrmAlert::Check1_Click() {
    const bool on = C("Check1").value == 1;
    C("Combo2_0").enabled = on;
    C("Combo2_1").enabled = on;
}

void FrmAlert::CommandOK_Click() {
    AlarmDataRec& e = AlarmDataEdit;
    e.AlarmType = IndexByte(C("Combo1_0"));
    e.IDCodeType = IndexByte(C("Combo1_1"));
    const std::string group = C("Combo1_2").text;
    if (C("Combo1_1").index <= 0 || group.empty())
        e.IDCodeGroup = 0;
    else if (e.IDCodeType == 1)  // "M5" is memory code 5, stored as 4
        e.IDCodeGroup = ToByte(ValLngDef(group.substr(1), 1) - 1);
    else if (e.IDCodeType == 2)
        e.IDCodeGroup = ToByte(ValLngDef(group, 0));
    e.AlarmTime = ToByte(IndexByte(C("Combo1_3")) + 1);
    e.TxTime = ToByte(IndexByte(C("Combo1_4")) + 1);
    e.RxTime = ToByte(IndexByte(C("Combo1_5")) + 1);
    e.ChannelSelect = IndexByte(C("Combo1_6"));
    e.EmgChannel = ToByte(ValLngDef(C("Combo1_8").text, 1));  // the shown n - 1
    e.Cycles = IndexByte(C("Combo1_9"));
    e.AutoDetect = C("Check1").value == 1 ? 1 : 0;
    e.PreAlertTime = ToByte(ValLngDef(C("Combo2_0").text, 1));
    e.LoneWorkerTime = ToByte(ValLngDef(C("Combo2_1").text, 5));
    d_.AlarmData() = e;
    Unload();
}

void FrmAlert::CommandCancel_Click() { Unload(); }

void FrmAlert::Click(const std::string& control) {
    if (control == "CommandOK") {
        CommandOK_Click();
    } else if (control == "CommandCancel") {
        CommandCancel_Click();
    } else if (control == "Check1") {
        Check1_Click();
    } else if (int i = ArrayIndex(control, "Combo1"); i >= 0) {
        Combo1_Click(i);
    }
}

}  // namespace rp
