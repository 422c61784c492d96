#include "video/Render.h"

#include "video/FrameScaler.h"

#include "support/Display.h"
#include "support/LogCapture.h"
#include "support/Pictures.h"
#include "support/Pixels.h"
#include "support/Sprite.h"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

static const uint32_t RED = 0xFF0000;
static const uint32_t GREEN = 0x00FF00;
static const uint32_t BLACK = 0x000000;
static const uint32_t WHITE = 0xFFFFFF;

class Renderer : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        glClear(GL_COLOR_BUFFER_BIT);
    }
    void TearDown() override {
        for (Texture* texture : made) {
            Graphics::DeleteTexture(texture);
        }
        DisplayTest::TearDown();
    }
    // draws at once, as a frame's end would
    void DrawNow(const Entity* entity, const Transform* view = nullptr) {
        render.Draw(entity, view);
        render.Flush();
    }
    const Texture* Make(SDL_Surface* surface) {
        made.push_back(Graphics::CreateTexture(surface, 1));
        return made.back();
    }
    void DrawWhiteBackground() {
        Sprite background(Make(Pictures::Solid(448, 496, 0xFFFFFFFF)), Vector{224, 248, 0});
        DrawNow(&background);
    }

    std::vector<Texture*> made;
};

TEST_F(Renderer, PictureCoversExactlyItsPixelsAroundItsPosition) {
    Sprite sprite(Make(Pictures::Solid(100, 30, 0xFF0000FF)), Vector{50, 40, 0});
    DrawNow(&sprite);
    // x 0 to 100, y 25 to 55, and nothing of the texture's empty part
    EXPECT_EQ(ReadPixel(0, 25), RED);
    EXPECT_EQ(ReadPixel(99, 25), RED);
    EXPECT_EQ(ReadPixel(0, 54), RED);
    EXPECT_EQ(ReadPixel(99, 54), RED);
    EXPECT_EQ(ReadPixel(100, 40), BLACK);
    EXPECT_EQ(ReadPixel(50, 24), BLACK);
    EXPECT_EQ(ReadPixel(50, 55), BLACK);
}

TEST_F(Renderer, ColourTimesBrightnessAlphaUntouched) {
    DrawWhiteBackground();
    Sprite dark(Make(Pictures::Solid(20, 20, 0xFFFFFFFF)), Vector{100, 100, 0});
    dark.SetBrightness(0);
    DrawNow(&dark);
    EXPECT_EQ(ReadPixel(100, 100), BLACK) << "drawn black with its own alpha";

    Sprite tinted(Make(Pictures::Solid(20, 20, 0xFFFFFFFF)), Vector{200, 100, 0});
    tinted.SetColour(Colour{1, 0.5f, 0, 1});
    tinted.SetBrightness(2); // clamped by OpenGL to full colour
    DrawNow(&tinted);
    EXPECT_EQ(ReadPixel(200, 100), 0xFFFF00u);

    Sprite halfBright(Make(Pictures::Solid(20, 20, 0xFFFFFFFF)), Vector{300, 100, 0});
    halfBright.SetColour(Colour{0, 0, 1, 1});
    halfBright.SetBrightness(0.5f);
    DrawNow(&halfBright);
    const uint32_t blue = ReadPixel(300, 100);
    EXPECT_EQ(blue >> 8, 0u);
    EXPECT_NEAR(static_cast<int>(blue & 0xFF), 128, 2);
}

TEST_F(Renderer, TransparentPixelsLetTheFrameShowThrough) {
    DrawWhiteBackground();
    Sprite sprite(
        Make(Pictures::Surface(10, 10, 4, [](int x, int) { return x < 5 ? 0xFF0000FFu : 0x00FF0000u; })),
        Vector{50, 50, 0});
    DrawNow(&sprite);
    EXPECT_EQ(ReadPixel(46, 50), RED);
    EXPECT_EQ(ReadPixel(53, 50), WHITE);
}

TEST_F(Renderer, NegativeScaleMirrorsInPlace) {
    // left half red, right half green
    Sprite sprite(
        Make(Pictures::Surface(20, 10, 4, [](int x, int) { return x < 10 ? 0xFF0000FFu : 0x00FF00FFu; })),
        Vector{100, 100, 0});
    sprite.SetScale(-1, 1);
    DrawNow(&sprite);
    EXPECT_EQ(ReadPixel(92, 100), GREEN);
    EXPECT_EQ(ReadPixel(107, 100), RED);
    EXPECT_EQ(ReadPixel(89, 100), BLACK);
    EXPECT_EQ(ReadPixel(110, 100), BLACK);
}

TEST_F(Renderer, ScaleStretchesAboutTheCentre) {
    Sprite sprite(Make(Pictures::Solid(10, 10, 0xFF0000FF)), Vector{100, 100, 0});
    sprite.SetScale(2, 1);
    DrawNow(&sprite);
    EXPECT_EQ(ReadPixel(91, 100), RED);
    EXPECT_EQ(ReadPixel(108, 100), RED);
    EXPECT_EQ(ReadPixel(89, 100), BLACK);
    EXPECT_EQ(ReadPixel(111, 100), BLACK);
    EXPECT_EQ(ReadPixel(100, 94), BLACK);
}

TEST_F(Renderer, Rotation90TurnsTheTopEdgeToTheRight) {
    // top half red, bottom half green
    Sprite sprite(
        Make(Pictures::Surface(20, 20, 4, [](int, int y) { return y < 10 ? 0xFF0000FFu : 0x00FF00FFu; })),
        Vector{100, 100, 0});
    sprite.SetRotation(90);
    DrawNow(&sprite);
    EXPECT_EQ(ReadPixel(105, 100), RED);
    EXPECT_EQ(ReadPixel(94, 100), GREEN);
}

