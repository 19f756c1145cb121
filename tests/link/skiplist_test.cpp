#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "link/codec.h"
#include "link/fulldata.h"
#include "link/skiplist.h"

namespace rp {
namespace {

using Range = std::pair<Long, Long>;

std::vector<Range> Ranges(const AppData& d) {
    std::vector<Range> v;
    for (int i = 0; i < d.SkipRangeCount; ++i)
        v.emplace_back(d.SkipRanges[i], d.SkipRanges[kMaxSkipRanges + i]);
    return v;
}

// Data with every list entry in use.
void AllInUse(AppData& d) { test::FillFullDataSet(d); }

// Data with every list entry unused (edge and VFO channels still present).
void AllUnused(AppData& d) {
    test::FillFullDataSet(d);
    for (auto& f : d.WorkData.RadioFreData) f.Used = 0;
    for (auto& e : d.WorkData.Tone2Data().Encodes) e.Empty = 1;
    for (auto& c : d.WorkData.Tone5Data().Codes) c.Empty = 1;
    int k = 0;
    for (int no = 201; no <= 206; ++no) d.FreData[k++] = test::FullChannel(no, no);
    d.WorkData.FreDataCount = static_cast<Integer>(k);
}

class Sink : public ProgressSink {
public:
    std::vector<int> values;
    void SetProgressValue(int p) override { values.push_back(p); }
};

TEST(SkipList, WriteBlockCounts) {
    AppData full;
    AllInUse(full);
    PrepareWriteProgress(full);
    EXPECT_EQ(full.SkipRangeCount, 0);
    EXPECT_EQ(full.BlocksTotal, 1000);

    AppData empty;
    AllUnused(empty);
    PrepareWriteProgress(empty);
    EXPECT_EQ(Ranges(empty), (std::vector<Range>{{0x0610, 0x079F}, {0x0B00, 0x197F},
                                                  {0x2000, 0x38FF}}));
    EXPECT_EQ(empty.BlocksTotal, 343);
}

TEST(SkipList, ReadCountsFromTheImageMaps) {
    for (bool used : {true, false}) {
        AppData src;
        used ? AllInUse(src) : AllUnused(src);
        AppData d;
        d.CommData = {};
        ClearCommImage(d);
        ImageData data{src.WorkData, src.FreData};
        ASSERT_TRUE(SetCommDataByAll(d.CommData, data, "KEVRA8R", nullptr).ok());
        d.SkipRangeCount = 3;  // left by an earlier transfer
        PrepareReadProgress(d, 0);
        EXPECT_EQ(d.SkipRangeCount, 0);
        EXPECT_EQ(d.BlocksDone, 0);
        EXPECT_EQ(d.BlocksTotal, 57);
        PrepareReadProgress(d, 1);
        EXPECT_EQ(d.BlocksTotal, used ? 958 : 301);
        EXPECT_EQ(d.SkipRangeCount, used ? 0 : 3);
    }
}

TEST(SkipList, BuildersAgreeWithEachOther) {
    // The write list from the data model equals the read list from the
    // maps that the encoder wrote for the same data.
    AppData src;
    AllInUse(src);
    for (int i : {1, 2, 3, 4, 5, 6, 7, 40, 41, 42, 43, 99}) src.WorkData.RadioFreData[i].Used = 0;
    for (int j : {0, 31}) src.WorkData.Tone2Data().Encodes[j].Empty = 1;
    for (int k : {0, 50, 51}) src.WorkData.Tone5Data().Codes[k].Empty = 1;
    // Drop channels 2, 3 and 200 from the list.
    int w = 0;
    for (int k = 0; k < src.WorkData.FreDataCount; ++k) {
        int no = src.FreData[k].No;
        if (no != 2 && no != 3 && no != 200) src.FreData[w++] = src.FreData[k];
    }
    src.WorkData.FreDataCount = static_cast<Integer>(w);

    PrepareWriteProgress(src);
    const std::vector<Range> expect{{0x0620, 0x062F}, {0x06B0, 0x06BF}, {0x0B00, 0x0B0F},
                                    {0x0CF0, 0x0D1F}, {0x1340, 0x137F}, {0x2020, 0x205F},
                                    {0x38E0, 0x38FF}};
    EXPECT_EQ(Ranges(src), expect);

    AppData rd;
    ClearCommImage(rd);
    ImageData data{src.WorkData, src.FreData};
    ASSERT_TRUE(SetCommDataByAll(rd.CommData, data, "KEVRA8R", nullptr).ok());
    PrepareReadProgress(rd, 1);
    EXPECT_EQ(Ranges(rd), expect);
}

TEST(SkipList, AddAndSkipAddresses) {
    AppData d;
    AddSkipRange(d, 0x2020, 32);
    AddSkipRange(d, 0x2040, 32);  // joins
    AddSkipRange(d, 0x2080, 32);
    EXPECT_EQ(Ranges(d), (std::vector<Range>{{0x2020, 0x205F}, {0x2080, 0x209F}}));
    struct Case { Long in, out; };
    for (Case c : {Case{0x2010, 0x2010}, {0x2020, 0x2060}, {0x2050, 0x2060},
                   {0x2060, 0x2060}, {0x2080, 0x20A0}, {0x209F, 0x20A0}})
        EXPECT_EQ(SkipUnusedAddress(d, c.in), c.out) << std::hex << c.in;
    EXPECT_EQ(CountTransferBlocks(d, 0x2000, 0x20F0), 16 - 6);
}

TEST(SkipList, FullTableRefusesMoreRanges) {
    AppData d;
    for (int i = 0; i < kMaxSkipRanges; ++i) ASSERT_TRUE(AddSkipRange(d, 0x100 * i, 16));
    EXPECT_FALSE(AddSkipRange(d, 0x100 * kMaxSkipRanges, 16));
    EXPECT_EQ(d.SkipRangeCount, kMaxSkipRanges);
    // Extending the last range still works.
    EXPECT_TRUE(AddSkipRange(d, 0x100 * (kMaxSkipRanges - 1) + 16, 16));
}

TEST(SkipList, VFOAndOutOfRangeChannelNumbersMarkNothing) {
    AppData d;
    AllInUse(d);
    d.FreData[199].No = 206;   // channel 200 replaced by a second VFO2 record
    d.FreData[198].No = 0;     // and channel 199 by a broken number
    d.FreData[197].No = 300;
    PrepareWriteProgress(d);
    EXPECT_EQ(Ranges(d), (std::vector<Range>{{0x38A0, 0x38FF}}));
}

TEST(Progress, PercentRoundsHalfToEven) {
    struct Case { int done, total, p; };
    // 1*100/8 = 12.5 -> 12; 3*100/8 = 37.5 -> 38; 57*100/58 = 98.27 -> 98.
    for (Case c : {Case{1, 7, 12}, {3, 7, 38}, {57, 57, 98}, {199, 199, 100}, {198, 198, 99},
                   {343, 343, 100}, {344, 343, 100}, {0, 0, 0}, {1, 0, 100}})
        EXPECT_EQ(ProgressPercentOf(c.done, c.total), c.p) << c.done << "/" << c.total;
}

TEST(Progress, ReportsOnlyChangesAndNothingWithoutADialog) {
    AppData d;
    d.BlocksTotal = 57;
    Sink sink;
    for (int i = 0; i < 57; ++i) UpdateCommProgress(d, &sink);
    ASSERT_FALSE(sink.values.empty());
    EXPECT_EQ(sink.values.front(), 2);
    EXPECT_EQ(sink.values[1], 3);
    EXPECT_EQ(sink.values[2], 5);
    EXPECT_EQ(sink.values.back(), 98);
    for (std::size_t i = 1; i < sink.values.size(); ++i) EXPECT_NE(sink.values[i], sink.values[i - 1]);

    // A write of 343 blocks reaches 100 at its last block, then stays silent.
    AppData w;
    w.BlocksTotal = 343;
    Sink ws;
    for (int i = 0; i < 343; ++i) UpdateCommProgress(w, &ws);
    EXPECT_EQ(ws.values.back(), 100);
    std::size_t n = ws.values.size();
    UpdateCommProgress(w, &ws);
    EXPECT_EQ(ws.values.size(), n);

    // No dialog: counted, remembered, not shown.
    AppData q;
    q.BlocksTotal = 10;
    UpdateCommProgress(q, nullptr);
    EXPECT_EQ(q.BlocksDone, 1);
    EXPECT_EQ(q.ProgressPercent, 9);
}

}  // namespace
}  // namespace rp
