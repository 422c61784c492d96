#include "video/FrameScaler.h"

#include "video/PlayArea.h"

#include <SDL_opengl.h>

Layout FrameScaler::_layout = Layout::Fit(PlayArea::WIDTH, PlayArea::HEIGHT);
int FrameScaler::_windowWidth = PlayArea::WIDTH;
int FrameScaler::_windowHeight = PlayArea::HEIGHT;
uint32_t FrameScaler::_frame = 0;

// the power-of-two texture that holds a whole frame
static const int FRAME_TEXTURE_SIZE = 512;

void FrameScaler::Lay(int windowWidth, int windowHeight) {
    _windowWidth = windowWidth;
    _windowHeight = windowHeight;
    _layout = Layout::Fit(windowWidth, windowHeight);
    if (Enlarges()) {
        MakeFrameTexture();
    }
    SetSceneViewport();
}

// The scene's units map onto its place in the window; enlarged, onto the window's top-left
// 448 x 496 pixels, from where Present copies it. OpenGL counts window rows from the bottom.
void FrameScaler::SetSceneViewport() {
    if (Enlarges()) {
        glViewport(0, _windowHeight - PlayArea::HEIGHT, PlayArea::WIDTH, PlayArea::HEIGHT);
    } else {
        glViewport(_layout.x, _windowHeight - _layout.y - _layout.height, _layout.width, _layout.height);
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, PlayArea::WIDTH, PlayArea::HEIGHT, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
}

// Made again when missing: a new GL context after a mode change starts without it.
void FrameScaler::MakeFrameTexture() {
    if (_frame != 0 && glIsTexture(_frame)) {
        return;
    }
    GLuint id = 0;
    glGenTextures(1, &id);
    _frame = id;
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, FRAME_TEXTURE_SIZE, FRAME_TEXTURE_SIZE, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, nullptr);
}

void FrameScaler::Present() {
    if (!Enlarges()) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, _frame);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, _windowHeight - PlayArea::HEIGHT, PlayArea::WIDTH,
                        PlayArea::HEIGHT);
    glClear(GL_COLOR_BUFFER_BIT);
    DrawEnlarged();
    SetSceneViewport();
}

// One quad in window pixels; the copied rows run bottom to top, so the picture is flipped.
void FrameScaler::DrawEnlarged() {
    glViewport(0, 0, _windowWidth, _windowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, _windowWidth, _windowHeight, 0, -1, 1);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_BLEND);
    const float right = static_cast<float>(PlayArea::WIDTH) / FRAME_TEXTURE_SIZE;
    const float top = static_cast<float>(PlayArea::HEIGHT) / FRAME_TEXTURE_SIZE;
    const float left = static_cast<float>(_layout.x);
    const float upper = static_cast<float>(_layout.y);
    const float width = static_cast<float>(_layout.width);
    const float height = static_cast<float>(_layout.height);
    glBegin(GL_QUADS);
    glColor4f(1, 1, 1, 1);
    glTexCoord2f(0, top);
    glVertex2f(left, upper);
    glTexCoord2f(right, top);
    glVertex2f(left + width, upper);
    glTexCoord2f(right, 0);
    glVertex2f(left + width, upper + height);
    glTexCoord2f(0, 0);
    glVertex2f(left, upper + height);
    glEnd();
    glEnable(GL_BLEND);
}

void FrameScaler::Release() {
    if (_frame != 0) {
        GLuint id = _frame;
        glDeleteTextures(1, &id);
        _frame = 0;
    }
}