TEST_F(Renderer, ViewShiftsByMinusItsPosition) {
    Sprite sprite(Make(Pictures::Solid(10, 10, 0xFF0000FF)), Vector{100, 100, 0});
    Transform view;
    view.pos = Vector{30, 20, 0};
    DrawNow(&sprite, &view);
    EXPECT_EQ(ReadPixel(70, 80), RED);
    EXPECT_EQ(ReadPixel(100, 100), BLACK);
}

TEST_F(Renderer, EntityWithoutTextureIsNotDrawn) {
    DrawWhiteBackground();
    Sprite wall(nullptr, Vector{100, 100, 0});
    DrawNow(&wall);
    EXPECT_EQ(ReadPixel(100, 100), WHITE);
}

TEST_F(Renderer, RefreshClearsTheNewBackBuffer) {
    DrawWhiteBackground();
    render.Refresh();
    EXPECT_EQ(ReadPixel(10, 10), BLACK);
    EXPECT_EQ(ReadPixel(400, 400), BLACK);
}

// A step whose frame is not shown draws, swaps and clears nothing; the next one draws.
TEST_F(Renderer, AStepNotShownLeavesTheFrameAlone) {
    DrawWhiteBackground();
    render.BeginFrame(false);
    Sprite sprite(Make(Pictures::Solid(20, 20, 0xFF0000FF)), Vector{100, 100, 0});
    DrawNow(&sprite);
    render.Refresh();
    EXPECT_EQ(ReadPixel(100, 100), WHITE);
    render.BeginFrame(true);
    DrawNow(&sprite);
    EXPECT_EQ(ReadPixel(100, 100), RED);
}

// Where the swap does not show the frame (the browser), the clear waits for the next frame
// drawn: a step not drawn leaves the buffer alone, and a frame drawn is cleared once.
TEST_F(Renderer, AFrameShownLaterIsClearedWhenTheNextIsDrawn) {
    Render later(false);
    ASSERT_TRUE(later.Init());
    later.Refresh();
    DrawWhiteBackground(); // what the buffer holds after the swap
    later.BeginFrame(false);
    EXPECT_EQ(ReadPixel(10, 10), WHITE) << "a step not drawn cleared the frame";
    later.BeginFrame(true);
    EXPECT_EQ(ReadPixel(10, 10), BLACK) << "the next frame drawn did not start cleared";
    DrawWhiteBackground();
    later.BeginFrame(true);
    EXPECT_EQ(ReadPixel(10, 10), WHITE) << "cleared twice for one frame shown";
}

// Quads blend in the order drawn across textures: a later quad of one texture is not
// pulled ahead of another texture's quad drawn before it.
TEST_F(Renderer, QuadsOverlapInDrawingOrderAcrossTextures) {
    const Texture* white = Make(Pictures::Solid(20, 20, 0xFFFFFFFF));
    const Texture* green = Make(Pictures::Solid(20, 20, 0x00FF00FF));
    Sprite red(white, Vector{100, 100, 0});
    red.SetColour(Colour{1, 0, 0, 1});
    Sprite between(green, Vector{100, 100, 0});
    Sprite blue(white, Vector{100, 100, 0});
    blue.SetColour(Colour{0, 0, 1, 1});
    for (const Sprite* sprite : {&red, &between, &blue}) {
        render.Draw(sprite, nullptr);
    }
    render.Flush();
    EXPECT_EQ(ReadPixel(100, 100), 0x0000FFu);
}

// A red 100 x 30 picture at (50, 40) in windows of other sizes: enlarged by whole pixels
// and centred, or shrunk to fit; read back before the swap, once the frame is presented.
// Each case names the red picture's first and last pixel and two black pixels beside it.
TEST_F(Renderer, OtherWindowSizesShowTheSceneScaledAndCentred) {
    struct Point {
        int x, y;
    };
    struct Case {
        int width, height;
        Point red[2];
        Point black[2];
    };
    const Case cases[] = {
        {896, 992, {{0, 50}, {199, 109}}, {{200, 109}, {0, 110}}},      // twice, filling the window
        {1000, 1100, {{52, 104}, {251, 163}}, {{51, 104}, {251, 103}}}, // twice, centred
        {1344, 1500, {{0, 81}, {299, 170}}, {{300, 170}, {0, 80}}},     // three times, 6 rows above
        {224, 300, {{2, 41}, {47, 51}}, {{52, 45}, {20, 36}}},          // halved, 26 rows above
    };
    for (const Case& c : cases) {
        ASSERT_NE(SDL_SetVideoMode(c.width, c.height, 32, SDL_OPENGL | SDL_RESIZABLE), nullptr);
        LogCapture log;
        Render::SetViewport(c.width, c.height);
        EXPECT_EQ(log.Lines(),
                  (std::vector<std::string>{"Changing viewport dimensions: " + std::to_string(c.width) +
                                            ", " + std::to_string(c.height)}));
        render.Refresh(); // the drawable takes its new size at a swap, as in the frame loop
        Sprite sprite(Make(Pictures::Solid(100, 30, 0xFF0000FF)), Vector{50, 40, 0});
        DrawNow(&sprite);
        FrameScaler::Present();
        for (const Point& p : c.red) {
            EXPECT_EQ(ReadPixel(p.x, p.y, c.height), RED)
                << c.width << "x" << c.height << " at " << p.x << "," << p.y;
        }
        for (const Point& p : c.black) {
            EXPECT_EQ(ReadPixel(p.x, p.y, c.height), BLACK)
                << c.width << "x" << c.height << " at " << p.x << "," << p.y;
        }
    }
}
