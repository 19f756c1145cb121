#pragma once
// Every dialog's opener, registered once at start-up.
#include "link/ports.h"
#include "widgets/dialoghost.h"

namespace rp {

// One call per folder with dialogs (its <folder>/qt/openers.h). `ports`:
// the port list of the port dialog (null: the system's).
void RegisterAllDialogs(DialogOpeners& openers, PortListProvider* ports = nullptr);

}  // namespace rp
