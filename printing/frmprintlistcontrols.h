#pragma once
// FrmPrintList's controls.
#include "forms/controls.h"

namespace rp::printlist {

// Item i's tick box (kPrintItem..., printing/printstrings.h).
inline constexpr ControlArray Items{"Check1"};
inline constexpr char SelectAll[] = "CommandSelAll";
inline constexpr char ClearAll[] = "CommandClrAll";
inline constexpr char Setup[] = "CommandSet";  // the printer's set-up dialog
inline constexpr char Print[] = "Command1";    // OK: prints the ticked items
inline constexpr char Cancel[] = "Command2";

}  // namespace rp::printlist
