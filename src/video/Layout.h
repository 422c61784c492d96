#pragma once

// Where the play area lies in a window of a given size: enlarged by the largest whole
// number that fits, or shrunk to fit a smaller window; centred, black around it.
struct Layout {
    int scale = 1; // the whole-number enlargement; 0 when shrunk to fit
    int x = 0;     // the drawn play area's top-left corner, in window pixels from the
    int y = 0;     // window's top-left corner
    int width = 0; // its drawn size in window pixels
    int height = 0;

    static Layout Fit(int windowWidth, int windowHeight);
};
