#include "settings/bookfile.h"

#include "core/fileio.h"

namespace rp {

std::vector<std::uint8_t> BookFileBytes(const CommBook& book) {
    std::vector<std::uint8_t> out(kBookFileSize);
    for (std::size_t i = 0; i < book.size(); ++i)
        EncodeRecord(book[i], std::span<std::uint8_t>(out).subspan(i * kBookRecordSize, kBookRecordSize));
    return out;
}

std::optional<CommBook> ParseBookFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kBookFileSize) return std::nullopt;
    CommBook book{};
    for (std::size_t i = 0; i < book.size(); ++i)
        DecodeRecord(bytes.subspan(i * kBookRecordSize, kBookRecordSize), book[i]);
    return book;
}

std::optional<CommBook> ReadBookFile(const std::string& path, FileFailure* why) {
    std::vector<std::uint8_t> bytes;
    int error = 0;
    std::optional<CommBook> book;
    if (ReadFilePrefix(path, kBookFileSize, bytes, &error) == ReadStatus::Ok) book = ParseBookFile(bytes);
    if (!book && why) *why = {path, error};  // 0: too short
    return book;
}

bool WriteBookFile(const std::string& path, const CommBook& book, FileFailure* why) {
    return WriteFileSetAtomically({{path, BookFileBytes(book)}}, why);
}

}  // namespace rp
