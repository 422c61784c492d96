#pragma once

#include <SDL.h>

// Key events put on SDL's queue, where the driver reads them as it reads a keyboard's.
inline void PushKey(Uint8 type, SDLKey key) {
    SDL_Event event = {};
    event.type = type;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}
