#pragma once
// The radio link's windows: the shells of the port dialog, the test-data
// dialog and the password dialog, and the link-test window (which nothing
// opens).
#include "core/appdata.h"
#include "link/ports.h"
#include "widgets/dialoghost.h"

namespace rp {

// Registers FrmComSet, FrmTestData and FrmPassWord; the radio commands make
// their forms.
void RegisterRadioDialogs(DialogOpeners& openers);

void BuildFrmComSet(FormDialog& dlg);
void BuildFrmTestData(FormDialog& dlg);
// FrmPassWord's shell; its text box masked with "*".
void BuildFrmPassWord(FormDialog& dlg);
// The link-test window with its own serial port and reply timer, loaded
// and bound, not yet shown.
FormDialog* MakeLoadFrmLink(AppData& d, PortListProvider& ports, QWidget* parent = nullptr);

}  // namespace rp
