#pragma once
#include "core/appdata.h"

namespace rp {

// Fills the built-in English and Chinese message tables.
void InitMessageTexts(AppData& d);

// The "file error." box (MsgFileError) with an OK button.
void ShowFileError(AppData& d);

}  // namespace rp
