#pragma once

// What an entity is, for the collision reactions of others.
enum EntityType {
    TYPE_NONE = 0,
    TYPE_WALL = 1,
    TYPE_PLAYER = 2,
    TYPE_BIT = 3,
    TYPE_BIGBIT = 4,
    TYPE_ENEMY = 5,
};
