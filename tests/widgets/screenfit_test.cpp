// A window's saved bounds brought onto the screen it opens on, and a
// screen's free area rounded down to whole device pixels.
#include <gtest/gtest.h>

#include "widgets/screenfit.h"

namespace rp {
namespace {

struct Case {
    const char* name;
    QRect window, available, expected;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class FitToScreenTest : public ::testing::TestWithParam<Case> {};

TEST_P(FitToScreenTest, Table) {
    const Case& c = GetParam();
    EXPECT_EQ(FitToScreen(c.window, c.available), c.expected);
}

const QRect kScreen(0, 0, 800, 600);
// A screen right of the primary one, below a panel 30 pixels high.
const QRect kRightScreen(1920, 30, 1280, 994);

INSTANTIATE_TEST_SUITE_P(
    Cases, FitToScreenTest,
    ::testing::Values(Case{"FitsUnchanged", {10, 20, 300, 200}, kScreen, {10, 20, 300, 200}},
                      Case{"FillsTheScreenExactly", kScreen, kScreen, kScreen},
                      Case{"TwiceTheScreenShrinksToIt", {0, 0, 1600, 1200}, kScreen, kScreen},
                      Case{"TooWideOnlyKeepsItsHeight", {100, 50, 2000, 300}, kScreen, {0, 50, 800, 300}},
                      Case{"RightEdgeOffMovesLeft", {700, 10, 300, 200}, kScreen, {500, 10, 300, 200}},
                      Case{"BottomEdgeOffMovesUp", {10, 500, 300, 200}, kScreen, {10, 400, 300, 200}},
                      Case{"NegativePositionComesIn", {-500, -40, 300, 200}, kScreen, {0, 0, 300, 200}},
                      Case{"FarAwayComesToTheNearestCorner", {90000, 90000, 300, 200}, kScreen, {500, 400, 300, 200}},
                      Case{"OffsetScreenUnderAPanel", {1900, 0, 1600, 1200}, kRightScreen, kRightScreen},
                      Case{"OffsetScreenKeepsAFittingWindow", {2000, 100, 400, 300}, kRightScreen,
                           {2000, 100, 400, 300}},
                      Case{"NoScreenAreaChangesNothing", {5, 5, 10, 10}, QRect(), {5, 5, 10, 10}}));


struct AreaCase {
    const char* name;
    QRect available;
    double scale;
    QSize expected;
};
void PrintTo(const AreaCase& c, std::ostream* os) { *os << c.name; }

class RoundedDownAreaTest : public ::testing::TestWithParam<AreaCase> {};

TEST_P(RoundedDownAreaTest, Table) {
    const AreaCase& c = GetParam();
    EXPECT_EQ(RoundedDownArea(c.available, c.scale), QRect(c.available.topLeft(), c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundedDownAreaTest,
    ::testing::Values(AreaCase{"WholeScaleUnchanged", {0, 0, 1920, 1080}, 1.0, {1920, 1080}},
                      // 1600x1000 device pixels make 1066.7x666.7, shown as 1067x667.
                      AreaCase{"OneAndAHalfRoundsDown", {0, 0, 1067, 667}, 1.5, {1066, 666}},
                      // 1920x1080 at 150 % are 1280x720 exactly.
                      AreaCase{"OneAndAHalfExact", {0, 0, 1280, 720}, 1.5, {1280, 720}},
                      AreaCase{"TwiceExact", {0, 0, 800, 500}, 2.0, {800, 500}},
                      // 1920x1080 device pixels at 175 % are 1097.1x617.1 pixels.
                      AreaCase{"OneAndThreeQuartersRoundsDown", {0, 0, 1097, 617}, 1.75, {1096, 616}},
                      AreaCase{"UnderAPanelKeepsItsCorner", {0, 27, 1067, 640}, 1.5, {1066, 640}},
                      AreaCase{"NoScaleChangesNothing", {0, 0, 1067, 667}, 0.0, {1067, 667}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rp
