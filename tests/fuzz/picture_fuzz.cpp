// Picture loading on arbitrary bytes: whatever SDL_image makes of them, CreateTexture
// either refuses the surface or makes a record of its size, and frees the surface.
#include "support/LogCapture.h"
#include "video/Graphics.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static LogCapture log; // the loader's lines, kept out of the fuzzer's output
    log.Clear();

    SDL_Surface* surface = IMG_Load_RW(SDL_RWFromConstMem(data, static_cast<int>(size)), 1);
    if (!surface) {
        return 0;
    }
    const int width = surface->w;
    const int height = surface->h;
    Texture* texture = Graphics::CreateTexture(surface, 1);
    if (texture) {
        if (texture->width != width || texture->height != height ||
            !(texture->maxU > 0 && texture->maxU <= 1) || !(texture->maxV > 0 && texture->maxV <= 1)) {
            abort();
        }
        Graphics::DeleteTexture(texture);
    }
    return 0;
}
