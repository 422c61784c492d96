#include "video/Graphics.h"

#include "support/Display.h"
#include "support/LogCapture.h"
#include "support/Pictures.h"
#include "support/TempDir.h"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <algorithm>

using Lines = std::vector<std::string>;

static int TextureWidth(const Texture* texture) {
    GLint width = 0;
    glBindTexture(GL_TEXTURE_2D, texture->id);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    return width;
}

static int TextureHeight(const Texture* texture) {
    GLint height = 0;
    glBindTexture(GL_TEXTURE_2D, texture->id);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    return height;
}

static bool Has(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

using TextureStore = DisplayTest;

TEST_F(TextureStore, EnlargesToPowersOfTwo) {
    struct Case {
        int width, height, textureWidth, textureHeight;
        float maxU, maxV;
    };
    const Case cases[] = {{100, 30, 128, 32, 0.78125f, 0.9375f},
                          {1, 1, 1, 1, 1, 1},
                          {64, 64, 64, 64, 1, 1},
                          {448, 496, 512, 512, 0.875f, 0.96875f}};
    for (const Case& c : cases) {
        Texture* texture = Graphics::CreateTexture(Pictures::Solid(c.width, c.height, 0xFF0000FF), 1);
        ASSERT_NE(texture, nullptr);
        EXPECT_EQ(texture->width, c.width);
        EXPECT_EQ(texture->height, c.height);
        EXPECT_FLOAT_EQ(texture->maxU, c.maxU);
        EXPECT_FLOAT_EQ(texture->maxV, c.maxV);
        EXPECT_TRUE(texture->alpha);
        EXPECT_EQ(texture->tag, 1);
        EXPECT_EQ(TextureWidth(texture), c.textureWidth) << c.width;
        EXPECT_EQ(TextureHeight(texture), c.textureHeight) << c.height;
        Graphics::DeleteTexture(texture);
    }
}

TEST_F(TextureStore, RgbSurfaceBecomesAnOpaqueTexture) {
    Texture* texture =
        Graphics::CreateTexture(Pictures::Surface(3, 5, 3, [](int, int) { return 0x00FF00FFu; }), 7);
    ASSERT_NE(texture, nullptr);
    EXPECT_FALSE(texture->alpha);
    EXPECT_EQ(texture->tag, 7);
    EXPECT_EQ(TextureWidth(texture), 4);
    EXPECT_EQ(TextureHeight(texture), 8);
    Graphics::DeleteTexture(texture);
}

TEST_F(TextureStore, RefusesNullAndOtherPixelSizes) {
    LogCapture log;
    EXPECT_EQ(Graphics::CreateTexture(nullptr, 1), nullptr);
    EXPECT_TRUE(log.Lines().empty());
    SDL_Surface* palette = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 8, 0, 0, 0, 0);
    EXPECT_EQ(Graphics::CreateTexture(palette, 1), nullptr);
    SDL_Surface* sixteen = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 16, 0xF800, 0x07E0, 0x001F, 0);
    EXPECT_EQ(Graphics::CreateTexture(sixteen, 1), nullptr);
    EXPECT_EQ(log.Lines(), (Lines{"Error: Corrupt image", "Error: Corrupt image"}));
}

TEST_F(TextureStore, SecondLoadWritesNothing) {
    const Texture* bit = Graphics::GetTexture(GFX_BIT);
    LogCapture log;
    EXPECT_TRUE(Graphics::LoadGraphics());
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(Graphics::GetTexture(GFX_BIT), bit);
}

TEST_F(TextureStore, ThePicturesOfTheGame) {
    for (GFX id : {GFX_BIT, GFX_PLAYER, GFX_MAP, GFX_ENEMY}) {
        ASSERT_NE(Graphics::GetTexture(id), nullptr) << id;
    }
    EXPECT_EQ(Graphics::GetTexture(GFX_MAP)->width, 448);
    EXPECT_EQ(Graphics::GetTexture(GFX_MAP)->height, 496);
    EXPECT_LE(Graphics::GetTexture(GFX_BIT)->width, 6);
    EXPECT_GE(Graphics::GetTexture(GFX_BIT)->width, 4);
    EXPECT_TRUE(Graphics::GetTexture(GFX_PLAYER)->alpha);
}

