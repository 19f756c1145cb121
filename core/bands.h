#pragma once
#include <string>

#include "core/appdata.h"

namespace rp {

// The band-range text of a band index 0..7; any other index gives "".
std::string GetFreqRangeText(int index);

// Sets the receive and transmit band tables from CurBandText. A text that is
// not one of the eight band-range texts leaves the tables as they were and
// gives false; callers refuse that band.
bool ParseBandRanges(AppData& d);

}  // namespace rp
