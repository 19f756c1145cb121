#pragma once
// The radio commands on the main window: the Program menu's read and
// write, the information read, the port, test-data and password dialogs
// (the toolbar and the tree run the same entries), and the quiet end of an
// information read as the close path's first step.
#include "mainwindow/frmmain.h"
#include "radio/radiocommands.h"

namespace rp {

// Puts `radio`'s commands into main.commands and its stop into main's close
// steps; both must outlive the window's use of them.
void AttachRadioCommands(FrmMain& main, RadioCommands& radio);

}  // namespace rp
