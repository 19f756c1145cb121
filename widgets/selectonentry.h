#pragma once
// Selecting a text box's whole text as the user comes to it, the one way
// every window does it: the form declares it per box where it adds the box
// (ControlState::selectOnEntry, forms/formstate.h), and the binder alone
// carries it out (widgets/binder.h):
//   - OnFocus: whenever the box takes the focus, whatever brings it (the
//     form's own moves and a return from a popup or another window too),
//     after the box's own focus-in;
//   - OnArrival: when the user brings the focus (GotFocus runs; not when
//     the form moves it, not on a return from a popup or another window),
//     or the form moves it as the user's Tab would (FormState::focusArrives);
//   - OnCellOpen: a grid's floating editor shown over another cell than
//     before, or again after it was closed (CellEditors,
//     widgets/editorplacement.h, reads the declaration through the binder).
// The text is selected at once, so a key typed right after replaces it;
// when the focus comes with a mouse press (which places the cursor), once
// more after that press, if the box still has the focus then.
class QLineEdit;

namespace rp {

void SelectWholeText(QLineEdit* edit, bool afterPress);

}  // namespace rp
