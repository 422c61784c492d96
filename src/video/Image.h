#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// An RGBA picture, rows top to bottom, 4 bytes a pixel.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;

    void Set(int x, int y, uint32_t colour) {
        uint8_t* pixel = &rgba[(static_cast<size_t>(y) * width + x) * 4];
        pixel[0] = static_cast<uint8_t>(colour >> 24);
        pixel[1] = static_cast<uint8_t>(colour >> 16);
        pixel[2] = static_cast<uint8_t>(colour >> 8);
        pixel[3] = static_cast<uint8_t>(colour);
    }
};
