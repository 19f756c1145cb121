#pragma once
// Selecting a text box's whole text as the user comes to it, the one way
// every window does it:
//   - a box the shell makes a SelectAllLineEdit (widgets/shellparts.h)
//     selects whenever it takes the focus;
//   - a form asks for it from a GotFocus handler (Form::selectAllRequest),
//     which the binder follows;
//   - a grid's floating editor opened over another cell shows its text
//     selected (CellEditors::SelectOnOpen, widgets/editorplacement.h).
// The text is selected at once, so a key typed right after replaces it;
// when the focus comes with a mouse press (which places the cursor), once
// more after that press, if the box still has the focus then.
class QLineEdit;

namespace rp {

void SelectWholeText(QLineEdit* edit, bool afterPress);

}  // namespace rp
