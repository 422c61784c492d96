#pragma once

#include <cstdint>

// What an entity is, for the collision reactions of others.
enum EntityType : int32_t {
    TYPE_NONE = 0,
    TYPE_WALL = 1,
    TYPE_PLAYER = 2,
    TYPE_BIT = 3,
    TYPE_BIGBIT = 4,
    TYPE_ENEMY = 5,
};
