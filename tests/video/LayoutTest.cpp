#include "video/Layout.h"

#include <gtest/gtest.h>

TEST(Layout, LargestWholeScaleCentredOrShrunkToFit) {
    struct Case {
        int windowWidth, windowHeight;
        Layout expected;
    };
    const Case cases[] = {
        {448, 496, {1, 0, 0, 448, 496}},         {895, 991, {1, 223, 247, 448, 496}},
        {896, 992, {2, 0, 0, 896, 992}},         {1920, 1080, {2, 512, 44, 896, 992}},
        {3840, 2160, {4, 1024, 88, 1792, 1984}}, {5000, 991, {1, 2276, 247, 448, 496}},
        {224, 248, {0, 0, 0, 224, 248}},         {447, 496, {0, 0, 1, 447, 494}},
        {300, 300, {0, 15, 0, 270, 300}},
    };
    for (const Case& c : cases) {
        const Layout layout = Layout::Fit(c.windowWidth, c.windowHeight);
        const Layout& e = c.expected;
        EXPECT_EQ((std::vector<int>{layout.scale, layout.x, layout.y, layout.width, layout.height}),
                  (std::vector<int>{e.scale, e.x, e.y, e.width, e.height}))
            << c.windowWidth << "x" << c.windowHeight;
    }
}
