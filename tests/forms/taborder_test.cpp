// The walk along a tab order: round past the end, the control left last,
// a control not in the order starting at the first one.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "forms/taborder.h"

namespace rp {
namespace {

TEST(NextFocusInOrder, WalksRoundToTheFirstControlThatCanTakeTheFocus) {
    const std::vector<std::string> order = {"A", "B", "C", "D"};
    struct Case {
        const char* from;
        std::set<std::string> can;
        const char* next;
    };
    const Case cases[] = {
        {"A", {"A", "B", "C", "D"}, "B"},
        {"B", {"A", "D"}, "D"},
        {"D", {"B", "C"}, "B"},   // round past the end
        {"C", {"C"}, "C"},        // the control left comes last
        {"C", {}, ""},            // none can
        {"X", {"A", "C"}, "A"},   // not in the order: from the first
        {"X", {"C"}, "C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.next);
        EXPECT_EQ(NextFocusInOrder(order, c.from, [&](const std::string& n) { return c.can.count(n) != 0; }), c.next);
    }
    EXPECT_EQ(NextFocusInOrder({}, "A", [](const std::string&) { return true; }), "");
}

}  // namespace
}  // namespace rp
