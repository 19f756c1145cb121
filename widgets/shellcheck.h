#pragma once
// The check every window's tests run: each control of the form has an
// object of a class that fits its kind in the shell (WidgetFitsKind, the
// table of widgets/widgetkinds.h). Timers need none. Returns one line per
// fault, empty when the shell is complete.
#include <string>
#include <vector>

#include "forms/formstate.h"

class QWidget;

namespace rp {

// `optional` names controls the shell may leave out (for example the
// hidden lists a window keeps as plain tables).
std::vector<std::string> CheckShellControls(const Form& form, const QWidget* root,
                                            const std::vector<std::string>& optional = {});

}  // namespace rp
