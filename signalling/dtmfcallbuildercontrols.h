#pragma once
// The DTMF special-call builder's controls (FrmDTMFSpecial).
#include "forms/controls.h"

namespace rp::dtmfspecial {

inline constexpr char CallTypeCaption[] = "Label1";
inline constexpr char CallType[] = "Combo1_0";    // the kind of call built
inline constexpr char TargetFrame[] = "Frame1";   // holds the called ID, for calls that have one
inline constexpr char TargetCaption[] = "Label2";
inline constexpr char Target[] = "Text1";         // the called ID, three digits
inline constexpr char OkButton[] = "CommandOK";
inline constexpr char CancelButton[] = "CommandCancel";

inline constexpr ControlEntry kControls[] = {
    {CallTypeCaption, ControlKind::Label},
    {CallType, ControlKind::ComboBox},
    {TargetFrame, ControlKind::Frame},
    {TargetCaption, ControlKind::Label},
    {Target, ControlKind::TextBox, "", true, 3},
    {OkButton, ControlKind::Button, "101"},
    {CancelButton, ControlKind::Button, "102"},
};

}  // namespace rp::dtmfspecial
