#pragma once
// The radio link's windows: the port dialog, the test-data dialog, the
// password dialog and the link-test window (which nothing opens).
#include "link/engine.h"
#include "link/ports.h"
#include "widgets/dialoghost.h"

namespace rp {

// Registers FrmComSet, FrmTestData and FrmPassWord. `ports` is the port list
// the port dialog offers (null: the system's); it must outlive the openers.
void RegisterRadioDialogs(DialogOpeners& openers, PortListProvider* ports = nullptr);
// The transfer's own dialogs: FrmPassWord.
void RegisterTransferDialogs(DialogOpeners& openers);

// The dialogs, loaded and bound, not yet shown.
FormDialog* MakeFrmComSet(const DialogContext& c, PortListProvider& ports);
FormDialog* MakeFrmTestData(const DialogContext& c);
// FrmPassWord; its text box masked with "*".
FormDialog* MakePassWordDialog(const DialogContext& c);
// The link-test window with its own serial port and reply timer.
FormDialog* MakeLoadFrmLink(const DialogContext& c, PortListProvider& ports);

}  // namespace rp
