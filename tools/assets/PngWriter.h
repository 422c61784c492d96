#pragma once

#include "Image.h"

#include <string>

// Writes truecolour PNGs with alpha.
class PngWriter {
public:
    static bool Write(const Image& image, const std::string& path);
};
