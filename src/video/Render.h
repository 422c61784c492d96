#pragma once

#include "video/PlayArea.h"

class Entity;
struct Transform;

// Draws entities as textured, tinted quads with immediate-mode OpenGL 1.1 on the
// 448 x 496 logical screen (origin top-left, y downwards); FrameScaler brings the frame
// into a window of any size. Holds no data.
class Render {
public:
    ~Render();

    // setup, for a window of the given size
    bool Init(int windowWidth = PlayArea::WIDTH, int windowHeight = PlayArea::HEIGHT);
    // viewport, projection and render state for a new window size (after a mode change)
    static void SetViewport(int width, int height);

    // drawing
    void Draw(const Entity* entity, const Transform* view);
    void Refresh();

private:
    static void SetRenderState();
};
