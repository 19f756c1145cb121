#include "channels/batchfun.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/fileio.h"
#include "core/messages.h"
#include "core/paths.h"

namespace rp {

void SetDefaultBatchFun(AppData& d) {
    d.BatchFunFlag.fill(1);
    d.BatchFunFlag[kBatchFunCompander] = 0;
}

std::string BatchFunReadPath(const AppData& d) { return ReadablePath(d, kBatchFunFile); }

std::string BatchFunWritePath(const AppData& d) { return WritablePath(d, kBatchFunFile); }

bool SaveBatchFunFile(AppData& d, FileFailure* why) {
    std::string path = BatchFunWritePath(d);
    if (path.empty()) {
        // Neither the program's folder nor a per-user folder takes it.
        if (why) *why = {ShippedPath(d, kBatchFunFile), EACCES};
        return false;
    }
    return WriteFileSetAtomically({{path, std::vector<std::uint8_t>(d.BatchFunFlag.begin(), d.BatchFunFlag.end())}},
                                  why);
}

void LoadBatchFunFile(AppData& d) {
    std::vector<std::uint8_t> bytes;
    std::string path = BatchFunReadPath(d);
    ReadStatus status = ReadFilePrefix(path, kBatchFunCount, bytes);
    std::error_code ec;
    // A path through something that is not a folder names no file either.
    if (status == ReadStatus::Error && !std::filesystem::exists(path, ec) && !ec) status = ReadStatus::Missing;
    switch (status) {
    case ReadStatus::Ok:
        d.BatchFunFlag.fill(0);  // bytes a short file lacks
        for (std::size_t i = 0; i < bytes.size() && i < d.BatchFunFlag.size(); ++i) d.BatchFunFlag[i] = bytes[i];
        break;
    case ReadStatus::Missing:
        SetDefaultBatchFun(d);
        (void)SaveBatchFunFile(d);  // a failed creation stays silent
        break;
    case ReadStatus::Error:
        SetDefaultBatchFun(d);
        break;
    }
    d.BatchFunFlag[kBatchFunCompander] = 0;
}

int IsBatchFunOn(Byte flag) { return flag != 0 ? 1 : 0; }

bool StoreBatchFunChoice(AppData& d, int index, bool ticked) {
    if (index < 0 || index >= kBatchFunCount) return true;
    d.BatchFunFlag[static_cast<std::size_t>(index)] = ticked ? 1 : 0;
    FileFailure why;
    if (SaveBatchFunFile(d, &why)) return true;
    if (!d.BatchFunFileReported) {
        d.BatchFunFileReported = true;
        ShowFileError(d, why);
    }
    return false;
}

}  // namespace rp
