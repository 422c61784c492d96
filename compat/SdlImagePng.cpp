// The part of SDL_image 1.2 that the game uses, for PNG pictures only: IMG_Init,
// IMG_Quit, IMG_Load and IMG_Load_RW, giving the same surfaces (formats, masks, colour
// keys, palettes) and the same error texts as the library. Built where SDL_image itself
// is not at hand, the Windows build; a test compares it with the library on Linux.
#include <SDL.h>
#include <SDL_image.h>
#include <png.h>

#if SDL_BYTEORDER != SDL_LIL_ENDIAN
#error "The masks below are written for little-endian machines"
#endif

#include <csetjmp>
#include <cstring>
#include <vector>

static int initialized = 0;

// Reads what libpng asks for; a file that ends early is an error, not uninitialised data.
static void ReadFromSource(png_structp png, png_bytep area, png_size_t size) {
    SDL_RWops* source = static_cast<SDL_RWops*>(png_get_io_ptr(png));
    if (SDL_RWread(source, area, size, 1) != 1) {
        png_error(png, "Read error");
    }
}

// Eight-bit colour with alpha expanded as the library does; returns the colour key to
// set, or -1 for none.
static int ChooseTransforms(png_structp png, png_infop info) {
    const int colourType = png_get_color_type(png, info);
    png_set_strip_16(png);
    png_set_packing(png);
    if (colourType == PNG_COLOR_TYPE_GRAY) {
        png_set_expand(png);
    }
    int key = -1;
    if (png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_bytep alphas = nullptr;
        int count = 0;
        png_color_16p value = nullptr;
        png_get_tRNS(png, info, &alphas, &count, &value);
        if (colourType != PNG_COLOR_TYPE_PALETTE) {
            key = 0; // mapped once the surface exists
        } else {
            // one fully transparent index becomes a colour key, anything else alpha
            int transparent = -1;
            int i = 0;
            for (; i < count; ++i) {
                if (alphas[i] == 0 && transparent < 0) {
                    transparent = i;
                } else if (alphas[i] != 255) {
                    break;
                }
            }
            if (i == count) {
                key = transparent;
            } else {
                png_set_expand(png);
            }
        }
    }
    if (colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(png);
    }
    png_read_update_info(png, info);
    return key;
}

static SDL_Surface* CreateSurface(png_structp png, png_infop info, int key) {
    const int colourType = png_get_color_type(png, info);
    const int channels = png_get_channels(png, info);
    // bytes in the file's order: red first
    Uint32 masks[4] = {0, 0, 0, 0};
    if (colourType != PNG_COLOR_TYPE_PALETTE) {
        masks[0] = 0x000000FF;
        masks[1] = 0x0000FF00;
        masks[2] = 0x00FF0000;
        masks[3] = channels == 4 ? 0xFF000000 : 0;
    }
    SDL_Surface* surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, png_get_image_width(png, info), png_get_image_height(png, info),
                             png_get_bit_depth(png, info) * channels, masks[0], masks[1], masks[2], masks[3]);
    if (surface && key != -1) {
        if (colourType != PNG_COLOR_TYPE_PALETTE) {
            png_bytep alphas = nullptr;
            int count = 0;
            png_color_16p value = nullptr;
            png_get_tRNS(png, info, &alphas, &count, &value);
            key = SDL_MapRGB(surface->format, static_cast<Uint8>(value->red),
                             static_cast<Uint8>(value->green), static_cast<Uint8>(value->blue));
        }
        SDL_SetColorKey(surface, SDL_SRCCOLORKEY, key);
    }
    return surface;
}

