#pragma once
// The port row of the port dialog and the link-test window.
#include <functional>

class QHBoxLayout;
class QWidget;

namespace rp {

// The form's port row by its control names: the caption `prompt` and the
// list `list`, which is as wide as its longest entry and at least
// `widthTwips`. Sets `droppedDown` to tell whether the list's popup is open
// (a rebuild would close it under the user's pointer).
struct PortRowNames {
    const char* prompt;
    const char* list;
};
QHBoxLayout* PortRow(QWidget* dlg, PortRowNames names, int widthTwips, std::function<bool()>& droppedDown);

}  // namespace rp
