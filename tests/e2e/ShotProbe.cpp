// Reads screenshots for the end-to-end tests:
//   shot_probe SHOT.png pixel X Y              prints the pixel as RRGGBB
//   shot_probe SHOT.png find RRGGBB TOLERANCE  prints the centre and count of matching pixels
//   shot_probe SHOT.png same OTHER.png         exits 0 when both pictures are equal
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static Uint32 Pixel(SDL_Surface* shot, int x, int y) {
    Uint8 r, g, b;
    const Uint8* p =
        static_cast<const Uint8*>(shot->pixels) + y * shot->pitch + x * shot->format->BytesPerPixel;
    Uint32 value = 0;
    memcpy(&value, p, shot->format->BytesPerPixel);
    SDL_GetRGB(value, shot->format, &r, &g, &b);
    return (static_cast<Uint32>(r) << 16) | (static_cast<Uint32>(g) << 8) | b;
}

static bool Near(Uint32 a, Uint32 b, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
            tolerance) {
            return false;
        }
    }
    return true;
}

static bool Same(SDL_Surface* a, SDL_Surface* b) {
    if (a->w != b->w || a->h != b->h) {
        return false;
    }
    for (int y = 0; y < a->h; ++y) {
        for (int x = 0; x < a->w; ++x) {
            if (Pixel(a, x, y) != Pixel(b, x, y)) {
                return false;
            }
        }
    }
    return true;
}

static int Run(SDL_Surface* shot, int argc, char** argv);

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    SDL_Surface* shot = IMG_Load(argv[1]);
    if (!shot) {
        fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const int status = Run(shot, argc, argv);
    SDL_FreeSurface(shot);
    return status;
}

static int Run(SDL_Surface* shot, int argc, char** argv) {
    const std::string command = argv[2];
    if (command == "pixel" && argc == 5) {
        printf("%06X\n", Pixel(shot, atoi(argv[3]), atoi(argv[4])));
        return 0;
    }
    if (command == "find" && argc == 5) {
        const Uint32 colour = static_cast<Uint32>(strtoul(argv[3], nullptr, 16));
        long sumX = 0, sumY = 0, count = 0;
        for (int y = 0; y < shot->h; ++y) {
            for (int x = 0; x < shot->w; ++x) {
                if (Near(Pixel(shot, x, y), colour, atoi(argv[4]))) {
                    sumX += x;
                    sumY += y;
                    ++count;
                }
            }
        }
        printf("%ld %ld %ld\n", count ? sumX / count : -1, count ? sumY / count : -1, count);
        return 0;
    }
    if (command == "same" && argc == 4) {
        SDL_Surface* other = IMG_Load(argv[3]);
        const bool same = other && Same(shot, other);
        SDL_FreeSurface(other);
        return same ? 0 : 1;
    }
    return 2;
}
