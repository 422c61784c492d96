#pragma once

#include "actors/Vector.h"

// A hitbox: four corners relative to the owner's position, joined 0-1, 1-2, 2-3, 3-0,
// clockwise on screen (top-left, top-right, bottom-right, bottom-left).
struct Rectangle {
    Vector corners[4];
};
