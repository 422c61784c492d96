#pragma once

#include "video/Texture.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct SDL_Surface;
typedef struct _TTF_Font TTF_Font;

// Owns every texture of the game: the four pictures and the glyphs of the font.
// Entities hold plain pointers to the records, valid until UnloadGraphics.
class Graphics {
public:
    static const int GLYPHS_PER_FONT = 128;
    static const int FONT_POINTS = 40;
    static const int FONT_COUNT = 1;

    // pictures
    static Texture* CreateTexture(SDL_Surface* surface, int tag); // frees the surface
    // deletes a record made by CreateTexture with its GL texture
    static void DeleteTexture(Texture* texture);
    static SDL_Surface* LoadImage(std::string name);
    static bool LoadGraphics();
    static Texture* GetTexture(GFX id);
    static void UnloadGraphics();
    // the four pictures from their files; a second load keeps the records handed out valid
    static bool LoadPictures();

    // glyphs
    static bool LoadTTFFont(std::string name);
    static void LoadFontTextures(Font font, TTF_Font* ttf);
    static SDL_Surface* GenerateCharacter(char c, TTF_Font* ttf);
    static Texture* GetChar(int font, char c);

    // uploads every texture again into the same records, for a new GL context
    static void ReloadTextures();

private:
    // the pixels of a texture as uploaded, kept for ReloadTextures
    struct Pixels {
        int width;
        int height;
        int bytesPerPixel;
        std::vector<uint8_t> data;
    };

    static SDL_Surface* EnlargeToPowerOfTwo(SDL_Surface* image, int width, int height);
    static void Upload(Texture* texture, const Pixels& pixels);
    static void Replace(Texture*& slot, Texture* texture);

    static std::map<GFX, Texture*> _gfx;                  // owned; null where a picture is missing
    static Texture* _fonts[FONT_COUNT * GLYPHS_PER_FONT]; // owned; null where a glyph is missing
    static std::map<Texture*, Pixels> _pixels;
    static std::vector<Texture*> _replaced; // owned: records a later load replaced
    static bool _loaded;
};
