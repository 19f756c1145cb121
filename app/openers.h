#pragma once
// Every dialog's shell, registered once at start-up.
#include "widgets/dialoghost.h"

namespace rp {

// One call per folder with dialogs (its <folder>/qt/openers.h).
void RegisterAllDialogs(DialogOpeners& openers);

}  // namespace rp
