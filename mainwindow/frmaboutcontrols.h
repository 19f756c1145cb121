#pragma once
// frmAbout's controls.
#include "forms/controls.h"

namespace rp::about {

inline constexpr char Icon[] = "picIcon";
inline constexpr char Title[] = "lblTitle";
inline constexpr char Version[] = "lblVersion";          // "Version" and the build's number
inline constexpr char Description[] = "lblDescription";
inline constexpr char Disclaimer[] = "lblDisclaimer";
inline constexpr char OK[] = "cmdOK";
inline constexpr char SysInfo[] = "cmdSysInfo";          // never shown

inline constexpr ControlEntry kControls[] = {
    {Icon, ControlKind::Picture},        {Title, ControlKind::Label},
    {Version, ControlKind::Label},       {Description, ControlKind::Label},
    {Disclaimer, ControlKind::Label},    {OK, ControlKind::Button},
    {SysInfo, ControlKind::Button, "", false},
};

}  // namespace rp::about
