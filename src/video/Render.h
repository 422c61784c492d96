#pragma once

#include "video/PlayArea.h"

class Entity;
struct Transform;

// Draws entities as textured, tinted quads with immediate-mode OpenGL 1.1 on the
// 448 x 496 logical screen (origin top-left, y downwards); FrameScaler brings the frame
// into a window of any size.
class Render {
public:
    ~Render();

    // setup, for a window of the given size
    bool Init(int windowWidth = PlayArea::WIDTH, int windowHeight = PlayArea::HEIGHT);
    // viewport, projection and render state for a new window size (after a mode change)
    static void SetViewport(int width, int height);

    // drawing
    // before a step's drawing: a step whose frame is not shown draws nothing
    void BeginFrame(bool shown);
    void Draw(const Entity* entity, const Transform* view);
    // ends the frame: shows it, and clears for the next
    void Refresh();

private:
    static void SetRenderState();

    bool _shown = true;
    bool _clearPending = false; // the last frame shown is still to be cleared
};
