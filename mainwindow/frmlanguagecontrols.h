#pragma once
// FrmLanguage's controls.
#include "forms/controls.h"

namespace rp::language {

inline constexpr char List[] = "Combo1";    // the languages
inline constexpr char Prompt[] = "Label1";  // shows the dialog's caption
inline constexpr char OK[] = "CommandOK";
inline constexpr char Cancel[] = "CommandCancel";

inline constexpr ControlEntry kControls[] = {
    {List, ControlKind::ComboBox},
    {Prompt, ControlKind::Label},
    {OK, ControlKind::Button},
    {Cancel, ControlKind::Button},
};

}  // namespace rp::language
