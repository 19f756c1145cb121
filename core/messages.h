#pragma once
#include "core/appdata.h"

namespace rp {

// Fills the built-in English and Chinese message tables.
void InitMessageTexts(AppData& d);

}  // namespace rp
