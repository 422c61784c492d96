// The part of SDL_ttf 2.0 that the game uses: TTF_Init, TTF_Quit, TTF_OpenFont,
// TTF_CloseFont and TTF_RenderText_Blended for scalable fonts, drawing the same glyph
// surfaces (size, placement, pixels) and giving the same error texts as the library.
// Built where SDL_ttf itself is not at hand, the Windows build; a test compares it with
// the library on Linux.
#include <SDL.h>
#include <SDL_ttf.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <vector>

struct _TTF_Font {
    FT_Face face;
    std::vector<unsigned char> file; // FreeType reads the face from it while it is open
    int ascent;                      // pixels above the baseline
    int descent;                     // negative: pixels below it
    int height;
};

// Where one glyph lies, in whole pixels, relative to the pen on the baseline
struct GlyphBox {
    FT_UInt index;
    int minx;
    int maxx;
    int miny;
    int maxy;
    int advance;
};

static FT_Library library = nullptr;
static int initCount = 0;

// 26.6 fixed point to whole pixels
static int Floor(FT_Pos value) {
    return static_cast<int>((value & -64) / 64);
}

static int Ceil(FT_Pos value) {
    return static_cast<int>(((value + 63) & -64) / 64);
}

static bool Initialized() {
    if (initCount == 0) {
        TTF_SetError("Library not initialized");
        return false;
    }
    return true;
}

static bool ReadWholeFile(const char* path, std::vector<unsigned char>& bytes) {
    SDL_RWops* source = SDL_RWFromFile(path, "rb");
    if (!source) {
        return false; // SDL has said why
    }
    unsigned char block[65536];
    int got = 0;
    while ((got = SDL_RWread(source, block, 1, sizeof block)) > 0) {
        bytes.insert(bytes.end(), block, block + got);
    }
    SDL_RWclose(source);
    return true;
}

// The face's Unicode map, as the library picks it; the default map stays when none fits.
static void ChooseCharacterMap(FT_Face face) {
    for (int i = 0; i < face->num_charmaps; ++i) {
        const FT_CharMap map = face->charmaps[i];
        const bool windows = map->platform_id == 3 && (map->encoding_id == 1 || map->encoding_id == 0);
        const bool iso = map->platform_id == 2 && map->encoding_id == 1;
        if (windows || iso || map->platform_id == 0) {
            FT_Set_Charmap(face, map);
            return;
        }
    }
}

static void ReadFontMetrics(TTF_Font* font) {
    const FT_Fixed scale = font->face->size->metrics.y_scale;
    font->ascent = Ceil(FT_MulFix(font->face->ascender, scale));
    font->descent = Ceil(FT_MulFix(font->face->descender, scale));
    font->height = font->ascent - font->descent + 1; // the baseline's own row
}

static bool LoadGlyph(TTF_Font* font, unsigned char c, GlyphBox& box) {
    box.index = FT_Get_Char_Index(font->face, c);
    if (FT_Load_Glyph(font->face, box.index, FT_LOAD_DEFAULT) != 0) {
        return false;
    }
    const FT_Glyph_Metrics& metrics = font->face->glyph->metrics;
    box.minx = Floor(metrics.horiBearingX);
    box.maxx = box.minx + Ceil(metrics.width);
    box.maxy = Floor(metrics.horiBearingY);
    box.miny = box.maxy - Ceil(metrics.height);
    box.advance = Ceil(metrics.horiAdvance);
    return true;
}

static int Kerning(TTF_Font* font, FT_UInt previous, FT_UInt index) {
    if (!FT_HAS_KERNING(font->face) || previous == 0 || index == 0) {
        return 0;
    }
    FT_Vector delta;
    FT_Get_Kerning(font->face, previous, index, FT_KERNING_DEFAULT, &delta);
    return static_cast<int>(delta.x >> 6);
}

// The text's size: from the leftmost ink to the last advance or ink, and from the top of
// the font to its lowest ink, at least the font's height.
static bool MeasureText(TTF_Font* font, const unsigned char* text, int& width, int& height) {
    int minx = 0;
    int maxx = 0;
    int miny = 0;
    int x = 0;
    FT_UInt previous = 0;
    for (; *text; ++text) {
        GlyphBox box;
        if (!LoadGlyph(font, *text, box)) {
            TTF_SetError("Couldn't find glyph");
            return false;
        }
        x += Kerning(font, previous, box.index);
        minx = std::min(minx, x + box.minx);
        maxx = std::max(maxx, x + std::max(box.advance, box.maxx));
        x += box.advance;
        miny = std::min(miny, box.miny);
        previous = box.index;
    }
    width = maxx - minx;
    height = std::max(font->ascent - miny, font->height);
    return true;
}