TEST_F(TextureStore, ALookUpNeverChangesTheStore) {
    const GFX unknown = static_cast<GFX>(7);
    EXPECT_EQ(Graphics::GetTexture(unknown), nullptr);
    LogCapture log;
    Graphics::UnloadGraphics();
    EXPECT_EQ(log.Lines(), (Lines{"Unloading graphics", "Deleting textures", "Deleting font textures",
                                  "Graphics unloaded"}));
    EXPECT_EQ(Graphics::GetTexture(GFX_BIT), nullptr) << "unloading empties the table";
    EXPECT_EQ(Graphics::GetTexture(unknown), nullptr);
    log.Clear();
    EXPECT_TRUE(Graphics::LoadGraphics()) << log.Text();
    EXPECT_EQ(Graphics::GetTexture(unknown), nullptr);
}

TEST_F(TextureStore, GlyphTable) {
    const Texture* a = Graphics::GetChar(FONT_SANS, 'A');
    ASSERT_NE(a, nullptr);
    EXPECT_GT(a->width, 10);
    EXPECT_GT(a->height, 30);
    EXPECT_TRUE(a->alpha);
    EXPECT_NE(Graphics::GetChar(FONT_SANS, ' '), nullptr);
    EXPECT_EQ(Graphics::GetChar(FONT_SANS, '\0'), nullptr) << "the empty text renders nothing";
    EXPECT_EQ(Graphics::GetChar(1, 'A'), nullptr);
    EXPECT_EQ(Graphics::GetChar(-1, 'A'), nullptr);
    EXPECT_EQ(Graphics::GetChar(FONT_SANS, static_cast<char>(200)), nullptr);
}

TEST(TextureStoreStartUp, GlyphLinesOfAStartUp) {
    Window window;
    ASSERT_TRUE(window.Init());
    LogCapture log;
    ASSERT_TRUE(Graphics::LoadGraphics());
    const Lines lines = log.Lines();
    EXPECT_EQ(lines.front(), "Loading graphics");
    // the zero byte itself follows the words, then SDL's reason
    EXPECT_TRUE(Has(lines, std::string("Failed to generate character ") + '\0' + "(Text has zero width)"))
        << log.Text();
    for (const std::string& line : lines) {
        EXPECT_TRUE(line == "Loading graphics" || line.rfind("Failed to generate character ", 0) == 0)
            << line;
    }
    Graphics::UnloadGraphics();
}

// Broken resources: each case breaks the run folder in a temporary copy and loads.
struct BrokenCase {
    const char* name;
    std::function<void(const TempDir&)> breakIt;
    std::vector<std::string> expected; // lines, or prefixes ending in '*', in this order
};

void PrintTo(const BrokenCase& c, std::ostream* os) {
    *os << c.name;
}

class BrokenResources : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenResources, LoadFailsWithItsLines) {
    TempDir dir;
    dir.CopyRunFolder();
    GetParam().breakIt(dir);
    Window window;
    ASSERT_TRUE(window.Init());
    LogCapture log;
    EXPECT_FALSE(Graphics::LoadGraphics());
    const Lines lines = log.Lines();
    const Lines& expected = GetParam().expected;
    ASSERT_EQ(lines.size(), expected.size()) << log.Text();
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& want = expected[i];
        if (want.back() == '*') {
            EXPECT_EQ(lines[i].rfind(want.substr(0, want.size() - 1), 0), 0u) << lines[i];
        } else {
            EXPECT_EQ(lines[i], want);
        }
    }
    Graphics::UnloadGraphics();
}

// A load after a failed one replaces the records; what an entity took before stays valid
// (read here: freed, the sanitizer build reports it) and draws as before.
TEST(TextureStoreReload, RecordsTakenBeforeALaterLoadStayValid) {
    TempDir dir;
    dir.CopyRunFolder();
    const std::filesystem::path map = dir.Path() / "res/gfx/map4.png";
    std::filesystem::rename(map, dir.Path() / "map4.png");
    Window window;
    ASSERT_TRUE(window.Init());
    Render render;
    ASSERT_TRUE(render.Init());
    LogCapture log;
    ASSERT_FALSE(Graphics::LoadGraphics());
    const Texture* bit = Graphics::GetTexture(GFX_BIT);
    ASSERT_NE(bit, nullptr);
    const float width = bit->width;
    std::filesystem::rename(dir.Path() / "map4.png", map);
    ASSERT_TRUE(Graphics::LoadGraphics()) << log.Text();
    EXPECT_NE(Graphics::GetTexture(GFX_BIT), bit);
    EXPECT_EQ(bit->width, width);
    EXPECT_TRUE(glIsTexture(bit->id));
    const Texture* glyph = Graphics::GetChar(FONT_SANS, 'A');
    Graphics::LoadTTFFont("libsans.ttf");
    EXPECT_NE(Graphics::GetChar(FONT_SANS, 'A'), glyph);
    EXPECT_GT(glyph->width, 10);
    EXPECT_TRUE(glIsTexture(glyph->id));
    Graphics::UnloadGraphics();
}

