#pragma once

#include "video/Image.h"

#include <string>

// Writes PNG files: the game's pictures, and in the tests pictures of every colour type.
class PngWriter {
public:
    enum ColourType { GREY = 0, RGB = 2, PALETTE = 3, RGBA = 6 };

    // a whole PNG file of 8-bit samples; `rows` holds the pixels row by row without filter
    // bytes, `palette` the RGB triples of a PALETTE picture
    static std::string Encode(int width, int height, ColourType type, const std::string& rows,
                              const std::string& palette = "");
    // a truecolour picture with alpha
    static bool Write(const Image& image, const std::string& path);
};
