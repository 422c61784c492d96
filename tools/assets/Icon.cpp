#include "Icon.h"

#include <algorithm>

static const uint32_t TILE = 0x000000FF;
static const uint32_t OUTLINE = 0x5070FFFF;

Image Icon::Draw(const Image& sprite, int size) {
    Image icon;
    icon.width = size;
    icon.height = size;
    icon.rgba.assign(static_cast<size_t>(size) * size * 4, 0);
    const int border = std::max(1, size / 24);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool edge = std::min({x, y, size - 1 - x, size - 1 - y}) < border;
            icon.Set(x, y, edge ? OUTLINE : TILE);
        }
    }
    // the sprite fills about four fifths of the tile, at a whole-number scale
    const int scale = std::max(1, size * 4 / 5 / std::max(sprite.width, sprite.height));
    const int left = (size - sprite.width * scale) / 2;
    const int top = (size - sprite.height * scale) / 2;
    for (int y = 0; y < sprite.height * scale; ++y) {
        for (int x = 0; x < sprite.width * scale; ++x) {
            const uint8_t* pixel =
                &sprite.rgba[(static_cast<size_t>(y / scale) * sprite.width + x / scale) * 4];
            if (pixel[3] != 0) {
                icon.Set(left + x, top + y,
                         static_cast<uint32_t>(pixel[0]) << 24 | pixel[1] << 16 | pixel[2] << 8 | pixel[3]);
            }
        }
    }
    return icon;
}
