#include "support/Pictures.h"

#include "video/PngWriter.h"

#include <vector>

SDL_Surface* Pictures::Surface(int width, int height, int bytesPerPixel, const Colour& colour) {
    const bool little = SDL_BYTEORDER == SDL_LIL_ENDIAN;
    Uint32 masks[4];
    if (bytesPerPixel == 4) {
        masks[0] = little ? 0x000000FF : 0xFF000000;
        masks[1] = little ? 0x0000FF00 : 0x00FF0000;
        masks[2] = little ? 0x00FF0000 : 0x0000FF00;
        masks[3] = little ? 0xFF000000 : 0x000000FF;
    } else {
        masks[0] = little ? 0x0000FF : 0xFF0000;
        masks[1] = 0x00FF00;
        masks[2] = little ? 0xFF0000 : 0x0000FF;
        masks[3] = 0;
    }
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, bytesPerPixel * 8, masks[0],
                                                masks[1], masks[2], masks[3]);
    for (int y = 0; y < height; ++y) {
        Uint8* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < width; ++x) {
            const uint32_t rgba = colour(x, y);
            for (int channel = 0; channel < bytesPerPixel; ++channel) {
                row[x * bytesPerPixel + channel] = static_cast<Uint8>(rgba >> (24 - 8 * channel));
            }
        }
    }
    return surface;
}

std::string Pictures::Png(int width, int height, PngType type, uint32_t rgba) {
    const char red = static_cast<char>(rgba >> 24);
    const char green = static_cast<char>(rgba >> 16);
    const char blue = static_cast<char>(rgba >> 8);
    std::string pixel;
    switch (type) {
    case PNG_GREY:
        pixel = {red};
        break;
    case PNG_RGB:
        pixel = {red, green, blue};
        break;
    case PNG_PALETTE:
        pixel = {0};
        break;
    case PNG_RGBA:
        pixel = {red, green, blue, static_cast<char>(rgba)};
        break;
    }
    std::string rows;
    for (int i = 0; i < width * height; ++i) {
        rows += pixel;
    }
    return PngWriter::Encode(width, height, static_cast<PngWriter::ColourType>(type), rows,
                             type == PNG_PALETTE ? std::string{red, green, blue} : "");
}
