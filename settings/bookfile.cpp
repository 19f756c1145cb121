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

std::optional<CommBook> ReadBookFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (ReadFilePrefix(path, kBookFileSize, bytes) != ReadStatus::Ok) return std::nullopt;
    return ParseBookFile(bytes);
}

bool WriteBookFile(const std::string& path, const CommBook& book) {
    return WriteFileSetAtomically({{path, BookFileBytes(book)}});
}

}  // namespace rp
