#pragma once
// The DTMF special-call builder's controls (FrmDTMFCallBuilder).
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::dtmfcallbuilder {

inline constexpr char CallTypeCaption[] = "Label1";
inline constexpr char CallType[] = "Combo1_0";    // the kind of call built
inline constexpr char TargetFrame[] = "Frame1";   // holds the called ID, for calls that have one
inline constexpr char TargetCaption[] = "Label2";
inline constexpr char Target[] = "Text1";         // the called ID, three digits

inline constexpr ControlEntry kControls[] = {
    {CallTypeCaption, ControlKind::Label},
    {CallType, ControlKind::ComboBox},
    {TargetFrame, ControlKind::Frame},
    {TargetCaption, ControlKind::Label},
    {Target, ControlKind::TextBox, "", true, 3},
    {kOKButton, ControlKind::Button, "101"},
    {kCancelButton, ControlKind::Button, "102"},
};

}  // namespace rp::dtmfcallbuilder
