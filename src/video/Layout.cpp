#include "video/Layout.h"

#include "video/PlayArea.h"

#include <algorithm>

Layout Layout::Fit(int windowWidth, int windowHeight) {
    Layout layout;
    layout.scale = std::min(windowWidth / PlayArea::WIDTH, windowHeight / PlayArea::HEIGHT);
    if (layout.scale >= 1) {
        layout.width = PlayArea::WIDTH * layout.scale;
        layout.height = PlayArea::HEIGHT * layout.scale;
    } else {
        const double shrink = std::max(0.0, std::min(static_cast<double>(windowWidth) / PlayArea::WIDTH,
                                                     static_cast<double>(windowHeight) / PlayArea::HEIGHT));
        layout.scale = 0;
        layout.width = static_cast<int>(PlayArea::WIDTH * shrink);
        layout.height = static_cast<int>(PlayArea::HEIGHT * shrink);
    }
    layout.x = (windowWidth - layout.width) / 2;
    layout.y = (windowHeight - layout.height) / 2;
    return layout;
}
