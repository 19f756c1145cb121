#pragma once
// The batch editor's choice of functions: 21 flags, one per batch function
// (0 RX frequency .. 20 squelch level), kept in AppData::BatchFunFlag for
// the whole run and in the 21-byte file BatchFun.ini (one byte per
// function, no header). The file sits beside the program when that folder
// is writable, else in the per-user configuration folder; the per-user copy
// is read first (core/paths.h). Tests point AppData::AppFolder and
// UserConfigDir at temporary folders.
#include <string>

#include "core/appdata.h"
#include "core/fileio.h"

namespace rp {

inline constexpr int kBatchFunCount = 21;
// The compander function: never offered, its flag is 0 after every load.
inline constexpr int kBatchFunCompander = 15;
// The scrambler function: its row is never visible, so it is never applied.
inline constexpr int kBatchFunScrambler = 12;
inline constexpr const char* kBatchFunFile = "BatchFun.ini";

// The defaults: every function chosen but the compander.
void SetDefaultBatchFun(AppData& d);

// Start-up: fills BatchFunFlag from the file. A missing file is created
// with the defaults (a failed creation is silent; the defaults stay in
// memory); a file that exists but cannot be read gives the defaults; bytes
// a short file lacks read as 0, bytes past 21 are ignored. The compander's
// flag is set to 0 afterwards.
void LoadBatchFunFile(AppData& d);

// 1 when the flag byte is non-zero, else 0 (a choice box's value).
int IsBatchFunOn(Byte flag);

// Rewrites the file with the 21 flags, atomically and as exactly 21 bytes.
// False when it could not be written (why, when given, receives the file
// and the reason); nothing is shown.
bool SaveBatchFunFile(AppData& d, FileFailure* why = nullptr);

// A choice box changed (Check2_Click): stores 1 or 0 for function `index`
// and rewrites the file. A failed rewrite keeps the flag and shows
// MsgFileError (with the file and the reason) through the notifier, once
// per run. False when the rewrite
// failed.
bool StoreBatchFunChoice(AppData& d, int index, bool ticked);

// Where the file is read from / written to.
std::string BatchFunReadPath(const AppData& d);
std::string BatchFunWritePath(const AppData& d);

}  // namespace rp
