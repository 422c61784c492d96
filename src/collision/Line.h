#pragma once

#include "actors/Vector.h"

// A directed segment.
struct Line {
    Vector start;
    Vector end;
};
