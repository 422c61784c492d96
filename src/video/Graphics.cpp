#include "video/Graphics.h"

#include "core/Log.h"
#include "platform/OpenGL.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cstring>

std::map<GFX, Texture*> Graphics::_gfx;
Texture* Graphics::_fonts[FONT_COUNT * GLYPHS_PER_FONT] = {};
std::map<Texture*, Graphics::Pixels> Graphics::_pixels;
std::vector<Texture*> Graphics::_replaced;
bool Graphics::_loaded = false;

static const char* const PICTURE_FILES[] = {"bit.png", "zop.png", "map4.png", "unicorn.png"};

static int PowerOfTwoAtLeast(int size) {
    int power = 1;
    while (power < size) {
        power *= 2;
    }
    return power;
}

Texture* Graphics::CreateTexture(SDL_Surface* surface, int tag) {
    if (!surface) {
        return nullptr;
    }
    // copy pixels together with their alpha instead of blending them in the enlargement
    if (SDL_SetAlpha(surface, 0, 255) < 0) {
        Log::SdlError("Could not set surface alpha properties");
        SDL_FreeSurface(surface);
        return nullptr;
    }
    Texture* texture = new Texture();
    texture->tag = tag;
    const int bytesPerPixel = surface->format->BytesPerPixel;
    const int width = surface->w;
    const int height = surface->h;
    const int textureWidth = PowerOfTwoAtLeast(width);
    const int textureHeight = PowerOfTwoAtLeast(height);
    texture->width = static_cast<float>(width);
    texture->height = static_cast<float>(height);
    texture->maxU = static_cast<float>(width) / static_cast<float>(textureWidth);
    texture->maxV = static_cast<float>(height) / static_cast<float>(textureHeight);
    if (bytesPerPixel != 3 && bytesPerPixel != 4) {
        Log::Line("Error: Corrupt image");
        SDL_FreeSurface(surface);
        delete texture;
        return nullptr;
    }
    texture->alpha = bytesPerPixel == 4;
    if (width != textureWidth || height != textureHeight) {
        surface = EnlargeToPowerOfTwo(surface, textureWidth, textureHeight);
        if (!surface) {
            delete texture;
            return nullptr;
        }
    }
    Pixels& pixels = _pixels[texture];
    pixels.width = textureWidth;
    pixels.height = textureHeight;
    pixels.bytesPerPixel = bytesPerPixel;
    const uint8_t* bytes = static_cast<const uint8_t*>(surface->pixels);
    pixels.data.assign(bytes, bytes + static_cast<size_t>(surface->pitch) * textureHeight);
    Upload(texture, pixels);
    SDL_FreeSurface(surface);
    return texture;
}

// Copies the image into the top-left corner of a new surface of the given size; frees the
// image either way. Null when the new surface cannot be made.
SDL_Surface* Graphics::EnlargeToPowerOfTwo(SDL_Surface* image, int width, int height) {
    const SDL_PixelFormat* format = image->format;
    SDL_Surface* enlarged = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, format->BytesPerPixel * 8,
                                                 format->Rmask, format->Gmask, format->Bmask, format->Amask);
    if (!enlarged) {
        Log::SdlError("Could not create texture surface");
        SDL_FreeSurface(image);
        return nullptr;
    }
    SDL_BlitSurface(image, nullptr, enlarged, nullptr);
    SDL_FreeSurface(image);
    return enlarged;
}

void Graphics::Upload(Texture* texture, const Pixels& pixels) {
    const GLenum format = pixels.bytesPerPixel == 4 ? GL_RGBA : GL_RGB;
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    GLuint id = 0;
    glGenTextures(1, &id);
    texture->id = id;
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, TEXTURE_CLAMP);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, TEXTURE_CLAMP);
    glTexImage2D(GL_TEXTURE_2D, 0, format, pixels.width, pixels.height, 0, format, GL_UNSIGNED_BYTE,
                 pixels.data.data());
}

SDL_Surface* Graphics::LoadImage(std::string name) {
    const std::string path = "res/gfx/" + name;
    SDL_Surface* surface = IMG_Load(path.c_str());
    if (!surface) {
        Log::Line("Error: Failed to load " + path + Log::SdlReason());
    }
    return surface;
}

