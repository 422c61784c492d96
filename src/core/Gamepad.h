#pragma once

#include "core/PadSettings.h"

#include <SDL.h>

#include <vector>

class Keyboard;

// The joysticks' presses as the game's keys, so a pad plays under the keys' rules. On each
// pad a direction comes from its first hat, from its first two axes (the stronger, past
// the dead zone) or from the d-pad buttons of SDL's controller layout; the arrow key of a
// direction is held while any source of any pad holds it, and let go when none does. The
// pause button holds p.
class Gamepad {
public:
    // the d-pad's buttons in the controller layout (sdl12-compat's game controllers)
    static const int DPAD_UP = 11;
    static const int DPAD_DOWN = 12;
    static const int DPAD_LEFT = 13;
    static const int DPAD_RIGHT = 14;
    // Start in that layout, and on the common pads' raw numbering
    static const int CONTROLLER_START = 6;
    static const int RAW_START = 7;

    // keyboard: the live key table, written; controllerLayout: whether the pads come in
    // SDL's controller layout (see Platform::UsesControllerLayout)
    Gamepad(Keyboard* keyboard, const PadSettings& settings, bool controllerLayout);
    ~Gamepad();

    // every joystick SDL finds, opened; closed before SDL stops
    void Open();
    void Close();
    // A joystick's event: the keys it presses or lets go. False for any other event.
    bool Handle(const SDL_Event& event);

private:
    // a direction's sources on one pad
    enum Source { SOURCE_HAT, SOURCE_AXES, SOURCE_BUTTONS, SOURCE_COUNT };
    // the arrow keys: up, down, left, right
    static const int KEY_COUNT = 4;

    struct Pad {
        int held[SOURCE_COUNT] = {-1, -1, -1}; // each source's arrow (0 to 3), or -1
        Sint16 axes[2] = {0, 0};
        bool dpad[KEY_COUNT] = {false, false, false, false};
    };

    Pad& PadOf(int which);
    void Set(Pad& pad, Source source, int arrow);
    void UpdateKeys();
    int AxesArrow(const Pad& pad) const;
    static int HatArrow(Uint8 hat);
    static int ButtonsArrow(const Pad& pad);

    Keyboard* _keyboard; // borrowed: the live key table
    PadSettings _settings;
    bool _controllerLayout;
    std::vector<Pad> _pads;
    std::vector<SDL_Joystick*> _opened; // owned until Close
    bool _arrowsHeld[KEY_COUNT] = {false, false, false, false};
    bool _pauseHeld = false;
};
