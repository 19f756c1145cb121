#pragma once
// FrmTestData's controls.
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::testdata {

inline constexpr char Frame[] = "Frame1";
// Row i of the frame: the byte's name and its value (TestDataBuf[i]) in
// hexadecimal.
inline constexpr ControlArray Labels{"Label1"};
inline constexpr ControlArray Boxes{"Text1"};
inline constexpr char Load[] = "Command1_0";
inline constexpr char Save[] = "Command1_1";

}  // namespace rp::testdata