// Lays the glyph's grey levels into the surface's alpha, over the colour already there.
static void BlendGlyph(const FT_Bitmap& bitmap, const GlyphBox& box, int xstart, int yoffset,
                       SDL_Surface* surface) {
    Uint32* pixels = static_cast<Uint32*>(surface->pixels);
    const Uint32* end = pixels + surface->pitch / 4 * surface->h;
    const int width = std::min(static_cast<int>(bitmap.width), box.maxx - box.minx);
    for (int row = 0; row < static_cast<int>(bitmap.rows); ++row) {
        if (row + yoffset < 0 || row + yoffset >= surface->h) {
            continue;
        }
        Uint32* dst = pixels + (row + yoffset) * surface->pitch / 4 + xstart + box.minx;
        const unsigned char* src = bitmap.buffer + bitmap.pitch * row;
        for (int col = width; col > 0 && dst < end; --col) {
            *dst++ |= static_cast<Uint32>(*src++) << 24;
        }
    }
}

static bool DrawText(TTF_Font* font, const unsigned char* text, SDL_Surface* surface) {
    int xstart = 0;
    bool first = true;
    FT_UInt previous = 0;
    for (; *text; ++text) {
        GlyphBox box;
        if (!LoadGlyph(font, *text, box) || FT_Render_Glyph(font->face->glyph, FT_RENDER_MODE_NORMAL) != 0) {
            return false;
        }
        xstart += Kerning(font, previous, box.index);
        // a first glyph reaching left of the pen would be cut off
        if (first && box.minx < 0) {
            xstart -= box.minx;
        }
        first = false;
        BlendGlyph(font->face->glyph->bitmap, box, xstart, font->ascent - box.maxy, surface);
        xstart += box.advance;
        previous = box.index;
    }
    return true;
}

extern "C" {

int TTF_Init(void) {
    if (initCount == 0 && FT_Init_FreeType(&library) != 0) {
        TTF_SetError("Couldn't init FreeType engine");
        return -1;
    }
    ++initCount;
    return 0;
}

int TTF_WasInit(void) {
    return initCount;
}

void TTF_Quit(void) {
    if (initCount > 0 && --initCount == 0) {
        FT_Done_FreeType(library);
        library = nullptr;
    }
}

TTF_Font* TTF_OpenFont(const char* file, int ptsize) {
    TTF_Font* font = new TTF_Font();
    if (!ReadWholeFile(file, font->file)) {
        delete font;
        return nullptr;
    }
    if (!Initialized()) {
        delete font;
        return nullptr;
    }
    if (FT_New_Memory_Face(library, font->file.data(), static_cast<FT_Long>(font->file.size()), 0,
                           &font->face) != 0) {
        TTF_SetError("Couldn't load font file");
        delete font;
        return nullptr;
    }
    ChooseCharacterMap(font->face);
    // the default resolution, 72 dots per inch: a point is a pixel
    if (!FT_IS_SCALABLE(font->face) || FT_Set_Char_Size(font->face, 0, ptsize * 64, 0, 0) != 0) {
        TTF_SetError("Couldn't set font size");
        TTF_CloseFont(font);
        return nullptr;
    }
    ReadFontMetrics(font);
    return font;
}

void TTF_CloseFont(TTF_Font* font) {
    if (!font) {
        return;
    }
    if (font->face) {
        FT_Done_Face(font->face);
    }
    delete font;
}

// Each byte is a Latin-1 character, which is its own Unicode code point.
SDL_Surface* TTF_RenderText_Blended(TTF_Font* font, const char* text, SDL_Color fg) {
    if (!Initialized()) {
        return nullptr;
    }
    if (!text) {
        TTF_SetError("Passed a NULL pointer");
        return nullptr;
    }
    const unsigned char* latin1 = reinterpret_cast<const unsigned char*>(text);
    int width = 0;
    int height = 0;
    if (!MeasureText(font, latin1, width, height) || width == 0) {
        TTF_SetError("Text has zero width");
        return nullptr;
    }
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0x00FF0000, 0x0000FF00,
                                                0x000000FF, 0xFF000000);
    if (!surface) {
        return nullptr;
    }
    // the colour everywhere, fully transparent until a glyph covers it
    SDL_FillRect(surface, nullptr, (fg.r << 16) | (fg.g << 8) | fg.b);
    if (!DrawText(font, latin1, surface)) {
        SDL_FreeSurface(surface);
        return nullptr;
    }
    return surface;
}
}
