#pragma once

#include <cstdint>

// Texture identifiers of the game's pictures, in loading order.
enum GFX : int32_t { GFX_BIT = 0, GFX_PLAYER = 1, GFX_MAP = 2, GFX_ENEMY = 3 };

// Fonts of the glyph table.
enum Font : int32_t { FONT_SANS = 0 };

// One OpenGL texture. The image sits in the top-left corner of a power-of-two texture.
struct Texture {
    uint32_t id = 0; // GL texture name
    float maxU = 0;  // image width / texture width
    float maxV = 0;  // image height / texture height
    float width = 0; // image size in pixels
    float height = 0;
    bool alpha = false; // RGBA rather than RGB
    int tag = 1;
};
