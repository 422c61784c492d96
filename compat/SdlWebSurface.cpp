// Surfaces in memory as SDL 1.2 makes them, for the browser build: emscripten's SDL 1.2
// keeps every surface in a canvas of four bytes a pixel and blits canvas to canvas, while
// the pictures and glyphs above it are written into the surface's own pixels, three or four
// bytes a pixel or a palette. What the game asks of surfaces is here: make, fill, copy with
// alpha off, free.
#include <SDL.h>

#include <cstdlib>
#include <cstring>

static void DescribeChannel(Uint32 mask, Uint8& shift, Uint8& loss) {
    shift = 0;
    loss = 8;
    if (mask == 0) {
        return;
    }
    while (!(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    while (mask & 1) {
        mask >>= 1;
        --loss;
    }
}

static SDL_PixelFormat* MakeFormat(int depth, Uint32 r, Uint32 g, Uint32 b, Uint32 a) {
    SDL_PixelFormat* format = static_cast<SDL_PixelFormat*>(std::calloc(1, sizeof(SDL_PixelFormat)));
    format->BitsPerPixel = static_cast<Uint8>(depth);
    format->BytesPerPixel = static_cast<Uint8>((depth + 7) / 8);
    if (depth == 8) {
        format->palette = static_cast<SDL_Palette*>(std::calloc(1, sizeof(SDL_Palette)));
        format->palette->ncolors = 256;
        format->palette->colors = static_cast<SDL_Color*>(std::calloc(256, sizeof(SDL_Color)));
        return format;
    }
    format->Rmask = r;
    format->Gmask = g;
    format->Bmask = b;
    format->Amask = a;
    DescribeChannel(r, format->Rshift, format->Rloss);
    DescribeChannel(g, format->Gshift, format->Gloss);
    DescribeChannel(b, format->Bshift, format->Bloss);
    DescribeChannel(a, format->Ashift, format->Aloss);
    return format;
}

extern "C" SDL_Surface* SDL_CreateRGBSurface(Uint32 flags, int width, int height, int depth, Uint32 r,
                                             Uint32 g, Uint32 b, Uint32 a) {
    if (width < 0 || height < 0 || (depth != 8 && depth != 24 && depth != 32)) {
        SDL_SetError("Unsupported surface: %dx%d, %d bits", width, height, depth);
        return nullptr;
    }
    SDL_Surface* surface = static_cast<SDL_Surface*>(std::calloc(1, sizeof(SDL_Surface)));
    surface->flags = flags & ~(SDL_SRCALPHA | SDL_SRCCOLORKEY);
    surface->format = MakeFormat(depth, r, g, b, a);
    surface->w = width;
    surface->h = height;
    // rows of whole four-byte words, as SDL 1.2 lays them out
    surface->pitch = (width * surface->format->BytesPerPixel + 3) & ~3;
    surface->pixels = std::calloc(static_cast<size_t>(surface->pitch) * height + 1, 1);
    surface->clip_rect.w = width;
    surface->clip_rect.h = height;
    if (a != 0) {
        surface->flags |= SDL_SRCALPHA;
    }
    return surface;
}

extern "C" void SDL_FreeSurface(SDL_Surface* surface) {
    if (!surface) {
        return;
    }
    if (surface->format->palette) {
        std::free(surface->format->palette->colors);
        std::free(surface->format->palette);
    }
    std::free(surface->format);
    std::free(surface->pixels);
    std::free(surface);
}

extern "C" int SDL_SetAlpha(SDL_Surface* surface, Uint32 flags, Uint8) {
    surface->flags =
        (flags & SDL_SRCALPHA) ? (surface->flags | SDL_SRCALPHA) : (surface->flags & ~SDL_SRCALPHA);
    return 0;
}

extern "C" int SDL_SetColorKey(SDL_Surface* surface, int flag, Uint32) {
    surface->flags =
        (flag & SDL_SRCCOLORKEY) ? (surface->flags | SDL_SRCCOLORKEY) : (surface->flags & ~SDL_SRCCOLORKEY);
    return 0;
}

extern "C" Uint32 SDL_MapRGB(const SDL_PixelFormat* format, Uint8 r, Uint8 g, Uint8 b) {
    return ((r >> format->Rloss) << format->Rshift) | ((g >> format->Gloss) << format->Gshift) |
           ((b >> format->Bloss) << format->Bshift) | format->Amask;
}

static void StorePixel(Uint8* at, int bytes, Uint32 value) {
    std::memcpy(at, &value, bytes); // little-endian: the low bytes first
}

extern "C" int SDL_FillRect(SDL_Surface* surface, const SDL_Rect* area, Uint32 colour) {
    const SDL_Rect all = surface->clip_rect;
    const SDL_Rect& rect = area ? *area : all;
    const int bytes = surface->format->BytesPerPixel;
    for (int y = rect.y; y < rect.y + rect.h && y < surface->h; ++y) {
        Uint8* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = rect.x; x < rect.x + rect.w && x < surface->w; ++x) {
            StorePixel(row + x * bytes, bytes, colour);
        }
    }
    return 0;
}

// A copy of the whole source into the destination's top-left corner, pixel bytes as they
// are: what SDL 1.2 does between surfaces of one format with alpha and colour key off.
extern "C" int SDL_UpperBlit(SDL_Surface* source, const SDL_Rect* sourceArea, SDL_Surface* target,
                             SDL_Rect* targetArea) {
    const SDL_PixelFormat* from = source->format;
    const SDL_PixelFormat* to = target->format;
    const bool sameFormat = from->BytesPerPixel == to->BytesPerPixel && from->Rmask == to->Rmask &&
                            from->Gmask == to->Gmask && from->Bmask == to->Bmask && from->Amask == to->Amask;
    if (sourceArea || targetArea || !sameFormat || (source->flags & (SDL_SRCALPHA | SDL_SRCCOLORKEY))) {
        SDL_SetError("Only whole copies between surfaces of one format are supported");
        return -1;
    }
    const int width = source->w < target->w ? source->w : target->w;
    const int height = source->h < target->h ? source->h : target->h;
    for (int y = 0; y < height; ++y) {
        std::memcpy(static_cast<Uint8*>(target->pixels) + y * target->pitch,
                    static_cast<const Uint8*>(source->pixels) + y * source->pitch,
                    width * from->BytesPerPixel);
    }
    return 0;
}
