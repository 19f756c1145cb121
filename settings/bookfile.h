#pragma once
// The communication-book file: exactly 1,664 bytes, the 128 entries packed
// one after another, 13 bytes each (entry number, call ID, name), as they
// lie in the data file. No header and no check of any field.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/commbook.h"
#include "core/fileio.h"
#include "core/recordio.h"

namespace rp {

inline constexpr std::size_t kBookFileSize = 128 * kBookRecordSize;

std::vector<std::uint8_t> BookFileBytes(const CommBook& book);
// The book from the first kBookFileSize bytes; nothing when there are fewer.
std::optional<CommBook> ParseBookFile(std::span<const std::uint8_t> bytes);

// The book at path; nothing when the file cannot be read or is too short
// (why, when given, receives the file and the reason).
std::optional<CommBook> ReadBookFile(const std::string& path, FileFailure* why = nullptr);
// Writes exactly kBookFileSize bytes, atomically, replacing any older file.
bool WriteBookFile(const std::string& path, const CommBook& book, FileFailure* why = nullptr);

}  // namespace rp
