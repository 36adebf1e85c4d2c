#include "windows/window_placement.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

using namespace n3;

TEST(WindowPlacement, ARememberedPlaceReadsBackAndAnythingElseIsIgnored) {
    const WindowPlacement place{{-8, 30, 1024, 700}, true};
    EXPECT_EQ(FormatPlacement(place), "-8,30,1024,700,1");
    EXPECT_EQ(ParsePlacement(FormatPlacement(place)), place);
    EXPECT_EQ(ParsePlacement("10,20,800,600,0"), (WindowPlacement{{10, 20, 800, 600}, false}));
    for (const char* bad :
         {"", "10,20,800,600", "10,20,800,600,2", "10,20,800,600,0,1", "a,20,800,600,0", "10,20,50,600,0",
          "10,20,800,99999999,0", "10, 20,800,600,0", "10,20,800,600,0 ", "999999,20,800,600,0", "10,20,800,600,"})
        EXPECT_FALSE(ParsePlacement(bad).has_value()) << bad;
}

TEST(WindowPlacement, FittingKeepsTheWholeWindowInsideTheArea) {
    const ScreenRect area{0, 24, 1366, 744};
    // Already inside: unchanged.
    EXPECT_EQ(FitInto({100, 100, 600, 400}, area), (ScreenRect{100, 100, 600, 400}));
    // Too large: as large as the area, at its corner.
    EXPECT_EQ(FitInto({0, 0, 1280, 860}, area), (ScreenRect{0, 24, 1280, 744}));
    // Partly outside: moved back in as little as possible.
    EXPECT_EQ(FitInto({1000, 600, 600, 400}, area), (ScreenRect{766, 368, 600, 400}));
    EXPECT_EQ(FitInto({-50, -50, 300, 200}, area), (ScreenRect{0, 24, 300, 200}));
    // A degenerate area still gives a window of some size.
    const ScreenRect tiny = FitInto({5, 5, 300, 200}, {0, 0, 0, 0});
    EXPECT_EQ(tiny.width, 1);
    EXPECT_EQ(tiny.height, 1);
}

TEST(WindowPlacement, CascadeStepsByTheTitleBarAndStartsAgainAtTheEdge) {
    const ScreenRect area{0, 0, 800, 500};
    const std::vector<ScreenRect> sizes = {{0, 0, 500, 300}, {0, 0, 400, 200}, {0, 0, 900, 600}, {0, 0, 600, 400}};
    const auto places = CascadePlaces(sizes, area, 22);
    ASSERT_EQ(places.size(), 4u);
    EXPECT_EQ(places[0], (ScreenRect{0, 0, 500, 300}));
    EXPECT_EQ(places[1], (ScreenRect{22, 22, 400, 200}));
    // Larger than the area: the area's size, back at the corner.
    EXPECT_EQ(places[2], (ScreenRect{0, 0, 800, 500}));
    // The count starts again from there.
    EXPECT_EQ(places[3], (ScreenRect{22, 22, 600, 400}));
    // A window that would reach past the area's edge starts at the corner.
    const auto wrapped = CascadePlaces({{0, 0, 300, 200}, {0, 0, 300, 200}, {0, 0, 300, 460}}, area, 22);
    EXPECT_EQ(wrapped[2], (ScreenRect{0, 0, 300, 460}));
    for (const ScreenRect& p : places) EXPECT_EQ(FitInto(p, area), p);
}

// Strips while they stay tall (wide) enough, then a grid of rows and
// columns; always the whole area, every window inside it.
TEST(WindowPlacement, TilingMakesStripsWhileTheyFitThenAGrid) {
    const ScreenRect area{0, 0, 1366, 640};
    // count, one above the other, rows, columns
    for (const auto& [count, above, rows, columns] :
         std::vector<std::array<int, 4>>{{3, 1, 3, 1}, {3, 0, 1, 3}, {5, 1, 3, 2}, {7, 0, 3, 3}, {1, 1, 1, 1}}) {
        const auto places = TilePlaces(count, area, above != 0, above ? 200 : 360);
        ASSERT_EQ(int(places.size()), count);
        std::set<int> tops, lefts;
        long long covered = 0;
        for (const ScreenRect& p : places) {
            tops.insert(p.y);
            if (p.y == 0) lefts.insert(p.x);
            covered += (long long)p.width * p.height;
            EXPECT_EQ(FitInto(p, area), p);
        }
        EXPECT_EQ(int(tops.size()), rows) << count;
        EXPECT_EQ(int(lefts.size()), columns) << count;
        EXPECT_EQ(covered, (long long)area.width * area.height) << count;
    }
}
