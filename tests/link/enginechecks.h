#pragma once
// What the engine tests share besides the fakes: whether an address lies in
// a range of unused list entries that a transfer leaves out, and whether
// the image and the radio's memory agree on every block a transfer moves.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/appdata.h"
#include "link/skiplist.h"
#include "linkfakes.h"

namespace rp::test {

inline bool InSkipRange(const AppData& d, long a) { return SkipUnusedAddress(d, a) != a; }

// The four hexadecimal digits of a block address, as the frames name it.
inline std::string Hex4(int v) {
    const char* h = "0123456789ABCDEF";
    return std::string{h[(v >> 12) & 15], h[(v >> 8) & 15], h[(v >> 4) & 15], h[v & 15]};
}

// Every block a write sends (0x0100 on, the skip list's ranges left out) is
// in the radio's memory.
inline ::testing::AssertionResult RadioHoldsTheImage(EngineRig& rig) {
    for (long a = 0x0100; a <= 0x3F7F; ++a)
        if (!InSkipRange(rig.d, a) && rig.radio.Memory[a] != rig.d.CommData[a])
            return ::testing::AssertionFailure() << "block " << Hex4(static_cast<int>(a & ~15L)) << " missing";
    return ::testing::AssertionSuccess();
}

// Every block a read takes (0x0010 on, the skip list's ranges left out)
// holds what the radio's memory held.
inline ::testing::AssertionResult ImageHoldsTheRadio(EngineRig& rig,
                                                     const std::array<Byte, sim::kMemorySize>& memory) {
    for (long a = 0x0010; a <= 0x3F7F; ++a)
        if (!InSkipRange(rig.d, a) && rig.d.CommData[a] != memory[a])
            return ::testing::AssertionFailure() << "block " << Hex4(static_cast<int>(a & ~15L)) << " wrong";
    return ::testing::AssertionSuccess();
}

}  // namespace rp::test
