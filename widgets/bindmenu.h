#pragma once
// Menus. A QAction's trigger is Click (a checkable action's tick stored as
// shown first); a QMenu's title has no click of its own. Shown on an action:
// text, enabled, visible, tool tip, shortcut and the tick (when the shell
// made it checkable); on a menu: its title, enabled and visible.
#include "widgets/binding.h"

namespace rp {

extern const Binding kMenuBinding;
extern const Binding kActionBinding;

}  // namespace rp
