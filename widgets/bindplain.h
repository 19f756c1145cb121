#pragma once
// Controls that only show: a QLabel's text (not on a Picture), a QGroupBox's
// title, a QProgressBar's value and maximum. And the form's timers, which
// have no widget: the binder runs a QTimer for each, its interval max ms,
// running while the control is enabled; each timeout is the form's Timer.
#include "widgets/binding.h"

class QTimer;

namespace rp {

extern const Binding kLabelBinding;
extern const Binding kGroupBoxBinding;
extern const Binding kProgressBinding;

// The timer of control `name`, a child of the context's owner.
QTimer* MakeTimer(BindContext& context, const std::string& name);
void ApplyTimer(QTimer* timer, const ShownChange& change);

}  // namespace rp
