#pragma once
// A Qt key press as the form's key handlers see it (forms/formstate.h):
// KeyDown's key code and shift mask, KeyPress's character code.
#include <Qt>

class QKeyEvent;

namespace rp {

// The KeyDown code of a Qt key: letters as upper-case ASCII, digits, the
// kKey constants; 0 for a key the forms do not know.
int KeyCodeOf(int key);
// KeyDown's shift mask (kShiftMask, kCtrlMask, kAltMask).
int ShiftOf(Qt::KeyboardModifiers modifiers);
// The character code KeyPress gets; 0 for a key without one. Ctrl+letter
// gives 1..26; Enter, Backspace and Escape their control codes.
int KeyAsciiOf(const QKeyEvent* event);
// The control code of a copy, cut or paste key of this platform (3, 24,
// 22: Ctrl+C, X, V, also Ctrl+Insert, Shift+Delete, Shift+Insert); 0 for
// another key.
int ClipboardCodeOf(const QKeyEvent* event);

}  // namespace rp
