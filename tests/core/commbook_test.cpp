#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/commbook.h"

using namespace rp;

namespace {

// A call ID as the book dialog stores it: short values end in a NUL, then
// blanks; "" is a NUL followed by blanks.
FixedText<5> Id(std::string_view s) {
    FixedText<5> t;
    if (s.size() >= 5) {
        t.Set(s);
    } else {
        t.Set(std::string(s) + '\0');
    }
    return t;
}

FixedText<5> RawId(std::string_view five) {
    FixedText<5> t;
    for (std::size_t i = 0; i < 5; ++i) t.b[i] = five[i];
    return t;
}

// A book whose every entry is empty and numbered by position, with a
// distinct name per entry so moves are visible.
CommBook EmptyBook() {
    CommBook b;
    for (int i = 0; i < 128; ++i) {
        b[i].No = static_cast<Integer>(i);
        b[i].CallID = Id("");
        std::string name = "N";
        name += static_cast<char>('0' + i / 100);
        name += static_cast<char>('0' + i / 10 % 10);
        name += static_cast<char>('0' + i % 10);
        b[i].Name.Set(name);
    }
    return b;
}

std::vector<std::string> Names(const CommBook& b, int count) {
    std::vector<std::string> v;
    for (int i = 0; i < count; ++i) v.push_back(b[i].Name.Trim());
    return v;
}

void ExpectNumberedByPosition(const CommBook& b) {
    for (int i = 0; i < 128; ++i) EXPECT_EQ(b[i].No, i);
}

}  // namespace

TEST(CommBookKey, ValuesOfTheCases) {
    struct Case { FixedText<5> id; std::int32_t key; } cases[] = {
        {Id("12345"), 0x12345},         // 74,565
        {Id("5"), 0x5BBBB},             // 375,739
        {Id("12"), 0x12BBB},            // 76,731
        {Id("12999"), 0x12999},         // 76,185
        {Id(""), 0xBBBBB},              // 768,955
        {RawId("     "), 0xAAAAA},      // 699,050
        {RawId("1 2\0 "), 0x1A2BB},     // blank inside, NUL cuts
        {RawId("abcDE"), 0xABCDE},      // hex digits of either case
        {RawId("12X45"), kBadCallIdKey},
        {RawId("\xE9" "1234"), kBadCallIdKey},
        {RawId("1\0X*?"), 0x1BBBB},     // after the NUL nothing counts
    };
    for (const auto& c : cases) EXPECT_EQ(CommBookKey(c.id), c.key) << c.id.Raw();
    EXPECT_GT(kBadCallIdKey, 0xFFFFF);
}

TEST(SortCommBook, AllEmptyKeepsOrderAndRenumbers) {
    CommBook b = EmptyBook();
    for (int i = 0; i < 128; ++i) b[i].No = static_cast<Integer>(500 + i);  // wrong numbers
    CommBook before = b;
    SortCommBook(b);
    for (int i = 0; i < 128; ++i) {
        EXPECT_EQ(b[i].Name, before[i].Name);
        EXPECT_EQ(b[i].CallID, before[i].CallID);
    }
    ExpectNumberedByPosition(b);
}

TEST(SortCommBook, DigitsThenShortThenBlanksThenEmptyThenBad) {
    // Every ordering of the three IDs of the classic case gives the same result.
    const char* ids[] = {"5", "12345", ""};
    int perms[][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto& p : perms) {
        CommBook b = EmptyBook();
        for (int k = 0; k < 3; ++k) {
            b[k].CallID = Id(ids[p[k]]);
            b[k].Name.Set(ids[p[k]][0] ? ids[p[k]] : "empty");
        }
        SortCommBook(b);
        EXPECT_EQ(b[0].CallID, Id("12345"));
        EXPECT_EQ(b[0].Name.Trim(), "12345");
        EXPECT_EQ(b[1].CallID, Id("5"));
        EXPECT_EQ(b[1].Name.Trim(), "5");
        ExpectNumberedByPosition(b);
    }

    CommBook b = EmptyBook();
    b[0].CallID = RawId("12X45");
    b[1].CallID = Id("");
    b[2].CallID = RawId("     ");
    b[3].CallID = Id("12");
    b[4].CallID = Id("12999");
    b[5].CallID = RawId("zzzzz");
    b[127].CallID = Id("00001");
    SortCommBook(b);
    EXPECT_EQ(b[0].CallID, Id("00001"));
    EXPECT_EQ(b[0].Name.Trim(), "N127");
    EXPECT_EQ(b[1].CallID, Id("12999"));
    EXPECT_EQ(b[2].CallID, Id("12"));
    EXPECT_EQ(b[3].CallID, RawId("     "));
    for (int i = 4; i < 126; ++i) EXPECT_EQ(b[i].CallID, Id("")) << i;
    // Unreadable IDs come last, after every empty entry, and are kept.
    std::vector<std::string> tail = {std::string(b[126].CallID.Raw()),
                                     std::string(b[127].CallID.Raw())};
    EXPECT_NE(std::find(tail.begin(), tail.end(), "12X45"), tail.end());
    EXPECT_NE(std::find(tail.begin(), tail.end(), "zzzzz"), tail.end());
    ExpectNumberedByPosition(b);
}

TEST(SortCommBook, EqualKeysFollowTheExchangeSortNotAStableOne) {
    // Exchange sort on keys [3, 2, 2', 1]: i=0: 3>2 -> [2,3,2',1], 2>1 ->
    // [1,3,2',2]; i=1: 3>2' -> [1,2',3,2], 2'>2 no; i=2: 3>2 -> [1,2',2,3].
    // So the second "2" comes first; a stable sort would keep "first" first.
    CommBook b = EmptyBook();
    b[0].CallID = Id("00003");
    b[1].CallID = Id("00002");
    b[1].Name.Set("first");
    b[2].CallID = Id("00002");
    b[2].Name.Set("second");
    b[3].CallID = Id("00001");
    SortCommBook(b);
    EXPECT_EQ(Names(b, 4), (std::vector<std::string>{"N003", "second", "first", "N000"}));
}

TEST(SortCommBook, DuplicateNumbersLoseNothingAndSortingTwiceChangesNothing) {
    CommBook b = EmptyBook();
    for (int i = 0; i < 128; ++i) b[i].No = 7;  // all the same number
    b[10].CallID = Id("9");
    b[20].CallID = Id("123");
    b[30].CallID = Id("8");
    SortCommBook(b);
    EXPECT_EQ(Names(b, 3), (std::vector<std::string>{"N020", "N030", "N010"}));
    std::vector<std::string> all = Names(b, 128);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::unique(all.begin(), all.end()), all.end());  // every entry still once
    ExpectNumberedByPosition(b);

    CommBook once = b;
    SortCommBook(b);
    EXPECT_EQ(b, once);
}
