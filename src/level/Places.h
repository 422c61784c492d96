#pragma once

#include "actors/Vector.h"

// The fixed places of a level, centres in pixels of the play area. The maze must leave
// each of them free, and the player's start must reach the release point.
struct Places {
    static constexpr Vector PLAYER_START{246, 376, 0};
    // where every enemy enters the maze, above the pen; the first enemy starts there
    static constexpr Vector RELEASE_POINT{226, 186, 0};
    // the other enemies wait in the pen, in the order they come out
    static constexpr Vector PEN[] = {{224, 233, 0}, {250, 233, 0}, {198, 233, 0}};
    // the player and the enemies are 10 x 10 pixels
    static constexpr int ACTOR_SIZE = 10;
};
