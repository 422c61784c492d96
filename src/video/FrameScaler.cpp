#include "video/FrameScaler.h"

#include "platform/OpenGL.h"
#include "video/PlayArea.h"

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
    if (Copies()) {
        MakeFrameTexture();
    }
    SetSceneViewport();
}

bool FrameScaler::Copies() {
    return _layout.scale >= 1 && (_windowWidth != PlayArea::WIDTH || _windowHeight != PlayArea::HEIGHT);
}

void FrameScaler::SetSceneViewport() {
    if (_layout.scale >= 1) {
        glViewport(0, RowFromBottom(0, PlayArea::HEIGHT), PlayArea::WIDTH, PlayArea::HEIGHT);
    } else {
        glViewport(_layout.x, RowFromBottom(_layout.y, _layout.height), _layout.width, _layout.height);
    }
    // the scene comes projected already (Render's batch)
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
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
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, TEXTURE_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, TEXTURE_CLAMP);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, FRAME_TEXTURE_SIZE, FRAME_TEXTURE_SIZE, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, nullptr);
}

// The rest of the window is still black from the clear after the last swap; where the
// scene was drawn is cleared again before the copy is drawn in its place.
void FrameScaler::Present() {
    if (!Copies()) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, _frame);
    const int sceneBottom = RowFromBottom(0, PlayArea::HEIGHT);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, sceneBottom, PlayArea::WIDTH, PlayArea::HEIGHT);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, sceneBottom, PlayArea::WIDTH, PlayArea::HEIGHT);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    DrawEnlarged();
    SetSceneViewport();
}

// One quad in window pixels counted from the bottom, as the copied rows are.
void FrameScaler::DrawEnlarged() {
    glViewport(0, 0, _windowWidth, _windowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, _windowWidth, 0, _windowHeight, -1, 1);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_BLEND);
    const float right = static_cast<float>(PlayArea::WIDTH) / FRAME_TEXTURE_SIZE;
    const float top = static_cast<float>(PlayArea::HEIGHT) / FRAME_TEXTURE_SIZE;
    const float x0 = static_cast<float>(_layout.x);
    const float y0 = static_cast<float>(RowFromBottom(_layout.y, _layout.height));
    const float x1 = x0 + static_cast<float>(_layout.width);
    const float y1 = y0 + static_cast<float>(_layout.height);
    glBegin(GL_QUADS);
    glColor4f(1, 1, 1, 1);
    glTexCoord2f(0, 0);
    glVertex2f(x0, y0);
    glTexCoord2f(right, 0);
    glVertex2f(x1, y0);
    glTexCoord2f(right, top);
    glVertex2f(x1, y1);
    glTexCoord2f(0, top);
    glVertex2f(x0, y1);
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
