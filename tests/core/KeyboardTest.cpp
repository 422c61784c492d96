#include "core/Keyboard.h"

#include <SDL.h>
#include <gtest/gtest.h>

TEST(Keyboard, NewTableHasEveryKeyUp) {
    Keyboard keys;
    for (int key = 0; key < 128; ++key) {
        EXPECT_FALSE(keys.IsPressed(static_cast<char>(key))) << key;
        EXPECT_TRUE(keys.IsReleased(static_cast<char>(key))) << key;
    }
    EXPECT_FALSE(keys.Shift());
    EXPECT_FALSE(keys.Ctrl());
    EXPECT_FALSE(keys.Alt());
}

TEST(Keyboard, PressAndReleaseAKey) {
    Keyboard keys;
    keys.KeyPress(SDLK_p);
    EXPECT_TRUE(keys.IsPressed('p'));
    EXPECT_FALSE(keys.IsReleased('p'));
    EXPECT_FALSE(keys.IsPressed('q'));
    keys.KeyRelease(SDLK_p);
    EXPECT_FALSE(keys.IsPressed('p'));
}

// Outside the table a write would land beyond the array (the sanitizer build would see it)
// or in a neighbouring entry (the queries below would see it).
TEST(Keyboard, SymbolsOutsideTheTableChangeNothing) {
    Keyboard keys;
    for (int key : {322, 323, 1000, -1, -200}) {
        keys.KeyPress(key);
    }
    for (int key = 0; key < 128; ++key) {
        EXPECT_FALSE(keys.IsPressed(static_cast<char>(key))) << key;
    }
    EXPECT_FALSE(keys.Shift() || keys.Ctrl() || keys.Alt());
    keys.KeyPress(SDLK_EURO); // the last entry is still in the table
    keys.KeyRelease(SDLK_EURO);
    keys.KeyRelease(-1);
}

// SDL builds that number keys without a character newer-style (scan code + 1024) deliver
// them beyond the table; the keys the game reads land on their SDL 1.2 entries.
TEST(Keyboard, NewerNumberingFindsTheSdl12Entries) {
    struct Case {
        int newer;
        int sdl12;
    };
    const Case cases[] = {{82 + 1024, SDLK_UP},     {81 + 1024, SDLK_DOWN}, {80 + 1024, SDLK_LEFT},
                          {79 + 1024, SDLK_RIGHT},  {68 + 1024, SDLK_F11},  {225 + 1024, SDLK_LSHIFT},
                          {228 + 1024, SDLK_RCTRL}, {230 + 1024, SDLK_RALT}};
    for (const Case& c : cases) {
        Keyboard keys;
        keys.KeyPress(c.newer);
        EXPECT_TRUE(keys.IsDown(c.sdl12)) << c.newer;
        EXPECT_TRUE(keys.IsDown(c.newer)) << c.newer;
        keys.KeyRelease(c.newer);
        EXPECT_FALSE(keys.IsDown(c.sdl12)) << c.newer;
    }
    Keyboard keys;
    keys.KeyPress(225 + 1024);
    EXPECT_TRUE(keys.Shift());
    keys.KeyPress(1024 + 4); // a newer-numbered key the game does not read
    keys.KeyPress(1 << 30);
    for (int key = 0; key < Keyboard::KEY_COUNT; ++key) {
        EXPECT_EQ(keys.IsDown(key), key == SDLK_LSHIFT) << key;
    }
}

TEST(Keyboard, BytesAbove127ReadAsUp) {
    Keyboard keys;
    for (int key = 0; key < Keyboard::KEY_COUNT; ++key) {
        keys.KeyPress(key);
    }
    for (int byte = 128; byte < 256; ++byte) {
        const char key = static_cast<char>(byte);
        EXPECT_FALSE(keys.IsPressed(key)) << byte;
        EXPECT_TRUE(keys.IsReleased(key)) << byte;
    }
}

TEST(Keyboard, ModifiersEitherSide) {
    struct Case {
        int left;
        int right;
        bool (Keyboard::*query)() const;
    };
    const Case cases[] = {{SDLK_LSHIFT, SDLK_RSHIFT, &Keyboard::Shift},
                          {SDLK_LCTRL, SDLK_RCTRL, &Keyboard::Ctrl},
                          {SDLK_LALT, SDLK_RALT, &Keyboard::Alt}};
    for (const Case& c : cases) {
        Keyboard keys;
        keys.KeyPress(c.left);
        EXPECT_TRUE((keys.*c.query)());
        keys.KeyPress(c.right);
        keys.KeyRelease(c.left);
        EXPECT_TRUE((keys.*c.query)()) << "the other side is still held";
        keys.KeyRelease(c.right);
        EXPECT_FALSE((keys.*c.query)());
    }
}

TEST(Keyboard, CopyIsASnapshot) {
    Keyboard live;
    live.KeyPress(SDLK_w);
    Keyboard snapshot(live);
    live.KeyRelease(SDLK_w);
    live.KeyPress(SDLK_d);
    EXPECT_TRUE(snapshot.IsPressed('w'));
    EXPECT_FALSE(snapshot.IsPressed('d'));
}