static void Remove(const TempDir& dir, const char* file) {
    std::filesystem::remove(dir.Path() / file);
}

INSTANTIATE_TEST_SUITE_P(
    TextureStore, BrokenResources,
    ::testing::Values(
        BrokenCase{"OnePictureMissing",
                   [](const TempDir& d) { Remove(d, "res/gfx/unicorn.png"); },
                   {"Loading graphics", "Error: Failed to load res/gfx/unicorn.png(*",
                    "Error: Texture 3 not loaded"}},
        BrokenCase{"TwoPicturesMissing",
                   [](const TempDir& d) {
                       Remove(d, "res/gfx/bit.png");
                       Remove(d, "res/gfx/map4.png");
                   },
                   {"Loading graphics", "Error: Failed to load res/gfx/bit.png(*",
                    "Error: Failed to load res/gfx/map4.png(*", "Error: Texture 0 not loaded"}},
        BrokenCase{"AllPicturesMissing",
                   [](const TempDir& d) { std::filesystem::remove_all(d.Path() / "res/gfx"); },
                   {"Loading graphics", "Error: Failed to load res/gfx/bit.png(*",
                    "Error: Failed to load res/gfx/zop.png(*", "Error: Failed to load res/gfx/map4.png(*",
                    "Error: Failed to load res/gfx/unicorn.png(*", "Error: Texture 0 not loaded"}},
        BrokenCase{"PalettePicture",
                   [](const TempDir& d) {
                       d.Write("res/gfx/zop.png", Pictures::Png(8, 8, Pictures::PNG_PALETTE, 0xFF0000FF));
                   },
                   {"Loading graphics", "Error: Corrupt image", "Error: Texture 1 not loaded"}},
        BrokenCase{"GreyPicture",
                   [](const TempDir& d) {
                       d.Write("res/gfx/bit.png", Pictures::Png(8, 8, Pictures::PNG_GREY, 0x808080FF));
                   },
                   {"Loading graphics", "Error: Corrupt image", "Error: Texture 0 not loaded"}},
        BrokenCase{
            "TruncatedPicture",
            [](const TempDir& d) {
                d.Write("res/gfx/map4.png",
                        Pictures::Png(64, 64, Pictures::PNG_RGBA, 0xFFFFFFFF).substr(0, 40));
            },
            {"Loading graphics", "Error: Failed to load res/gfx/map4.png(*", "Error: Texture 2 not loaded"}},
        BrokenCase{
            "EmptyPicture",
            [](const TempDir& d) { d.Write("res/gfx/zop.png", ""); },
            {"Loading graphics", "Error: Failed to load res/gfx/zop.png(*", "Error: Texture 1 not loaded"}},
        BrokenCase{"FontMissing",
                   [](const TempDir& d) { Remove(d, "res/fnt/libsans.ttf"); },
                   {"Loading graphics", "Error: Could not open font (*"}},
        BrokenCase{"FontNotAFont",
                   [](const TempDir& d) { d.Write("res/fnt/libsans.ttf", "not a font at all\n"); },
                   {"Loading graphics", "Error: Could not open font (*"}}),
    [](const ::testing::TestParamInfo<BrokenCase>& info) { return std::string(info.param.name); });

TEST(TextureStoreFiles, RgbPngLoads) {
    TempDir dir;
    dir.CopyRunFolder();
    dir.Write("res/gfx/bit.png", Pictures::Png(5, 5, Pictures::PNG_RGB, 0xFFFFFFFF));
    Window window;
    ASSERT_TRUE(window.Init());
    LogCapture log;
    ASSERT_TRUE(Graphics::LoadGraphics()) << log.Text();
    EXPECT_FALSE(Graphics::GetTexture(GFX_BIT)->alpha);
    EXPECT_EQ(Graphics::GetTexture(GFX_BIT)->width, 5);
    Graphics::UnloadGraphics();
}
