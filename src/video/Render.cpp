#include "video/Render.h"

#include "actors/Entity.h"
#include "core/Log.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"
#include "video/FrameScaler.h"
#include "video/PlayArea.h"
#include "video/Texture.h"

#include <SDL.h>

#include <string>

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

void Render::SetRenderState() {
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    glClearColor(0, 0, 0, 0);
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
    const Colour& colour = entity->GetColour();
    const float brightness = entity->GetBrightness();
    const float offsetX = view ? -view->pos.x : 0.0f;
    const float offsetY = view ? -view->pos.y : 0.0f;

    glBindTexture(GL_TEXTURE_2D, texture->id);

    // the unit square becomes the image, centred on the origin, turned, stretched, then placed
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(offsetX, offsetY, 0);
    glTranslatef(transform->pos.x, transform->pos.y, 0);
    glScalef(transform->scale.x, transform->scale.y, 1);
    glRotatef(transform->rotation, 0, 0, 1);
    glTranslatef(-0.5f * texture->width, -0.5f * texture->height, 0);
    glScalef(texture->width, texture->height, 1);

    // only the image part of the power-of-two texture is mapped
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glScalef(texture->maxU, texture->maxV, 1);

    glColor4f(colour.r * brightness, colour.g * brightness, colour.b * brightness, colour.a);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, 0);
    glTexCoord2f(1, 0);
    glVertex2f(1, 0);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(0, 1);
    glEnd();

    glMatrixMode(GL_MODELVIEW);
}

void Render::Refresh() {
    if (!_shown) {
        return;
    }
    FrameScaler::Present();
    SDL_GL_SwapBuffers();
    if (Platform::SwapShowsFrame()) {
        glClear(GL_COLOR_BUFFER_BIT);
    } else {
        _clearPending = true;
    }
}
