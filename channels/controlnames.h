#pragma once
// Control-array element names of the channel forms.
#include <string_view>

namespace rp {

// The index of a control-array element ("Combo1_10" of "Combo1" gives 10);
// -1 for any other name.
int ElementIndex(std::string_view control, std::string_view array);

}  // namespace rp
