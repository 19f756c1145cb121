#pragma once
// FrmProgress's controls.
#include "forms/controls.h"

namespace rp::progress {

inline constexpr char Bar[] = "ProgressBar1";  // 0..100
inline constexpr char Prompt[] = "Label1";
inline constexpr char Percent[] = "Label2";    // "<value>%"

inline constexpr ControlEntry kControls[] = {
    {Bar, ControlKind::Progress, "", true, 100},
    {Prompt, ControlKind::Label},
    {Percent, ControlKind::Label},
};

}  // namespace rp::progress
