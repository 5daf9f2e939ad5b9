#include "app/placement.h"

#include <gtest/gtest.h>

namespace pathnab {
namespace {

struct PlacementCase {
    const char* name;
    CursorPosition cursor;
    WindowPosition expected;
};

// A 1024 x 768 pixel screen at 15 twips per pixel; a 7695 x 2535 window with a 7455 x 1725
// client area.
PlacementInput At(CursorPosition cursor) {
    PlacementInput in;
    in.cursor = cursor;
    in.outerWidth = 7695;
    in.outerHeight = 2535;
    in.clientWidth = 7455;
    in.clientHeight = 1725;
    in.screenWidth = 1024 * 15;
    in.screenHeight = 768 * 15;
    return in;
}

class PlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, KeepsTheWindowOnThePrimaryScreen) {
    const PlacementCase& c = GetParam();
    const WindowPosition at = PlaceNextToCursor(At(c.cursor));
    EXPECT_FLOAT_EQ(at.left, c.expected.left);
    EXPECT_FLOAT_EQ(at.top, c.expected.top);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, PlacementTest,
    ::testing::Values(PlacementCase{"middle", {100, 100}, {17.5f, 690}},
                      PlacementCase{"top_left", {0, 0}, {0, 0}},
                      PlacementCase{"top_right", {1023, 0}, {15360 - 7695, 0}},
                      PlacementCase{"bottom_left", {0, 767}, {0, 11520 - 2535}},
                      PlacementCase{"bottom_right", {1023, 767}, {15360 - 7695, 11520 - 2535}},
                      PlacementCase{"beyond_right_and_below", {2500, 1500}, {15360 - 7695, 11520 - 2535}},
                      PlacementCase{"left_of_and_above", {-300, -40}, {0, 0}},
                      PlacementCase{"just_fits_vertically", {400, 653}, {4517.5f, 8985}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Placement, UsesEachAxisOwnTwipsPerPixel) {
    PlacementInput in = At({200, 100});
    in.twipsPerPixelX = 12;
    in.twipsPerPixelY = 10;
    const WindowPosition at = PlaceNextToCursor(in);
    EXPECT_FLOAT_EQ(at.left, 2400 - 240 - 1242.5f);
    EXPECT_FLOAT_EQ(at.top, 1000 - 810);
}

TEST(Placement, AWindowLargerThanTheScreenStartsAtTheTopLeft) {
    PlacementInput in = At({500, 400});
    in.outerWidth = 20000;
    in.outerHeight = 15000;
    const WindowPosition at = PlaceNextToCursor(in);
    EXPECT_EQ(at, (WindowPosition{0, 0}));
}

}  // namespace
}  // namespace pathnab
