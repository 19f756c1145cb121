#pragma once
// The special-call builder's controls (FrmCallBuilder).
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::callbuilder {

// The code-list entry the call goes into (hidden for a PTT-ID code) and the
// kind of call.
inline constexpr char EntryLabel[] = "Label1_0";  // names the PTT-ID code when the call goes there
inline constexpr char Entry[] = "Combo1_0";
inline constexpr char CallTypeLabel[] = "Label1_1";
inline constexpr char CallType[] = "Combo1_1";

// The called IDs, by index: 0 in the data-message frame, 1 in the own-ID
// call frame; the two frames lie on the same spot.
inline constexpr ControlArray CalledIdLabels{"Label2"};
inline constexpr ControlArray CalledIds{"Text1"};
inline constexpr char DataMessageFrame[] = "Frame2";
inline constexpr char MessageLabel[] = "Label3";
inline constexpr char Message[] = "Text2";
inline constexpr char OwnIdCallFrame[] = "Frame4";

inline constexpr char SeparatorLabel[] = "Label5";
inline constexpr char Separator[] = "Combo3";  // item 0: none

inline constexpr ControlEntry kControls[] = {
    {EntryLabel, ControlKind::Label, "[OPTION]60063"},
    {Entry, ControlKind::ComboBox},
    {CallTypeLabel, ControlKind::Label, "[OPTION]60064"},
    {CallType, ControlKind::ComboBox},
    {DataMessageFrame, ControlKind::Frame, "[OPTION]60073"},
    {"Label2_0", ControlKind::Label, "[OPTION]60076"},
    {"Text1_0", ControlKind::TextBox},
    {MessageLabel, ControlKind::Label, "[OPTION]60077"},
    {Message, ControlKind::TextBox},
    {OwnIdCallFrame, ControlKind::Frame},
    {"Label2_1", ControlKind::Label, "[OPTION]60076"},
    {"Text1_1", ControlKind::TextBox},
    {SeparatorLabel, ControlKind::Label, "[OPTION]60313"},
    {Separator, ControlKind::ComboBox},
    {kOKButton, ControlKind::Button, "[OPTION]60024"},
    {kCancelButton, ControlKind::Button, "[OPTION]60025"},
};

}  // namespace rp::callbuilder
