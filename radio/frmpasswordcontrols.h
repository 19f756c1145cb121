#pragma once
// FrmPassWord's controls.
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::password {

inline constexpr char Prompt[] = "Label1";
inline constexpr char PassWord[] = "Text1";  // shown masked

}  // namespace rp::password
