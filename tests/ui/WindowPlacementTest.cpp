#include "ui/WindowPlacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace zindra::test {
namespace {

// Two monitors side by side, the right one lower and smaller, as usable areas.
const std::vector<ScreenArea> TwoScreens{{0, 0, 1920, 1040}, {1920, 200, 1280, 984}};

struct PlacementRow {
    const char* what;
    WindowCorner wanted;
    WindowCorner placed;
};

// A window 720 wide with a title bar 30 high.
const PlacementRow PlacementRows[] = {
    {"on the left screen", {100, 100}, {100, 100}},
    {"title bar exactly at the right screen's edges", {2480, 1154}, {2480, 1154}},
    {"a monitor that is gone, far right", {5000, 300}, {2480, 300}},
    {"above every screen", {300, -500}, {300, 0}},
    {"left of every screen", {-900, 400}, {0, 400}},
    {"straddling both: the title bar must lie on one", {1500, 100}, {1200, 100}},
    {"below the left screen, nearest is its bottom", {200, 1200}, {200, 1010}},
    {"in the gap above the lower right screen", {2500, 50}, {2480, 200}},
    {"saved at a larger scale factor", {3000, 2000}, {2480, 1154}},
};

TEST(KeepTitleBarOnScreen, MovesOnlyAnUnreachableTitleBar) {
    for (const PlacementRow& row : PlacementRows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(KeepTitleBarOnScreen(row.wanted, 720, 30, TwoScreens), row.placed);
    }
}

TEST(KeepTitleBarOnScreen, AWindowWiderThanTheScreenKeepsItsLeftEdgeOnIt) {
    const std::vector<ScreenArea> small{{0, 0, 640, 480}};
    EXPECT_EQ(KeepTitleBarOnScreen({-50, 20}, 720, 30, small), (WindowCorner{0, 20}));
    EXPECT_EQ(KeepTitleBarOnScreen({300, 20}, 720, 30, small), (WindowCorner{0, 20}));
}

TEST(KeepTitleBarOnScreen, WithoutScreensKeepsThePosition) {
    EXPECT_EQ(KeepTitleBarOnScreen({-5000, 7000}, 720, 30, {}), (WindowCorner{-5000, 7000}));
}

} // namespace
} // namespace zindra::test
