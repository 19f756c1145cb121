#include "printing/frmprintlist.h"

#include "core/language.h"
#include "printing/printjob.h"
#include "printing/printstrings.h"

namespace rp {

namespace {

using printlist::Items;

// The tick boxes top to bottom; 1 and 2 are never shown.
constexpr int kShownOrder[] = {0, 3, 4, 5, 6, 7, 8, 9};
constexpr int kHiddenItems[] = {1, 2};

}  // namespace

FrmPrintList::FrmPrintList(AppData& d, std::unique_ptr<PrinterPort> port)
    : Form(kName), d_(d), port_(std::move(port)) {
    FormState& s = State();
    for (int i : kShownOrder) s.Add(Items[i], ControlKind::CheckBox);
    for (int i : kHiddenItems) s.Add(Items[i], ControlKind::CheckBox).visible = false;
    for (const char* b : {printlist::SelectAll, printlist::ClearAll, printlist::Setup, printlist::Print,
                          printlist::Cancel})
        s.Add(b, ControlKind::Button);
}

void FrmPrintList::Form_Load() {
    State().caption = kPrintListCaption;
    SetPrintListCaptions();
}

void FrmPrintList::SetPrintListCaptions() {
    const PrintTexts& t = d_.Prt;
    C(printlist::SelectAll).text = LangText(d_, t.PrtSelectAllText);
    C(printlist::ClearAll).text = LangText(d_, t.PrtClearAllText);
    C(printlist::Setup).text = LangText(d_, t.PrtSetText);
    for (int i = 0; i < kPrintItemAlarm; ++i)
        C(Items[i]).text = LangText(d_, t.PrtItemNames[static_cast<std::size_t>(i)]);
    C(Items[kPrintItemAlarm]).text = GetLanguageString(d_, kTextAlarmItem);
    SetPrintButtonCaptions(d_, State());
}

void FrmPrintList::ReadPrintSelections() {
    for (int i = 0; i < kPrintItemCount; ++i)
        d_.PrintItemFlags[static_cast<std::size_t>(i)] = static_cast<Integer>(C(Items[i]).value);
}

void FrmPrintList::CommandSelAll_Click() {
    for (int i : kShownOrder) C(Items[i]).value = 1;
}

void FrmPrintList::CommandClrAll_Click() {
    for (int i = 0; i < kPrintItemCount; ++i) C(Items[i]).value = 0;
}

void FrmPrintList::CommandSet_Click() { port_->ShowSetupDialog(); }

void FrmPrintList::Command1_Click() {
    int any = 0;
    for (int i : kShownOrder) any |= C(Items[i]).value;
    if (any == 0) {
        d_.Ui.Notify->Show(LangText(d_, d_.Prt.PrtSelectPrompt), MsgIcon::Warning, MsgButtons::Ok, "");
        return;
    }
    ReadPrintSelections();
    PrintSelectedItems(d_, *port_);
    if (d_.PrintOK) Unload();
}

void FrmPrintList::Command2_Click() { Unload(); }

void FrmPrintList::Click(const std::string& control) {
    if (control == printlist::SelectAll) CommandSelAll_Click();
    else if (control == printlist::ClearAll) CommandClrAll_Click();
    else if (control == printlist::Setup) CommandSet_Click();
    else if (control == printlist::Print) Command1_Click();
    else if (control == printlist::Cancel) Command2_Click();
}

}  // namespace rp
