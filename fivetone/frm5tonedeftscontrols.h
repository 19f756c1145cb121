#pragma once
// The user tone set's controls (Frm5ToneDefTS).
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::fivetonedefts {

// By digit 0..F: the digit's caption and its frequency box (Hz).
inline constexpr ControlArray DigitLabels{"Label1"};
inline constexpr ControlArray ToneBoxes{"Text1"};

}  // namespace rp::fivetonedefts
