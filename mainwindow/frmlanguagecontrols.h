#pragma once
// FrmLanguage's controls.
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::language {

inline constexpr char List[] = "Combo1";    // the languages
inline constexpr char Prompt[] = "Label1";  // shows the dialog's caption

inline constexpr ControlEntry kControls[] = {
    {List, ControlKind::ComboBox},
    {Prompt, ControlKind::Label},
    {kOKButton, ControlKind::Button},
    {kCancelButton, ControlKind::Button},
};

}  // namespace rp::language
