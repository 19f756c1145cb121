#pragma once
// Ordering of the 128-entry communication book by call ID.
#include <array>
#include <cstdint>

#include "core/records.h"

namespace rp {

using CommBook = std::array<BookDataRec, 128>;

// Sort key of one call ID: each blank becomes "A", the ID is cut at its first
// NUL, padded with "B" to five characters and read as hexadecimal. An empty
// ID gives BBBBB, after every ID of digits. An ID holding, before its first
// NUL, anything else than a hexadecimal digit or a blank cannot be read; it
// gets kBadCallIdKey, above every readable key.
inline constexpr std::int32_t kBadCallIdKey = 0x100000;
std::int32_t CommBookKey(const FixedText<5>& callId);

// Puts the book into ascending key order and renumbers the entries 0..127.
// Exchange sort with a strict comparison (not stable, on purpose: equal keys
// end up where the radio's own ordering puts them). Entries are carried by
// their position, never by their No, so a book with wrong numbers loses
// nothing. Call IDs and names move with their entries byte for byte.
void SortCommBook(CommBook& book);

}  // namespace rp
