#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>

// Pictures made by the tests: SDL surfaces with bytes in memory order R, G, B(, A), and PNG
// files of the colour types that SDL_image reads.
class Pictures {
public:
    using Colour = std::function<uint32_t(int x, int y)>; // 0xRRGGBBAA

    static SDL_Surface* Surface(int width, int height, int bytesPerPixel, const Colour& colour);
    static SDL_Surface* Solid(int width, int height, uint32_t rgba) {
        return Surface(width, height, 4, [rgba](int, int) { return rgba; });
    }

    enum PngType { PNG_GREY = 0, PNG_RGB = 2, PNG_PALETTE = 3, PNG_RGBA = 6 };
    // the bytes of a PNG file of the given type, every pixel of the given colour
    static std::string Png(int width, int height, PngType type, uint32_t rgba);
};
