#pragma once
// The factory-frequencies dialog's controls (FrmInit).
#include "forms/controls.h"

namespace rp::init {

inline constexpr char KeepFactory[] = "Check1";  // new data keeps every factory channel
inline constexpr char OK[] = "CommandOK";
inline constexpr char Cancel[] = "CommandCancel";

inline constexpr ControlEntry kControls[] = {
    {KeepFactory, ControlKind::CheckBox, "1412"},
    {OK, ControlKind::Button},
    {Cancel, ControlKind::Button},
};

}  // namespace rp::init
