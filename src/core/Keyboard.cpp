#include "core/Keyboard.h"

#include <SDL.h>

Keyboard::Keyboard() : _keys() {}

void Keyboard::KeyPress(int key) {
    Set(key, true);
}

void Keyboard::KeyRelease(int key) {
    Set(key, false);
}

// scan codes of the newer numbering and the SDL 1.2 symbols of the same keys
struct NewerKey {
    int scanCode;
    int symbol;
};
static const NewerKey NEWER_KEYS[] = {
    // the arrows: up, down, right, left
    {82, 273},
    {81, 274},
    {79, 275},
    {80, 276},
    // insert, home, end, page up, page down
    {73, 277},
    {74, 278},
    {77, 279},
    {75, 280},
    {78, 281},
    // F1 to F12
    {58, 282},
    {59, 283},
    {60, 284},
    {61, 285},
    {62, 286},
    {63, 287},
    {64, 288},
    {65, 289},
    {66, 290},
    {67, 291},
    {68, 292},
    {69, 293},
    // right and left shift, ctrl, alt
    {229, 303},
    {225, 304},
    {228, 305},
    {224, 306},
    {230, 307},
    {226, 308},
};
static const int NEWER_NUMBERING = 1 << 10;

int Keyboard::Slot(int key) {
    if (key >= 0 && key < KEY_COUNT) {
        return key;
    }
    for (const NewerKey& newer : NEWER_KEYS) {
        if (key == (newer.scanCode | NEWER_NUMBERING)) {
            return newer.symbol;
        }
    }
    return -1;
}

bool Keyboard::Entry(int key) const {
    const int slot = Slot(key);
    return slot >= 0 && _keys[slot];
}

void Keyboard::Set(int key, bool down) {
    const int slot = Slot(key);
    if (slot >= 0) {
        _keys[slot] = down;
    }
}

bool Keyboard::IsPressed(char key) const {
    // where char is signed, bytes 128 to 255 arrive negative and have no entry
    return key >= 0 && Entry(key);
}

bool Keyboard::IsDown(int key) const {
    return Entry(key);
}

bool Keyboard::IsReleased(char key) const {
    return !IsPressed(key);
}

bool Keyboard::Shift() const {
    return Entry(SDLK_LSHIFT) || Entry(SDLK_RSHIFT);
}

bool Keyboard::Ctrl() const {
    return Entry(SDLK_LCTRL) || Entry(SDLK_RCTRL);
}

bool Keyboard::Alt() const {
    return Entry(SDLK_LALT) || Entry(SDLK_RALT);
}
