#pragma once
// FrmPassWord's controls.
#include "forms/controls.h"

namespace rp::password {

inline constexpr char Prompt[] = "Label1";
inline constexpr char PassWord[] = "Text1";  // shown masked
inline constexpr char OK[] = "CommandOK";
inline constexpr char Cancel[] = "CommandCancel";

}  // namespace rp::password
