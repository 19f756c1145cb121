#pragma once
// Repair of references that an edit may have left dangling: the channel
// references of the option, alarm and scan settings, and every channel's
// references into the two-tone, five-tone and MSK tables. A reference whose
// target still exists is kept; any other moves to a valid fall-back. A stored
// index outside its table counts as an absent entry.
#include "core/appdata.h"

namespace rp {

// n when a record numbered n (<= 203) exists; otherwise the number of the
// last candidate in list order (numbers <= 203, in the band: 0 any, 1 UHF,
// 2 VHF), or 0 when there is none.
int FindChannelInBand(AppData& d, int n, int band);

// Repairs MemChannelA, MemChannelB, EmgChannel, PriorityCh1, PriorityCh2.
void CheckOptionChannels(AppData& d);

// Index of the first present two-tone encode entry / five-tone code / valid
// two-tone decode entry of the working data, else fallback.
int GetFirst2ToneCode(const AppData& d, int fallback);
int GetFirst5ToneCode(const AppData& d, int fallback);
int GetFirst2ToneDecode(const AppData& d, int fallback);

// index when its entry is present, else fallback.
int Check2ToneCodeIndex(const AppData& d, int index, int fallback);
int Check5ToneCodeIndex(const AppData& d, int index, int fallback);
int Check2ToneDecodeIndex(const AppData& d, int index, int fallback);

// g when MSK group g is valid, else the first valid group, else 0.
int CheckMSKCodeIndex(const AppData& d, int g);

// Repairs the signalling references of one channel record.
void CheckFreSignalRefs(const AppData& d, FreDataRec& rec, int code2, int code5, int decode2);

// Repairs the GMRS, MURS and memory channels (never the weather list) and
// redraws the channel grid.
void CheckAllSignalRefs(AppData& d);

// Repairs the alarm's five-tone ID code group.
void Check5ToneOptionRef(AppData& d);

// Run after the optional-functions dialog; there is nothing to repair.
void EmptyOptionHook(AppData& d);

}  // namespace rp
