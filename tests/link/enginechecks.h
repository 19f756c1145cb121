#pragma once
// What the engine tests share besides the fakes: whether an address lies in
// a range of unused list entries that a transfer leaves out.
#include "core/appdata.h"
#include "link/skiplist.h"

namespace rp::test {

inline bool InSkipRange(const AppData& d, long a) { return SkipUnusedAddress(d, a) != a; }

}  // namespace rp::test
