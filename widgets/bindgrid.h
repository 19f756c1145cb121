#pragma once
// Grids. A QTableView shows the form's Grid(control): a TextGridView is
// attached to it, another view gets a TextGridModel (widgets/gridmodel.h).
// The user's move of the current cell is EnterCell (a TextGridView stores
// the row and col first), a click Click, a double-click DblClick; the
// viewport counts as the grid for keys and focus. Every mirror redraws.
#include "widgets/binding.h"

namespace rp {

extern const Binding kGridBinding;

}  // namespace rp
