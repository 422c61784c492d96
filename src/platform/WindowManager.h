#pragma once

#include <SDL.h>
#include <SDL_syswm.h>

// SDL's window-manager information about the game's window, for the desktop platforms'
// mode changes; false, with the failure's line written, when SDL has none.
bool QueryWindowManager(SDL_SysWMinfo& info);
