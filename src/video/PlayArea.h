#pragma once

// The logical screen that the game is drawn on: 448 x 496 pixels, origin at the top-left
// corner, x to the right, y downwards, one unit per pixel of the frame.
struct PlayArea {
    static constexpr int WIDTH = 448;
    static constexpr int HEIGHT = 496;
};
