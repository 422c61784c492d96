// The Windows build brings its own PNG and glyph parts of SDL_image and SDL_ttf. Loaded
// here beside the real libraries, they must give the same surfaces and the same errors.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// the module's functions, looked up in the module itself
struct Compat {
    void* module = nullptr;
    SDL_Surface* (*load)(const char*) = nullptr;
    int (*ttfInit)() = nullptr;
    void (*ttfQuit)() = nullptr;
    TTF_Font* (*openFont)(const char*, int) = nullptr;
    void (*closeFont)(TTF_Font*) = nullptr;
    SDL_Surface* (*render)(TTF_Font*, const char*, SDL_Color) = nullptr;
};

template <typename T> void Find(void* module, const char* name, T& function) {
    function = reinterpret_cast<T>(dlsym(module, name));
    ASSERT_NE(function, nullptr) << name;
}

// the error text of the last call, cleared for the next
std::string TakeError() {
    std::string error = SDL_GetError();
    SDL_ClearError();
    return error;
}

void ExpectSame(SDL_Surface* expected, SDL_Surface* actual, const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(expected == nullptr, actual == nullptr);
    if (!expected) {
        return;
    }
    const SDL_PixelFormat& e = *expected->format;
    const SDL_PixelFormat& a = *actual->format;
    ASSERT_EQ(expected->w, actual->w);
    ASSERT_EQ(expected->h, actual->h);
    ASSERT_EQ(expected->pitch, actual->pitch);
    ASSERT_EQ(e.BitsPerPixel, a.BitsPerPixel);
    EXPECT_EQ(std::vector<Uint32>({e.Rmask, e.Gmask, e.Bmask, e.Amask}),
              std::vector<Uint32>({a.Rmask, a.Gmask, a.Bmask, a.Amask}));
    EXPECT_EQ(expected->flags & SDL_SRCCOLORKEY, actual->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(e.colorkey, a.colorkey);
    ASSERT_EQ(e.palette == nullptr, a.palette == nullptr);
    if (e.palette) {
        ASSERT_EQ(e.palette->ncolors, a.palette->ncolors);
        EXPECT_EQ(0, memcmp(e.palette->colors, a.palette->colors, e.palette->ncolors * sizeof(SDL_Color)));
    }
    const int rowBytes = expected->w * e.BytesPerPixel;
    for (int y = 0; y < expected->h; ++y) {
        const Uint8* expectedRow = static_cast<Uint8*>(expected->pixels) + y * expected->pitch;
        const Uint8* actualRow = static_cast<Uint8*>(actual->pixels) + y * actual->pitch;
        ASSERT_EQ(0, memcmp(expectedRow, actualRow, rowBytes)) << "row " << y;
    }
}

class CompatTest : public ::testing::Test {
protected:
    void SetUp() override {
        _compat.module = dlopen(TRAVOLK_COMPAT_MODULE, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(_compat.module, nullptr) << dlerror();
        Find(_compat.module, "IMG_Load", _compat.load);
        Find(_compat.module, "TTF_Init", _compat.ttfInit);
        Find(_compat.module, "TTF_Quit", _compat.ttfQuit);
        Find(_compat.module, "TTF_OpenFont", _compat.openFont);
        Find(_compat.module, "TTF_CloseFont", _compat.closeFont);
        Find(_compat.module, "TTF_RenderText_Blended", _compat.render);
    }
    void TearDown() override {
        if (_compat.module) {
            dlclose(_compat.module);
        }
    }

    Compat _compat;
};

TEST_F(CompatTest, PicturesAndTheirErrorsAreTheLibrarys) {
    const std::string fixtures = std::string(TRAVOLK_SOURCE_DIR) + "/tests/fixtures/";
    const std::string pictures = std::string(TRAVOLK_SOURCE_DIR) + "/res/gfx/";
    const std::string files[] = {
        pictures + "map4.png",
        pictures + "bit.png",
        fixtures + "rgb.png",
        fixtures + "grey.png",
        fixtures + "greyalpha.png",
        fixtures + "palette.png",
        fixtures + "keyed.png",
        fixtures + "deep.png",
        fixtures + "truncated.png",
        fixtures + "missing.png",
        std::string(TRAVOLK_SOURCE_DIR) + "/res/txt/map",
    };
    for (const std::string& file : files) {
        SDL_Surface* expected = IMG_Load(file.c_str());
        const std::string expectedError = expected ? "" : TakeError();
        SDL_Surface* actual = _compat.load(file.c_str());
        const std::string actualError = actual ? "" : TakeError();
        ExpectSame(expected, actual, file);
        EXPECT_EQ(expectedError, actualError) << file;
        SDL_FreeSurface(expected);
        SDL_FreeSurface(actual);
    }
}

TEST_F(CompatTest, GlyphsAndTheirErrorsAreTheLibrarys) {
    ASSERT_EQ(0, TTF_Init());
    ASSERT_EQ(0, _compat.ttfInit());
    const std::string fontPath = std::string(TRAVOLK_BUILD_DIR) + "/res/fnt/libsans.ttf";
    for (const std::string& file :
         {std::string("missing.ttf"), std::string(TRAVOLK_SOURCE_DIR) + "/res/txt/map"}) {
        EXPECT_EQ(nullptr, TTF_OpenFont(file.c_str(), 40));
        const std::string expectedError = TakeError();
        EXPECT_EQ(nullptr, _compat.openFont(file.c_str(), 40));
        EXPECT_EQ(expectedError, TakeError()) << file;
    }
    TTF_Font* real = TTF_OpenFont(fontPath.c_str(), 40);
    TTF_Font* own = _compat.openFont(fontPath.c_str(), 40);
    ASSERT_NE(real, nullptr);
    ASSERT_NE(own, nullptr);
    const SDL_Color colours[] = {{255, 255, 255, 0}, {12, 200, 99, 0}};
    std::vector<std::string> texts = {"", "Travolk", "AVAWATa Ty", "\xe9t\xe9"};
    for (int c = 1; c < 256; ++c) {
        texts.push_back(std::string(1, static_cast<char>(c)));
    }
    for (const SDL_Color& colour : colours) {
        for (const std::string& text : texts) {
            SDL_Surface* expected = TTF_RenderText_Blended(real, text.c_str(), colour);
            const std::string expectedError = expected ? "" : TakeError();
            SDL_Surface* actual = _compat.render(own, text.c_str(), colour);
            const std::string actualError = actual ? "" : TakeError();
            ExpectSame(expected, actual, "text \"" + text + "\"");
            EXPECT_EQ(expectedError, actualError) << text;
            SDL_FreeSurface(expected);
            SDL_FreeSurface(actual);
        }
    }
    TTF_CloseFont(real);
    _compat.closeFont(own);
    _compat.ttfQuit();
    TTF_Quit();
}

} // namespace
