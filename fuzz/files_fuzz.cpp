// libFuzzer target over the loaders of the data, channel and test-data
// files (and the marker check).
//
// Input: byte 0 flags (bit 0 factory test mode, bit 1 load as a default
// data file, bit 2 factory frequencies), bytes 1-2 the channel file's length
// (little-endian), byte 3 the test-data file's length, then the test-data
// file, the channel file, and the rest is the data file.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/bands.h"
#include "core/datafiles.h"
#include "core/defaults.h"
#include "core/fileio.h"
#include "core/messages.h"
#include "core/recordio.h"
#include "core/testdata.h"

namespace {

// A private folder for the files of each run: under $RP_FUZZ_TMP when set
// (scripts/fuzz.sh removes it afterwards), else in memory-backed /dev/shm
// when there is one, else /tmp.
const std::string& Folder() {
    static const std::string folder = [] {
        const char* base = std::getenv("RP_FUZZ_TMP");
        std::string root = base && *base ? base : access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string tmpl = root + "/rp-files-fuzz-XXXXXX";
        if (!mkdtemp(tmpl.data())) std::abort();
        return tmpl;
    }();
    return folder;
}

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

    // The whole load through files.
    const std::string path = Folder() + "/set.dat";
    Check(WriteFileSetAtomically({{path, dat}, {ChannelFilePath(path), chan}, {TestDataCompanionPath(path), ted}}));

    AppData d;
    d.LanguageIndex = 1;
    InitMessageTexts(d);
    d.CurModel = "KEVRA8R";
    d.CurBandIndex = static_cast<Integer>((flags >> 3) & 7);
    d.CurBandText = GetFreqRangeText(d.CurBandIndex);
    ParseBandRanges(d);
    d.FactoryTestMode = flags & 1;
    d.FactoryFresFlag = (flags >> 2) & 1;
    d.InitFolder = Folder() + "/none";
    bool ok = (flags & 2) ? LoadModelInitFile(d, path) : OpenDataFile(d, path);
    Check(!IsDataChanged(d) || !ok);
    if (ok && !(flags & 2)) {
        d.DataFilePath = Folder() + "/again.dat";
        Check(SaveDataFile(d));
        std::vector<std::uint8_t> again;
        Check(ReadFilePrefix(d.DataFilePath, kDataRecordSize + 1, again) == ReadStatus::Ok);
        Check(std::equal(again.begin(), again.end(), dat.begin()) && again.size() == kDataRecordSize);
        Check(!IsDataChanged(d));
    }
    return 0;
}
