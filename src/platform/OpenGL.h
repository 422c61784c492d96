#pragma once

// OpenGL's declarations as SDL brings them for the platform. On Windows they come with
// windows.h, whose LoadImage macro would rename the game's own Graphics::LoadImage.
#include <SDL_opengl.h>
#ifdef LoadImage
#undef LoadImage
#endif

// How textures end at their edges. WebGL has no border texels and refuses GL_CLAMP; the
// desktop keeps it, since the edge texels of enlarged pictures differ between the two.
#ifdef __EMSCRIPTEN__
static const GLint TEXTURE_CLAMP = GL_CLAMP_TO_EDGE;
#else
static const GLint TEXTURE_CLAMP = GL_CLAMP;
#endif
