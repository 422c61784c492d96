#pragma once

#include "video/PlayArea.h"

#include <SDL_opengl.h>

#include <cstdint>

// Reads one pixel of the frame being drawn (the back buffer, before the swap), in screen
// coordinates: origin top-left, y downwards. 0xRRGGBB.
inline uint32_t ReadPixel(int x, int y, int windowHeight = PlayArea::HEIGHT) {
    uint8_t rgb[3] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(x, windowHeight - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return (static_cast<uint32_t>(rgb[0]) << 16) | (static_cast<uint32_t>(rgb[1]) << 8) | rgb[2];
}
