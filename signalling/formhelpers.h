#pragma once
// Small helpers the signalling forms share: the key filters of their text
// boxes and lists.
#include <string>
#include <string_view>

#include "core/fixedtext.h"
#include "forms/formstate.h"

namespace rp {

// Whether `control` is one of the form's lists (where Enter does nothing).
bool IsList(const Form& form, const std::string& control);

// ---- key filters: the key as it reaches the box, 0 when dropped ----
// Every filter drops Ctrl+C, Ctrl+V and Ctrl+X (kKeyCtrlC, kKeyCtrlV,
// kKeyCtrlX) and codes outside 0..127; control codes below 32 (Backspace)
// pass. Enter (kKeyReturn) passes too: the dialogs move the focus on with
// it, as Tab does.

// DTMF code boxes: "0"-"9", "*", "#", "A"-"D"; "a"-"d" become upper case.
int DtmfCodeKey(int key);
// Digits only among the printable keys (DTMF own ID and target code).
int DigitKey(int key);
// Digits and "." (tone boxes, any number of points).
int ToneKey(int key);
// MSK ID boxes: digits and "A"; "a" becomes "A".
int MskIdKey(int key);
// Any ASCII (MSK info code and name).
int AsciiKey(int key);
// The two-tone name editor: any ASCII but "\" and "~".
int EncodeNameKey(int key);

// A fixed field holding text, one NUL and blanks, cut to the field (a text
// as long as the field has no NUL).
template <std::size_t N>
void SetNulEnded(FixedText<N>& field, std::string_view text) {
    std::string s(text);
    s += '\0';
    field.Set(s);
}

}  // namespace rp
