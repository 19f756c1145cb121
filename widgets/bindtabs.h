#pragma once
// Tabs and toolbars. A tab the user picks (QTabWidget, QTabBar) is Click
// with the index stored first; a toolbar button (a QAction in the QToolBar
// whose objectName is the button's key) is ButtonClick(toolbar, key).
// Shown: each tab's caption, tool tip, enabled and visible, and the current
// tab; each toolbar button's tool tip, caption (when it has one), enabled
// and visible.
#include "widgets/binding.h"

namespace rp {

extern const Binding kTabWidgetBinding;
extern const Binding kTabBarBinding;
extern const Binding kToolbarBinding;

}  // namespace rp
