#pragma once
// Lists. A QComboBox's pick (activated, never the code's index changes) is
// Click with the index and text stored first; its items and index are
// shown, and an editable combo's text through bindtext.h.
// A QListWidget's choice is its selected item, never the merely current one
// (the focus alone makes an item current); every pick is a Click, a click on
// the item already chosen included. A check list (multiSelect) has the
// current row as its index and its ticks as `selected`: a tick is ItemCheck,
// then Click.
#include "widgets/binding.h"

namespace rp {

extern const Binding kComboBinding;
extern const Binding kListBinding;

}  // namespace rp
