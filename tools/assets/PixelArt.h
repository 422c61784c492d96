#pragma once

#include "video/Image.h"

#include <string>

// Pixel art as text: '#' comment lines, then one "symbol RRGGBBAA" line per colour, a line
// holding only '.', then the rows of the picture; '.' is transparent.
class PixelArt {
public:
    // false, with a reason, for a ragged or unknown picture
    static bool Read(const std::string& path, Image& image, std::string& error);
};
