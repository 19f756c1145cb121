#pragma once
// frmSplash's controls.
#include "forms/controls.h"

namespace rp::splash {

inline constexpr char Logo[] = "picLogo";      // the start picture; a click closes the splash
inline constexpr char CloseTimer[] = "Timer1";  // closes the splash when it runs out

}  // namespace rp::splash
