#pragma once

#include "video/Image.h"

// The desktop icon: the player's sprite, enlarged by whole pixels, on a black tile with the
// maze's blue wall outline.
class Icon {
public:
    static Image Draw(const Image& sprite, int size);
};
