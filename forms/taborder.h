#pragma once
// Moving the focus along a form's tab order, as Tab does.
#include <functional>
#include <string>
#include <vector>

namespace rp {

// Where Tab (or Enter, in the forms that move on with it) goes from `from`:
// the next control of the tab order `order` that `canTakeFocus` accepts,
// round past the end, `from` itself last; from a control not in the order
// the walk starts at the first one. "" when none can take the focus.
std::string NextFocusInOrder(const std::vector<std::string>& order, const std::string& from,
                             const std::function<bool(const std::string&)>& canTakeFocus);

}  // namespace rp
