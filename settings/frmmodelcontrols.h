#pragma once
// The model and band dialog's controls (FrmModel).
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::model {

inline constexpr char ModelLabel[] = "Label1_0";
inline constexpr char Model[] = "Combo1_0";  // the models the program edits, by display name
inline constexpr char BandLabel[] = "Label1_1";
inline constexpr char Band[] = "Combo1_1";   // the eight band ranges

inline constexpr ControlEntry kControls[] = {
    {ModelLabel, ControlKind::Label, "2301"},
    {Model, ControlKind::ComboBox},
    {BandLabel, ControlKind::Label, "2302"},
    {Band, ControlKind::ComboBox},
    {kOKButton, ControlKind::Button},
    {kCancelButton, ControlKind::Button},
};

}  // namespace rp::model