static void CopyPalette(png_structp png, png_infop info, SDL_Surface* surface) {
    SDL_Palette* palette = surface->format->palette;
    if (!palette) {
        return;
    }
    if (png_get_color_type(png, info) == PNG_COLOR_TYPE_GRAY) {
        palette->ncolors = 256;
        for (int i = 0; i < 256; ++i) {
            palette->colors[i].r = palette->colors[i].g = palette->colors[i].b = static_cast<Uint8>(i);
        }
        return;
    }
    png_colorp colours = nullptr;
    int count = 0;
    png_get_PLTE(png, info, &colours, &count);
    if (count > 0) {
        palette->ncolors = count;
        for (int i = 0; i < count; ++i) {
            palette->colors[i].r = colours[i].red;
            palette->colors[i].g = colours[i].green;
            palette->colors[i].b = colours[i].blue;
        }
    }
}

// Returns the error text, or null when the picture was read. libpng leaves by longjmp on
// an error, so nothing here may own C++ objects with destructors across the jump; the row
// table lives in the caller.
static const char* Decode(png_structp png, png_infop info, SDL_Surface** surface,
                          std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png))) {
        return "Error reading the PNG file.";
    }
    png_read_info(png, info);
    const int key = ChooseTransforms(png, info);
    *surface = CreateSurface(png, info, key);
    if (!*surface) {
        return "Out of memory";
    }
    rows.resize((*surface)->h);
    for (int row = 0; row < (*surface)->h; ++row) {
        rows[row] = static_cast<png_bytep>((*surface)->pixels) + row * (*surface)->pitch;
    }
    png_read_image(png, rows.data());
    CopyPalette(png, info, *surface);
    return nullptr;
}

extern "C" {

int IMG_Init(int flags) {
    if (flags & IMG_INIT_PNG) {
        initialized |= IMG_INIT_PNG;
    }
    return initialized;
}

void IMG_Quit(void) {
    initialized = 0;
}

int IMG_isPNG(SDL_RWops* source) {
    if (!source) {
        return 0;
    }
    const int start = SDL_RWtell(source);
    unsigned char magic[4];
    const bool png = SDL_RWread(source, magic, sizeof magic, 1) == 1 && std::memcmp(magic, "\x89PNG", 4) == 0;
    SDL_RWseek(source, start, RW_SEEK_SET);
    return png ? 1 : 0;
}

SDL_Surface* IMG_LoadPNG_RW(SDL_RWops* source) {
    if (!source) {
        return nullptr;
    }
    const int start = SDL_RWtell(source);
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        IMG_SetError("Couldn't allocate memory for PNG file or incompatible PNG dll");
        return nullptr;
    }
    png_set_read_fn(png, source, ReadFromSource);
    SDL_Surface* surface = nullptr;
    std::vector<png_bytep> rows;
    const char* error = Decode(png, info, &surface, rows);
    png_destroy_read_struct(&png, &info, nullptr);
    if (error) {
        SDL_RWseek(source, start, RW_SEEK_SET);
        SDL_FreeSurface(surface);
        IMG_SetError("%s", error);
        return nullptr;
    }
    return surface;
}

SDL_Surface* IMG_LoadTyped_RW(SDL_RWops* source, int freesrc, char*) {
    if (!source) {
        IMG_SetError("Passed a NULL data source");
        return nullptr;
    }
    if (SDL_RWseek(source, 0, RW_SEEK_CUR) < 0) {
        IMG_SetError("Can't seek in this data source");
        if (freesrc) {
            SDL_RWclose(source);
        }
        return nullptr;
    }
    SDL_Surface* surface = nullptr;
    const bool png = IMG_isPNG(source);
    if (png) {
        surface = IMG_LoadPNG_RW(source);
    }
    if (freesrc) {
        SDL_RWclose(source);
    }
    if (!png) {
        IMG_SetError("Unsupported image format");
    }
    return surface;
}

SDL_Surface* IMG_Load_RW(SDL_RWops* source, int freesrc) {
    return IMG_LoadTyped_RW(source, freesrc, nullptr);
}

SDL_Surface* IMG_Load(const char* file) {
    SDL_RWops* source = SDL_RWFromFile(file, "rb");
    if (!source) {
        return nullptr; // SDL has said why
    }
    return IMG_LoadTyped_RW(source, 1, nullptr);
}
}
