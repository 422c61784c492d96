#pragma once

#include "video/Layout.h"

#include <cstdint>

// How the frame reaches a window of any size. The scene is always drawn in the play
// area's own 448 x 496 units, into the window's top-left 448 x 496 pixels, where a window
// of exactly that size has them: a rasteriser may round blended edges differently
// elsewhere (Mesa's software one does). In a window of that size that is all; in a larger
// one the frame is then copied into a texture and drawn over its place s times larger
// with nearest-neighbour sampling, every pixel an exact s x s block. Shrunk into a
// smaller window, the scene is drawn straight into its place. Static members only.
class FrameScaler {
public:
    // the layout for a window of this size, and the scene's viewport for the next frame
    static void Lay(int windowWidth, int windowHeight);
    // before the buffers are swapped: enlarges the drawn frame where the layout says so
    static void Present();
    // deletes the frame's texture; before the GL context goes
    static void Release();

private:
    FrameScaler() {}

    // the frame is copied to its place: the window is larger than the play area
    static bool Copies();
    static void SetSceneViewport();
    static void MakeFrameTexture();
    static void DrawEnlarged();
    // OpenGL counts window rows from the bottom: the row of the lower edge of a rectangle
    // whose upper edge lies `top` rows below the window's top and that is `height` tall
    static int RowFromBottom(int top, int height) { return _windowHeight - top - height; }

    static Layout _layout;
    static int _windowWidth;
    static int _windowHeight;
    static uint32_t _frame; // GL texture that the frame is copied into; 0 when none
};
