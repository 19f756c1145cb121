#pragma once
// The communication-book dialog's controls (FrmCommuBook).
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::commubook {

inline constexpr char Grid[] = "MSFlexGrid1";   // the 128 entries: index, call ID, name
inline constexpr char Import[] = "CommandInput";
inline constexpr char Export[] = "CommandOutput";
inline constexpr char Editor[] = "Text1";       // the in-place editor over a cell

// The grid's column captions, which the report prints too: the number's
// language key and the call ID's text (the same in every language). The
// name column's is language key 1801 (the report prints "Name").
inline constexpr int kNumberCaptionKey = 3007;
inline constexpr char kCallIdCaption[] = "Call ID";

// The editor comes last in the order, so Enter in it moves on to the grid.
inline constexpr ControlEntry kControls[] = {
    {Grid, ControlKind::Grid},
    {Import, ControlKind::Button, "1802"},
    {Export, ControlKind::Button, "1803"},
    {kOKButton, ControlKind::Button},
    {kCancelButton, ControlKind::Button},
    {Editor, ControlKind::TextBox, "", false},
};

}  // namespace rp::commubook
