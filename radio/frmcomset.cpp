#include "radio/frmcomset.h"

#include "core/language.h"
#include "mainwindow/formlanguage.h"
#include "radio/comportlist.h"

namespace rp {

FrmComSet::FrmComSet(AppData& d, PortListProvider& ports) : Form("FrmComSet"), d_(d), ports_(ports) {
    FormState& s = State();
    s.Add("Label1", ControlKind::Label);
    s.Add("Combo1", ControlKind::ComboBox);
    s.Add("CommandOK", ControlKind::Button);
    s.Add("CommandCancel", ControlKind::Button);
    AddComPortRescanTimer(s);
}

void FrmComSet::Form_Load() {
    LoadComSetFormText();
    FillList(d_.ComDevice);
    C("ReShowComPortTimer").enabled = true;
}

void FrmComSet::LoadComSetFormText() {
    State().caption = GetLanguageString(d_, 1401);
    C("Label1").text = GetLanguageString(d_, 1402);
    SetOKCancelCaption(d_, State());
}

void FrmComSet::FillList(const std::string& keep) {
    PortID = ShowComPortList(C("Combo1"), ports_, d_.ComDevice, keep);
}

void FrmComSet::Combo1_Click() { PortID = C("Combo1").SelectedItem(); }

void FrmComSet::CommandOK_Click() {
    StoreComPortChoice(d_, C("Combo1").SelectedItem());
    Form_Unload();
    Unload();
}

void FrmComSet::CommandCancel_Click() {
    Form_Unload();
    Unload();
}

void FrmComSet::Form_Unload() { C("ReShowComPortTimer").enabled = false; }

void FrmComSet::ReShowComPortTimer_Timer() {
    if (ListDroppedDown && ListDroppedDown()) return;
    FillList(PortID);
}

void FrmComSet::Click(const std::string& control) {
    if (control == "Combo1") Combo1_Click();
    else if (control == "CommandOK") CommandOK_Click();
    else if (control == "CommandCancel") CommandCancel_Click();
}

void FrmComSet::Timer(const std::string& control) {
    if (control == "ReShowComPortTimer") ReShowComPortTimer_Timer();
}

bool FrmComSet::QueryUnload() {
    Form_Unload();
    return true;
}

}  // namespace rp
