#include "link/skiplist.h"

#include "link/image.h"

namespace rp {

namespace {
constexpr Long kFMGroupBytes = 16;       // four 4-byte FM entries
constexpr Long kTone2EntryBytes = 16;
constexpr Long kTone5EntryBytes = 32;

// The FM run rule shared by both builders: a group of four entries is
// skipped exactly when all four are unused.
template <class IsUsed>
void AddFMRanges(AppData& d, IsUsed used) {
    int r = 0;
    for (int i = 0; i < 100; ++i) {
        if (used(i)) {
            r = 0;
        } else if (i % 4 == 0) {
            r = 1;
        } else if (r > 0) {
            ++r;
        }
        if (r == 4) {
            AddSkipRange(d, addr::RadioFreList + 4 * (i - 3), kFMGroupBytes);
            r = 0;
        }
    }
}
}  // namespace

bool AddSkipRange(AppData& d, Long first, Long length) {
    int n = d.SkipRangeCount;
    if (n > 0 && first == d.SkipRanges[kMaxSkipRanges + n - 1] + 1) {
        d.SkipRanges[kMaxSkipRanges + n - 1] = first + length - 1;
        return true;
    }
    if (n < 0 || n >= kMaxSkipRanges) return false;
    d.SkipRanges[n] = first;
    d.SkipRanges[kMaxSkipRanges + n] = first + length - 1;
    d.SkipRangeCount = static_cast<Integer>(n + 1);
    return true;
}

Long SkipUnusedAddress(const AppData& d, Long address) {
    for (int i = 0; i < d.SkipRangeCount && i < kMaxSkipRanges; ++i) {
        if (d.SkipRanges[i] <= address && address <= d.SkipRanges[kMaxSkipRanges + i])
            return d.SkipRanges[kMaxSkipRanges + i] + 1;
    }
    return address;
}

void BuildReadSkipList(AppData& d) {
    ImageReader img(d.CommData);
    AddFMRanges(d, [&](int i) { return !img.MapBit(addr::RadioFreUsedMap, i); });
    for (int j = 0; j < 32; ++j)
        if (img.MapBit(addr::Tone2CodeMap, j))
            AddSkipRange(d, addr::Tone2Encodes + kTone2EntryBytes * j, kTone2EntryBytes);
    for (int k = 0; k < 100; ++k)
        if (img.MapBit(addr::Tone5CodeMap, k))
            AddSkipRange(d, addr::Tone5Codes + kTone5EntryBytes * k, kTone5EntryBytes);
    for (int c = 0; c < 200; ++c)
        if (img.MapBit(addr::FreUsedMap, c))
            AddSkipRange(d, addr::MemChannels + kFreImageSize * c, kFreImageSize);
}

void BuildWriteSkipList(AppData& d) {
    const RadioDataRec& w = d.WorkData;
    AddFMRanges(d, [&](int i) { return w.RadioFreData[i].Used != 0; });
    for (int j = 0; j < 32; ++j)
        if (w.Tone2Data().Encodes[j].Empty != 0)
            AddSkipRange(d, addr::Tone2Encodes + kTone2EntryBytes * j, kTone2EntryBytes);
    for (int k = 0; k < 100; ++k)
        if (w.Tone5Data().Codes[k].Empty != 0)
            AddSkipRange(d, addr::Tone5Codes + kTone5EntryBytes * k, kTone5EntryBytes);
    std::array<bool, kFreDataMax + 1> absent;
    absent.fill(true);
    int count = w.FreDataCount;
    if (count > kFreDataMax) count = kFreDataMax;
    for (int k = 0; k < count; ++k) {
        int no = d.FreData[k].No;
        if (no >= 1 && no <= kFreDataMax) absent[no] = false;
    }
    for (int c = 0; c < 200; ++c)
        if (absent[c + 1]) AddSkipRange(d, addr::MemChannels + kFreImageSize * c, kFreImageSize);
}

Long CountTransferBlocks(const AppData& d, Long first, Long last) {
    Long n = (last - first) / kSkipBlockSize + 1;
    for (int i = 0; i < d.SkipRangeCount && i < kMaxSkipRanges; ++i)
        n -= (d.SkipRanges[kMaxSkipRanges + i] - d.SkipRanges[i] + 1) / kSkipBlockSize;
    return n;
}

void PrepareReadProgress(AppData& d, Integer phase) {
    d.SkipRangeCount = 0;
    if (phase == 0) {
        d.BlocksDone = 0;
        d.BlocksTotal = static_cast<Integer>(
            (addr::MapLastBlock - addr::ReadFirstBlock) / kSkipBlockSize + 1);
        return;
    }
    BuildReadSkipList(d);
    d.BlocksDone = 0;
    d.BlocksTotal =
        static_cast<Integer>(CountTransferBlocks(d, addr::ReadSecondPhase, addr::LastBlock));
}

void PrepareWriteProgress(AppData& d) {
    d.BlocksDone = 0;
    d.SkipRangeCount = 0;
    BuildWriteSkipList(d);
    d.BlocksTotal =
        static_cast<Integer>(CountTransferBlocks(d, addr::WriteFirstBlock, addr::LastBlock));
}

int ProgressPercentOf(int blocksDone, int blocksTotal) {
    long num = static_cast<long>(blocksDone) * 100;
    long den = static_cast<long>(blocksTotal) + 1;
    if (den <= 0) return 0;
    long q = num / den, r = num % den;
    if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
    return static_cast<int>(q);
}

void UpdateCommProgress(AppData& d, ProgressSink* sink) {
    d.BlocksDone = static_cast<Integer>(d.BlocksDone + 1);
    int p = ProgressPercentOf(d.BlocksDone, d.BlocksTotal);
    if (p == d.ProgressPercent) return;
    d.ProgressPercent = static_cast<Integer>(p);
    if (sink) sink->SetProgressValue(p);
}

}  // namespace rp
