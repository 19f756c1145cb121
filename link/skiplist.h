#pragma once
// The skip list (address ranges of unused list entries that a transfer
// leaves out) and the block count behind the progress percentage.
#include "core/appdata.h"
#include "core/records.h"

namespace rp {

inline constexpr Long kSkipBlockSize = 16;   // ReadBlockSize = WriteBlockSize
inline constexpr int kMaxSkipRanges = 501;   // SkipRanges holds 2 x 501 values

// Where the progress percentage goes (the progress dialog).
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void SetProgressValue(int percent) = 0;
    // A write reads back what it wrote: the dialog says so while it lasts.
    virtual void SetProgressChecking(bool) {}
};

// Appends first .. first + length - 1, or extends the last range when it ends
// right before first. False (nothing changed) when the table is full.
bool AddSkipRange(AppData& d, Long first, Long length);
// address, or the address right after the range that contains it.
Long SkipUnusedAddress(const AppData& d, Long address);
// Ranges of unused entries from the maps in d.CommData.
void BuildReadSkipList(AppData& d);
// Ranges of unused entries from the data model.
void BuildWriteSkipList(AppData& d);
// Blocks from first to last (both included) less those in the skip ranges.
Long CountTransferBlocks(const AppData& d, Long first, Long last);
// Phase 0 at the start of a read (57 blocks up to 0x0390); phase 1 when the
// read reaches 0x03A0 (skip list from the maps just read).
void PrepareReadProgress(AppData& d, Integer phase);
// At the start of a write, after the image has been built.
void PrepareWriteProgress(AppData& d);
// Counts one more block; reports a new percentage to sink (null when no
// progress dialog is shown) only when it changed.
void UpdateCommProgress(AppData& d, ProgressSink* sink);
// BlocksDone x 100 / (BlocksTotal + 1), rounded half to even.
int ProgressPercentOf(int blocksDone, int blocksTotal);

}  // namespace rp
