#pragma once
// The port row of the port dialog and the link-test window.
#include <functional>

class QHBoxLayout;
class QWidget;

namespace rp {

// The caption Label1 and the list Combo1, which is as wide as its longest
// entry and at least `widthTwips`. Sets `droppedDown` to tell whether the
// list's popup is open (a rebuild would close it under the user's pointer).
QHBoxLayout* PortRow(QWidget* dlg, int widthTwips, std::function<bool()>& droppedDown);

}  // namespace rp
