// libFuzzer target over the loaders of the data, channel and test-data
// files (and the marker check), fed from memory: the same checks and
// changes as an open from disk, without the files.
//
// Input: byte 0 flags (bit 0 factory test mode, bit 1 load as a default
// data file, bit 2 factory frequencies, bits 3-5 the current band, bit 6
// the channel file missing, bit 7 the test-data file missing), bytes 1-2
// the channel file's length (little-endian), byte 3 the test-data file's
// length, then the test-data file, the channel file, and the rest is the
// data file.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "core/bands.h"
#include "core/datafiles.h"
#include "core/defaults.h"
#include "core/messages.h"
#include "core/recordio.h"
#include "core/testdata.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rp;
    if (size < 4) return 0;
    const std::uint8_t flags = data[0];
    std::size_t chanLen = data[1] | (data[2] << 8);
    std::size_t tedLen = data[3];
    std::size_t pos = 4;
    auto take = [&](std::size_t n) {
        n = std::min(n, size - pos);
        std::vector<std::uint8_t> v(data + pos, data + pos + n);
        pos += n;
        return v;
    };
    std::vector<std::uint8_t> ted = take(tedLen);
    std::vector<std::uint8_t> chan = take(chanLen);
    std::vector<std::uint8_t> dat = take(size);

    // The pure parsers.
    (void)IsTestModeMarker(dat);
    if (auto rec = ParseDataRecord(dat)) {
        Check(DataRecordBytes(*rec) == std::vector<std::uint8_t>(dat.begin(), dat.begin() + kDataRecordSize));
        if (IsDataRecordUsable(*rec)) {
            std::array<FreDataRec, kFreDataMax> out{};
            if (ParseChannelRecords(chan, rec->FreDataCount, out)) {
                auto bytes = ChannelRecordBytes(std::span<const FreDataRec>(out.data(), rec->FreDataCount));
                Check(std::equal(bytes.begin(), bytes.end(), chan.begin()));
            }
        }
    }

    // The whole load, from the files' contents.
    DataSetContents c;
    c.dataStatus = ReadStatus::Ok;
    c.data = dat;
    c.channelStatus = (flags & 0x40) ? ReadStatus::Missing : ReadStatus::Ok;
    if (c.channelStatus == ReadStatus::Ok) c.channels = chan;
    c.testDataStatus = (flags & 0x80) ? ReadStatus::Missing : ReadStatus::Ok;
    if (c.testDataStatus == ReadStatus::Ok) c.testData = ted;
    c.testDataPath = "set.ted";

    static const AppData base = [] {
        AppData b;
        b.LanguageIndex = 1;
        InitMessageTexts(b);
        b.CurModel = "KEVRA8R";
        return b;
    }();
    static AppData d;  // reused: a fresh copy of base for every input
    d = base;
    d.CurBandIndex = static_cast<Integer>((flags >> 3) & 7);
    d.CurBandText = GetFreqRangeText(d.CurBandIndex);
    ParseBandRanges(d);
    d.FactoryTestMode = flags & 1;
    d.FactoryFresFlag = (flags >> 2) & 1;
    const bool asDefault = flags & 2;
    const bool ok = asDefault ? LoadModelInitSet(d, c) : OpenDataSet(d, "set.dat", c);
    Check(!IsDataChanged(d) || !ok);
    if (ok && !asDefault) {
        // What a save writes now is what was opened, byte for byte.
        RadioDataRec rec = d.WorkData;
        rec.BandIndex = d.CurBandIndex;
        rec.ModelCode.Set(TrimNullStr(d.CurModel));
        Check(DataRecordBytes(rec) == std::vector<std::uint8_t>(dat.begin(), dat.begin() + kDataRecordSize));
        const auto n = static_cast<std::size_t>(d.WorkData.FreDataCount);
        const auto channels = ChannelRecordBytes(std::span<const FreDataRec>(d.FreData.data(), n));
        Check(channels.size() <= chan.size() && std::equal(channels.begin(), channels.end(), chan.begin()));
        if (d.FactoryTestMode && c.testDataStatus == ReadStatus::Ok)
            Check(std::equal(d.TestDataBuf.begin(), d.TestDataBuf.begin() + 32, ted.begin()));
    }
    return 0;
}
