#include "core/commbook.h"

#include <utility>

#include "core/numtext.h"

namespace rp {

std::int32_t CommBookKey(const FixedText<5>& callId) {
    std::int32_t key = 0;
    std::size_t i = 0;
    for (; i < callId.size(); ++i) {
        char c = callId.b[i];
        if (c == '\0') break;
        if (c == ' ') c = 'A';
        int v = HexDigitValue(c);
        if (v < 0) return kBadCallIdKey;
        key = key * 16 + v;
    }
    for (; i < callId.size(); ++i) key = key * 16 + 0xB;
    return key;
}

void SortCommBook(CommBook& book) {
    constexpr int kN = static_cast<int>(std::tuple_size_v<CommBook>);
    std::array<std::pair<std::int32_t, int>, kN> order;  // (key, position)
    for (int i = 0; i < kN; ++i) order[i] = {CommBookKey(book[i].CallID), i};

    for (int i = 0; i < kN - 1; ++i)
        for (int j = i + 1; j < kN; ++j)
            if (order[i].first > order[j].first) std::swap(order[i], order[j]);

    CommBook sorted;
    for (int k = 0; k < kN; ++k) {
        sorted[k] = book[order[k].second];
        sorted[k].No = static_cast<Integer>(k);
    }
    book = sorted;
}

}  // namespace rp