bool Graphics::LoadGraphics() {
    if (_loaded) {
        return true;
    }
    Log::Line("Loading graphics");
    if (!LoadPictures()) {
        return false;
    }
    if (!LoadTTFFont("libsans.ttf")) {
        return false;
    }
    _loaded = true;
    return true;
}

// Loads all four pictures, whatever fails, then reports the first identifier without one.
bool Graphics::LoadPictures() {
    for (int id = GFX_BIT; id <= GFX_ENEMY; ++id) {
        Replace(_gfx[static_cast<GFX>(id)], CreateTexture(LoadImage(PICTURE_FILES[id]), 1));
    }
    for (const auto& entry : _gfx) {
        if (!entry.second) {
            Log::Line("Error: Texture " + std::to_string(entry.first) + " not loaded");
            return false;
        }
    }
    return true;
}

// An entity made before a second load still holds the record it replaces, so the old
// record stays valid, texture and all, until UnloadGraphics.
void Graphics::Replace(Texture*& slot, Texture* texture) {
    if (slot) {
        _replaced.push_back(slot);
    }
    slot = texture;
}

Texture* Graphics::GetTexture(GFX id) {
    const auto entry = _gfx.find(id);
    return entry == _gfx.end() ? nullptr : entry->second;
}

void Graphics::UnloadGraphics() {
    Log::Line("Unloading graphics");
    Log::Line("Deleting textures");
    for (auto& entry : _gfx) {
        DeleteTexture(entry.second);
    }
    _gfx.clear();
    for (Texture* texture : _replaced) {
        DeleteTexture(texture);
    }
    _replaced.clear();
    Log::Line("Deleting font textures");
    for (Texture*& glyph : _fonts) {
        DeleteTexture(glyph);
        glyph = nullptr;
    }
    _loaded = false;
    Log::Line("Graphics unloaded");
}

void Graphics::DeleteTexture(Texture* texture) {
    if (!texture) {
        return;
    }
    GLuint id = texture->id;
    glDeleteTextures(1, &id);
    _pixels.erase(texture);
    delete texture;
}

bool Graphics::LoadTTFFont(std::string name) {
    const std::string path = "res/fnt/" + name;
    TTF_Font* ttf = TTF_OpenFont(path.c_str(), FONT_POINTS);
    if (!ttf) {
        Log::SdlError("Could not open font");
        return false;
    }
    LoadFontTextures(FONT_SANS, ttf);
    TTF_CloseFont(ttf);
    return true;
}

void Graphics::LoadFontTextures(Font font, TTF_Font* ttf) {
    if (font < 0 || font >= FONT_COUNT) {
        return;
    }
    for (int c = 0; c < GLYPHS_PER_FONT; ++c) {
        SDL_Surface* surface = GenerateCharacter(static_cast<char>(c), ttf);
        if (!surface) {
            continue;
        }
        Texture*& slot = _fonts[font * GLYPHS_PER_FONT + c];
        Replace(slot, CreateTexture(surface, 1));
        if (!slot) {
            Log::Line("Error: Could not load letter " + std::to_string(c));
        }
    }
}

SDL_Surface* Graphics::GenerateCharacter(char c, TTF_Font* ttf) {
    const char text[2] = {c, '\0'};
    SDL_Color white;
    white.r = 255;
    white.g = 255;
    white.b = 255;
    white.unused = 0;
    SDL_Surface* surface = TTF_RenderText_Blended(ttf, text, white);
    if (!surface) {
        // the character itself, also the zero byte, as the line has always shown it
        Log::Line("Failed to generate character " + std::string(1, c) + Log::SdlReason());
    }
    return surface;
}

Texture* Graphics::GetChar(int font, char c) {
    if (font < 0 || font >= FONT_COUNT || c < 0) {
        return nullptr;
    }
    return _fonts[font * GLYPHS_PER_FONT + c];
}

void Graphics::ReloadTextures() {
    for (auto& entry : _pixels) {
        Upload(entry.first, entry.second);
    }
}
