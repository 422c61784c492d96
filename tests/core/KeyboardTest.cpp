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

// An SDL that numbers keys otherwise (the browser's: scan code + 1024 for keys without a
// character) has its keys land on their SDL 1.2 entries, when written and when read.
static int NewerNumbering(int symbol) {
    switch (symbol) {
    case 82 + 1024:
        return SDLK_UP;
    case 225 + 1024:
        return SDLK_LSHIFT;
    default:
        return symbol >= 1024 ? -1 : symbol;
    }
}

TEST(Keyboard, AnotherNumberingFindsTheSdl12Entries) {
    Keyboard keys(NewerNumbering);
    keys.KeyPress(82 + 1024);
    EXPECT_TRUE(keys.IsDown(SDLK_UP));
    EXPECT_TRUE(keys.IsDown(82 + 1024));
    const Keyboard snapshot = keys;
    keys.KeyRelease(82 + 1024);
    EXPECT_FALSE(keys.IsDown(SDLK_UP));
    EXPECT_TRUE(snapshot.IsDown(82 + 1024)) << "a copy reads with the same numbering";
    keys.KeyPress(225 + 1024);
    EXPECT_TRUE(keys.Shift());
    keys.KeyPress(1024 + 4); // a key the game does not read
    keys.KeyPress(1 << 30);
    keys.KeyPress(-5);
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
