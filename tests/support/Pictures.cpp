#include "support/Pictures.h"

#include <zlib.h>

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

static void PutBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>(value >> shift));
    }
}

static void PutChunk(std::string& out, const std::string& type, const std::string& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    const std::string body = type + data;
    out += body;
    PutBigEndian(out, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()),
                                                  static_cast<uInt>(body.size()))));
}

std::string Pictures::Png(int width, int height, PngType type, uint32_t rgba) {
    std::vector<uint8_t> pixel;
    switch (type) {
    case PNG_GREY:
        pixel = {static_cast<uint8_t>(rgba >> 24)};
        break;
    case PNG_RGB:
        pixel = {static_cast<uint8_t>(rgba >> 24), static_cast<uint8_t>(rgba >> 16),
                 static_cast<uint8_t>(rgba >> 8)};
        break;
    case PNG_PALETTE:
        pixel = {0};
        break;
    case PNG_RGBA:
        pixel = {static_cast<uint8_t>(rgba >> 24), static_cast<uint8_t>(rgba >> 16),
                 static_cast<uint8_t>(rgba >> 8), static_cast<uint8_t>(rgba)};
        break;
    }
    std::string raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            raw.append(pixel.begin(), pixel.end());
        }
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    compress2(reinterpret_cast<Bytef*>(&packed[0]), &size, reinterpret_cast<const Bytef*>(raw.data()),
              static_cast<uLong>(raw.size()), 9);
    packed.resize(size);

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header += std::string{8, static_cast<char>(type), 0, 0, 0};
    PutChunk(png, "IHDR", header);
    if (type == PNG_PALETTE) {
        PutChunk(png, "PLTE",
                 std::string{static_cast<char>(rgba >> 24), static_cast<char>(rgba >> 16),
                             static_cast<char>(rgba >> 8)});
    }
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", "");
    return png;
}
