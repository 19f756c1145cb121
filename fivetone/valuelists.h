#pragma once
// The texts of the five-tone dialog's value lists.
#include <string>

#include "core/listutils.h"

namespace rp {

// The decimal texts from, from + step, ... up to `to`.
ItemList NumberItems(int from, int to, int step);
// Tone times in ms: "30" .. "100".
ItemList ToneTimeItems();
// "0.0", "0.1", ... "25.0".
ItemList TenthItems();
// The off text, then "5" .. "75".
ItemList RepeatTimeItems(const std::string& offText);
// The off text, then the pause digits "B", "C", "D", "F".
ItemList PauseCodeItems(const std::string& offText);

}  // namespace rp
