#pragma once

#include "video/Layout.h"

#include <cstdint>

// How the frame reaches a window of any size. The scene is always drawn in the play
// area's own 448 x 496 units. At the play area's size, or shrunk into a smaller window, it
// is drawn straight into its place in the window. Enlarged, it is drawn at its own size,
// copied into a texture and drawn again s times larger with nearest-neighbour sampling,
// so that every pixel of the frame becomes an exact s x s block. Static members only.
class FrameScaler {
public:
    // the layout for a window of this size, and the scene's viewport for the next frame
    static void Lay(int windowWidth, int windowHeight);
    // before the buffers are swapped: enlarges the drawn frame where the layout says so
    static void Present();
    // deletes the frame's texture; before the GL context goes
    static void Release();

    static const Layout& GetLayout() { return _layout; }

private:
    FrameScaler() {}

    static bool Enlarges() { return _layout.scale >= 2; }
    static void SetSceneViewport();
    static void MakeFrameTexture();
    static void DrawEnlarged();

    static Layout _layout;
    static int _windowWidth;
    static int _windowHeight;
    static uint32_t _frame; // GL texture that the enlarged frame is copied into; 0 when none
};
