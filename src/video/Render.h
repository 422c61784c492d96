#pragma once

#include "video/PlayArea.h"
#include "video/QuadBatch.h"

class Entity;
struct Transform;

// Draws entities as textured, tinted quads with OpenGL 1.1 on the 448 x 496 logical screen
// (origin top-left, y downwards); FrameScaler brings the frame into a window of any size.
// The quads of a frame are collected in drawing order and drawn from vertex arrays, one
// call for each run of quads that share a texture.
class Render {
public:
    // swapShowsFrame: whether swapping the buffers shows the frame at once (a window), so
    // the back buffer may be cleared right after; where the frame is shown only once the
    // step has returned (the browser), the clear waits for the next frame drawn
    explicit Render(bool swapShowsFrame = true);
    ~Render();

    // setup, for a window of the given size
    bool Init(int windowWidth = PlayArea::WIDTH, int windowHeight = PlayArea::HEIGHT);
    // viewport, projection and render state for a new window size (after a mode change)
    static void SetViewport(int width, int height);

    // drawing
    // before a step's drawing: a step whose frame is not shown draws nothing
    void BeginFrame(bool shown);
    // adds the entity's quad to the frame
    void Draw(const Entity* entity, const Transform* view);
    // draws the quads added so far
    void Flush();
    // ends the frame: draws it, shows it, and clears for the next
    void Refresh();

private:
    static void SetRenderState();

    const bool _swapShowsFrame;
    QuadBatch _batch;
    bool _shown = true;
    bool _clearPending = false; // the last frame shown is still to be cleared
};
