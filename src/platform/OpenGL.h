#pragma once

// OpenGL's declarations as SDL brings them for the platform. On Windows they come with
// windows.h, whose LoadImage macro would rename the game's own Graphics::LoadImage.
#include <SDL_opengl.h>
#ifdef LoadImage
#undef LoadImage
#endif
