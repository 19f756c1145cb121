#include "core/testdata.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#include "core/datafiles.h"
#include "core/fileio.h"

namespace rp {

TestDataRead ReadTestDataBytes(const std::string& path, TestDataBlock& out, int* error) {
    std::vector<std::uint8_t> bytes;
    switch (ReadFilePrefix(path, kTestDataSize, bytes, error)) {
        case ReadStatus::Missing: return TestDataRead::Missing;
        case ReadStatus::Error: return TestDataRead::Error;
        case ReadStatus::Ok: break;
    }
    if (bytes.size() < kTestDataSize) return TestDataRead::Short;
    std::copy(bytes.begin(), bytes.end(), out.begin());
    return TestDataRead::Ok;
}

bool IsTestModeMarker(std::span<const std::uint8_t> contents) {
    std::string buf(kTestModeMarkerSize, '\0');
    std::size_t n = std::min(contents.size(), kTestModeMarkerSize);
    std::copy(contents.begin(), contents.begin() + static_cast<std::ptrdiff_t>(n), buf.begin());
    return TrimNullStr(buf) == kTestModeMarkerText;
}

void LoadFactoryTestModeFlag(AppData& d, const std::string& programFolder) {
    d.TestDataBuf.fill(0);
    d.TestDataOrigin = AppData::TestDataSource::None;
    std::string path = programFolder.empty() ? std::string(kTestModeMarkerFile)
                                             : programFolder + "/" + kTestModeMarkerFile;
    std::vector<std::uint8_t> bytes;
    switch (ReadFilePrefix(path, kTestModeMarkerSize, bytes)) {
        case ReadStatus::Missing: d.FactoryTestMode = false; return;
        case ReadStatus::Error: return;
        case ReadStatus::Ok: break;
    }
    d.FactoryTestMode = IsTestModeMarker(bytes);
}

bool LoadTestDataFile(AppData& d, const std::string& path, std::span<Byte, kTestDataSize> buffer,
                      FileFailure* why) {
    TestDataBlock block{};
    int error = ENOENT;
    if (path.empty() || ReadTestDataBytes(path, block, &error) != TestDataRead::Ok) {
        if (why) *why = {path, error};  // 0 for a short file
        return false;
    }
    std::copy(block.begin(), block.end(), buffer.begin());
    d.TestDataFilePath = path;
    return true;
}

bool SaveTestDataFile(AppData& d, const std::string& path,
                      std::span<const Byte, kTestDataSize> buffer, FileFailure* why) {
    if (path.empty()) {
        if (why) *why = {path, ENOENT};
        return false;
    }
    if (!WriteFileSetAtomically({{path, std::vector<std::uint8_t>(buffer.begin(), buffer.end())}}, why))
        return false;
    d.TestDataFilePath = path;
    return true;
}

bool LoadTestDataCompanion(AppData& d, const std::string& dataPath) {
    std::string ted = TestDataCompanionPath(dataPath);
    if (ted.empty()) return false;
    return LoadTestDataFile(d, ted, std::span<Byte, kTestDataSize>(d.TestDataBuf.data() + 32, kTestDataSize));
}

bool SaveTestDataCompanion(AppData& d, const std::string& dataPath) {
    std::string ted = TestDataCompanionPath(dataPath);
    if (ted.empty()) return false;
    return SaveTestDataFile(
        d, ted, std::span<const Byte, kTestDataSize>(d.TestDataBuf.data() + 32, kTestDataSize));
}

}  // namespace rp
