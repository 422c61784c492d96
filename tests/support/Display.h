#pragma once

#include "video/Graphics.h"
#include "video/Render.h"
#include "video/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>

// A real window with its GL context, the renderer and the game's textures, for tests
// that draw or need the pictures' sizes. Needs an X display (Xvfb in the test command).
class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(getenv("DISPLAY"), nullptr) << "needs an X display: run it through ./test.sh (Xvfb)";
        window = new Window();
        ASSERT_TRUE(window->Init());
        ASSERT_TRUE(render.Init());
        ASSERT_TRUE(Graphics::LoadGraphics());
    }
    void TearDown() override {
        if (window) {
            Graphics::UnloadGraphics();
            delete window;
        }
    }

    Window* window = nullptr;
    Render render;
};
