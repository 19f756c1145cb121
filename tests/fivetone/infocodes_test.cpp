// The information codes' check before OK keeps the dialog's settings, and
// the rules a type sets for the option list and the name box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fivetone/infocodes.h"

using namespace rp;

namespace {

struct Code {
    int type;
    const char* code;
};

Tone5DataRec WithCodes(const char* own, std::initializer_list<std::pair<int, Code>> codes) {
    Tone5DataRec t;
    t.OwnID.Set(own);
    for (auto& c : t.InfoCodes) {  // eight distinct plain codes
        c.Type = 0;
        c.Code.Set(std::to_string(100 + (&c - t.InfoCodes.data())));
        c.CodeLen = 3;
    }
    for (const auto& [pos, c] : codes) {
        Tone5InfoCodeRec& r = t.InfoCodes[static_cast<std::size_t>(pos - 1)];
        r.Type = static_cast<Byte>(c.type);
        r.Code.Set(c.code);
        r.CodeLen = static_cast<Byte>(std::string(c.code).size());
    }
    return t;
}

using Keys = std::vector<std::string>;

}  // namespace

TEST(Tone5InfoCodes, KillStunWakeUpCheck) {
    struct Case {
        const char* name;
        Tone5DataRec t;
        Keys keys;
    } cases[] = {
        {"no kill, stun or wake-up code", WithCodes("12345", {}), {}},
        {"wake-up alone", WithCodes("12345", {{1, {5, "777"}}}), {}},
        {"kill code equal to the own ID, alone even with other faults",
         WithCodes("12345", {{2, {3, "12345"}}, {3, {4, "111"}}, {5, {0, "111"}}}), {"60350"}},
        {"wake-up code equal to the own ID", WithCodes("12345", {{1, {5, "12345"}}}), {"60350"}},
        {"kill and stun without wake-up", WithCodes("12345", {{1, {3, "111"}}, {2, {4, "222"}}}), {"60300"}},
        {"kill before a plain code", WithCodes("12345", {{2, {3, "888"}}, {5, {0, "888"}}, {8, {5, "999"}}}),
         {"60301"}},
        {"plain code before a kill code",
         WithCodes("12345", {{1, {0, "888"}}, {5, {3, "888"}}, {8, {5, "999"}}}), {"60301"}},
        {"two equal kill codes", WithCodes("12345", {{2, {3, "888"}}, {4, {3, "888"}}, {8, {5, "999"}}}), {}},
        {"equal plain codes of other types", WithCodes("12345", {{2, {1, "888"}}, {4, {7, "888"}}}), {}},
        {"empty kill code, empty later code", WithCodes("12345", {{2, {3, ""}}, {6, {1, ""}}}),
         {"60300", "60301"}},
        {"kill code equal to the wake-up code", WithCodes("12345", {{2, {3, "777"}}, {3, {5, "777"}}}),
         {"60301"}},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckInfoKillStunWaken(c.t), c.keys) << c.name;
}

TEST(Tone5InfoCodes, CodeDigitsFollowTheLength) {
    Tone5InfoCodeRec r;
    r.Code.Set("123456789ABC");
    struct Case { int len; const char* digits; } cases[] = {{0, ""}, {3, "123"}, {12, "123456789ABC"},
                                                            {20, "123456789ABC"}};
    for (const auto& c : cases) {
        r.CodeLen = static_cast<Byte>(c.len);
        EXPECT_EQ(InfoCodeDigits(r), c.digits) << c.len;
    }
}

TEST(Tone5InfoCodes, TypeRules) {
    struct Case { int type, count, forced; bool optionEnabled, nameEnabled; } cases[] = {
        {0, 3, -1, true, false}, {1, 2, 0, true, true},  {2, 3, 0, false, true}, {3, 3, 2, false, true},
        {4, 3, 2, false, true},  {5, 3, 2, false, true}, {6, 3, 0, false, false}, {7, 3, -1, true, true},
        {-1, 3, -1, true, true},  // nothing selected
    };
    for (const auto& c : cases) {
        const InfoTypeRule r = InfoTypeRuleOf(c.type);
        EXPECT_EQ(r.optionCount, c.count) << c.type;
        EXPECT_EQ(r.forcedOption, c.forced) << c.type;
        EXPECT_EQ(r.optionEnabled, c.optionEnabled) << c.type;
        EXPECT_EQ(r.nameEnabled, c.nameEnabled) << c.type;
    }
}
