// libFuzzer target over the communication-book file reader and the sort
// that every close of the book dialog runs on what was imported.
//
// Input: the file's contents.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "core/commbook.h"
#include "settings/bookfile.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

std::vector<std::string> Texts(const rp::CommBook& b) {
    std::vector<std::string> v;
    for (const auto& e : b) v.push_back(std::string(e.CallID.Raw()) + std::string(e.Name.Raw()));
    std::sort(v.begin(), v.end());
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rp;
    std::span<const std::uint8_t> in(data, size);
    std::optional<CommBook> book = ParseBookFile(in);
    Check(book.has_value() == (size >= kBookFileSize));
    if (!book) return 0;
    // Export before any edit writes back the bytes imported.
    const std::vector<std::uint8_t> out = BookFileBytes(*book);
    Check(std::equal(out.begin(), out.end(), in.begin()));
    // The sort loses and changes no entry, whatever numbers and IDs came in.
    CommBook sorted = *book;
    SortCommBook(sorted);
    Check(Texts(sorted) == Texts(*book));
    for (std::size_t i = 0; i < sorted.size(); ++i) Check(sorted[i].No == static_cast<Integer>(i));
    for (std::size_t i = 1; i < sorted.size(); ++i)
        Check(CommBookKey(sorted[i - 1].CallID) <= CommBookKey(sorted[i].CallID));
    return 0;
}
