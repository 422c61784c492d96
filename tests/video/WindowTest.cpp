#include "video/Window.h"

#include "support/Display.h"
#include "support/LogCapture.h"
#include "support/Pictures.h"
#include "support/Pixels.h"
#include "support/ScopedEnv.h"
#include "support/Sprite.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(Window, SizeBeforeAndAfterInit) {
    Window* window = new Window();
    EXPECT_EQ(window->GetWidth(), 448);
    EXPECT_EQ(window->GetHeight(), 496);
    EXPECT_FALSE(window->IsFullscreen());
    ASSERT_TRUE(window->Init());
    const SDL_Surface* screen = SDL_GetVideoSurface();
    EXPECT_EQ(screen->w, 448);
    EXPECT_EQ(screen->h, 496);
    // the only flag both SDL 1.2 implementations report back for a resizable GL window
    EXPECT_TRUE(screen->flags & SDL_OPENGL);
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title, "Travolk");
    int doubleBuffer = 0;
    SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &doubleBuffer);
    EXPECT_EQ(doubleBuffer, 1);
    LogCapture log;
    delete window;
    EXPECT_EQ(log.Lines(), (Lines{"Closing SDL_image", "Closing SDL_ttf", "Closing SDL"}));
}

TEST(Window, WithoutADisplayInitFailsCleanlyAndStillShutsDown) {
    ScopedEnv display("DISPLAY", nullptr);
    LogCapture log;
    {
        Window window;
        EXPECT_FALSE(window.Init());
    }
    // the reason in parentheses is SDL's own, and differs between SDL 1.2 implementations
    const Lines lines = log.Lines();
    ASSERT_EQ(lines.size(), 4u) << log.Text();
    EXPECT_EQ(lines[0].rfind("Error: Failed to initialize SDL (", 0), 0u) << lines[0];
    EXPECT_EQ(lines[0].back(), ')');
    EXPECT_EQ(Lines(lines.begin() + 1, lines.end()),
              (Lines{"Closing SDL_image", "Closing SDL_ttf", "Closing SDL"}));
}

TEST(Window, AUsersVideoDriverChoiceIsKept) {
    ScopedEnv driver("SDL_VIDEODRIVER", "dummy");
    LogCapture log;
    Window window;
    // SDL's dummy driver cannot make an OpenGL window: the failure is its own, not X11's
    EXPECT_FALSE(window.Init());
    char name[32] = {};
    ASSERT_NE(SDL_VideoDriverName(name, sizeof name), nullptr);
    EXPECT_STREQ(name, "dummy");
    EXPECT_EQ(log.Lines().front().rfind("Error: Could not set video mode (", 0), 0u) << log.Text();
}

class Fullscreen : public DisplayTest {
protected:
    // draws a red picture at (50, 40) and reads its centre and a point beside it
    void ExpectPictureDrawn(const Texture* texture) {
        render.Refresh(); // the drawable takes a new size at a swap, as in the frame loop
        Sprite sprite(texture, Vector{50, 40, 0});
        render.Draw(&sprite, nullptr);
        render.Flush();
        const int height = SDL_GetVideoSurface()->h;
        EXPECT_EQ(ReadPixel(50, 40, height), 0xFF0000u);
        EXPECT_EQ(ReadPixel(120, 40, height), 0x000000u);
    }
};

TEST_F(Fullscreen, ThereAndBackKeepsTexturesAndReturnsTo448x496) {
    Texture* red = Graphics::CreateTexture(Pictures::Solid(100, 30, 0xFF0000FF), 1);
    LogCapture log;
    window->ToggleFullscreen();
    const Lines there = log.Lines();
    if (!window->IsFullscreen()) {
        // refused by the display: no size line, still windowed, textures intact
        EXPECT_EQ(there, (Lines{"Changing viewport dimensions: 448, 496"}));
        ExpectPictureDrawn(red);
        Graphics::DeleteTexture(red);
        return;
    }
    const SDL_Surface* screen = SDL_GetVideoSurface();
    const std::string size = std::to_string(screen->w) + ", " + std::to_string(screen->h);
    EXPECT_EQ(there, (Lines{"Changing window size: " + size, "Changing viewport dimensions: " + size}));
    EXPECT_GT(window->GetWidth(), 448);
    ExpectPictureDrawn(red);

    log.Clear();
    window->ToggleFullscreen();
    EXPECT_FALSE(window->IsFullscreen());
    EXPECT_EQ(window->GetWidth(), 448);
    EXPECT_EQ(window->GetHeight(), 496);
    EXPECT_EQ(log.Lines(),
              (Lines{"Changing window size: 448, 496", "Changing viewport dimensions: 448, 496"}));
    EXPECT_EQ(SDL_GetVideoSurface()->w, 448);
    ExpectPictureDrawn(red);
    Graphics::DeleteTexture(red);
}

TEST_F(Fullscreen, ANewContextGetsTexturesAndRenderStateAgainInTheSameRecords) {
    // as after a mode change that brought a new context, or a context the browser gave back
    // empty: the GL names are gone, and the render state is a new context's
    Texture* red = Graphics::CreateTexture(Pictures::Solid(100, 30, 0xFF0000FF), 1);
    const Texture* glyph = Graphics::GetChar(FONT_SANS, 'A');
    for (const Texture* texture : std::vector<const Texture*>{red, glyph, Graphics::GetTexture(GFX_MAP)}) {
        GLuint id = texture->id;
        glDeleteTextures(1, &id);
        EXPECT_FALSE(glIsTexture(id));
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glViewport(0, 0, 1, 1);
    LogCapture log;
    window->RenewContext();
    EXPECT_EQ(log.Lines(), (Lines{"Changing viewport dimensions: 448, 496"}));
    EXPECT_TRUE(glIsTexture(red->id));
    EXPECT_TRUE(glIsTexture(glyph->id));
    EXPECT_TRUE(glIsTexture(Graphics::GetTexture(GFX_MAP)->id));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    ExpectPictureDrawn(red);
    Graphics::DeleteTexture(red);
}
