#pragma once
// Text boxes. A QLineEdit's user edits (textEdited, never the code's) are
// Change, with the text stored first; a QPlainTextEdit's edits too. Shown:
// the text, the length limit (max) for typing only, read-only (locked), the
// input guard (inputChars, widgets/inputguard.h) and the context menu.
// An editable combo's text is a box of the same kind: the combo's binding
// (bindlist.h) calls ApplyComboEditable before its items and ApplyComboText
// after them.
#include "widgets/binding.h"

class QComboBox;

namespace rp {

extern const Binding kLineEditBinding;
extern const Binding kPlainTextBinding;

// Typing into an editable combo is Change (text stored first).
void ConnectComboText(BindContext& context, const std::string& control, QComboBox* combo);
// Editable or not; a new line edit counts as the control.
void ApplyComboEditable(BindContext& context, const ShownChange& change, QComboBox* combo);
// The edit text, its limit and its guard; `itemsChanged`: the items were
// just filled in again (which reset the edit text).
void ApplyComboText(const ShownChange& change, QComboBox* combo, bool itemsChanged);

}  // namespace rp
