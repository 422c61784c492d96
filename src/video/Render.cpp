#include "video/Render.h"

#include "actors/Entity.h"
#include "core/Log.h"
#include "platform/OpenGL.h"
#include "video/FrameScaler.h"
#include "video/Texture.h"

#include <SDL.h>

#include <string>

Render::Render(bool swapShowsFrame) : _swapShowsFrame(swapShowsFrame) {}

Render::~Render() {
    FrameScaler::Release();
}

bool Render::Init(int windowWidth, int windowHeight) {
    SetRenderState();
    FrameScaler::Lay(windowWidth, windowHeight);
    return true;
}

void Render::SetViewport(int width, int height) {
    Log::Line("Changing viewport dimensions: " + std::to_string(width) + ", " + std::to_string(height));
    FrameScaler::Lay(width, height);
    SetRenderState();
}

// The batch's corners come placed and projected, and its texture coordinates final: the
// modelview and texture matrices stay as they start.
void Render::SetRenderState() {
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    glClearColor(0, 0, 0, 0);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
}

// Where the frame is shown only after the step (the browser), the clear that would follow
// the swap comes here, before the next frame drawn.
void Render::BeginFrame(bool shown) {
    _shown = shown;
    if (_shown && _clearPending) {
        glClear(GL_COLOR_BUFFER_BIT);
        _clearPending = false;
    }
}

void Render::Draw(const Entity* entity, const Transform* view) {
    const Texture* texture = entity->GetTexture();
    const Transform* transform = entity->GetTransform();
    if (!texture || !transform || !_shown) {
        return;
    }
    const Vector offset{view ? -view->pos.x : 0.0f, view ? -view->pos.y : 0.0f, 0};
    _batch.Add(*texture, *transform, offset, entity->GetColour(), entity->GetBrightness());
}

// Each run's arrays start at its own first vertex, so a draw reads only its own quads.
void Render::Flush() {
    const std::vector<QuadBatch::Vertex>& vertices = _batch.GetVertices();
    const GLsizei stride = sizeof(QuadBatch::Vertex);
    for (const QuadBatch::Run& run : _batch.GetRuns()) {
        const QuadBatch::Vertex& first = vertices[run.first];
        glBindTexture(GL_TEXTURE_2D, run.texture);
        glVertexPointer(2, GL_FLOAT, stride, &first.x);
        glTexCoordPointer(2, GL_FLOAT, stride, &first.u);
        glColorPointer(4, GL_FLOAT, stride, &first.r);
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(run.count));
    }
    _batch.Clear();
}

void Render::Refresh() {
    if (!_shown) {
        return;
    }
    Flush();
    FrameScaler::Present();
    SDL_GL_SwapBuffers();
    if (_swapShowsFrame) {
        glClear(GL_COLOR_BUFFER_BIT);
    } else {
        _clearPending = true;
    }
}
