#pragma once
// Buttons. A click is Click: a QCheckBox stores its value (0, 1, 2 = partly)
// first; a QRadioButton stores 1 and 0 for the other option buttons of the
// same parent (one container, one group). Push buttons get autoDefault off,
// so Enter never presses OK by itself. Shown: the caption, a check box's
// value, an option button's choice (value 1).
#include "widgets/binding.h"

namespace rp {

extern const Binding kCheckBoxBinding;
extern const Binding kOptionButtonBinding;
extern const Binding kButtonBinding;  // QPushButton, QToolButton

}  // namespace rp
