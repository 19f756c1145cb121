#pragma once
// LoadFrmLink's controls.
#include "forms/controls.h"

namespace rp::linktest {

inline constexpr char Instructions[] = "Text1";  // read-only
inline constexpr char Prompt[] = "Label1";
inline constexpr char PortList[] = "Combo1";
inline constexpr char OK[] = "Command1";          // stores the port and runs the test
inline constexpr char Cancel[] = "Command2";
inline constexpr char RescanTimer[] = "ReShowComPortTimer";
inline constexpr char CloseTimer[] = "EndTimer";  // closes the window after the acknowledgement

}  // namespace rp::linktest
