#pragma once
// The key filters of the text boxes, shared by every form: which printable
// characters a box takes, the common KeyPress table, and the box's guard
// (the characters, its length and its hooked context menu), which the Qt
// binder turns into an input guard (widgets/inputguard.h) so that paste,
// drops and input-method text cannot bring in what typing cannot.
#include <string>
#include <string_view>

#include "forms/formstate.h"

namespace rp {

// Digits and the decimal point: the frequency boxes.
inline constexpr std::string_view kFrequencyChars = "0123456789.";

// Every printable ASCII character (32..126) but those in `except`.
std::string PrintableAscii(std::string_view except = {});

// The common key table of a text box's KeyPress:
//   3, 22, 24 (Ctrl+C, Ctrl+V, Ctrl+X)  swallowed
//   outside 0..127 (non-ASCII)           swallowed
//   32..126                              only the characters in `allowed`
//   0..31 and 127 (Backspace, ...)       pass
// A swallowed key becomes 0. Enter (13) passes: the form decides.
void FilterTextKey(int& keyAscii, std::string_view allowed);

// Guards a text box: it takes only `allowed` (inputChars), at most
// `maxLength` characters (0: no limit), and shows no context menu
// (HookTextMenu).
void GuardTextBox(ControlState& box, std::string_view allowed, int maxLength);

// A text put into a box by code: cut to the box's length, as the box
// would cut it.
void SetBoxText(ControlState& box, std::string text);

}  // namespace rp
