#pragma once
// The factory-frequencies dialog's controls (FrmInit).
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::init {

inline constexpr char KeepFactory[] = "Check1";  // new data keeps every factory channel

inline constexpr ControlEntry kControls[] = {
    {KeepFactory, ControlKind::CheckBox, "1412"},
    {kOKButton, ControlKind::Button},
    {kCancelButton, ControlKind::Button},
};

}  // namespace rp::init
