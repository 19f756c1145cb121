#pragma once
// FrmComSet's controls.
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::comset {

inline constexpr char Prompt[] = "Label1";
inline constexpr char PortList[] = "Combo1";  // the ports; the user may type a device path
inline constexpr char RescanTimer[] = "ReShowComPortTimer";  // rebuilds the list while the dialog is open

// The rescan timer is added by AddComPortRescanTimer (radio/comportlist.h).
inline constexpr ControlEntry kControls[] = {
    {Prompt, ControlKind::Label},
    {PortList, ControlKind::ComboBox},
    {kOKButton, ControlKind::Button},
    {kCancelButton, ControlKind::Button},
};

}  // namespace rp::comset
