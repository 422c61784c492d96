#include "core/Gamepad.h"

#include "core/Keyboard.h"

#include <cstdlib>

// the arrow keys, in the order the player's steering tries them
static const int ARROWS[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
static const int UP = 0;
static const int DOWN = 1;
static const int LEFT = 2;
static const int RIGHT = 3;
static const int NONE = -1;

Gamepad::Gamepad(Keyboard* keyboard, const PadSettings& settings, bool controllerLayout)
    : _keyboard(keyboard), _settings(settings), _controllerLayout(controllerLayout) {
    if (_settings.pauseButton == PadSettings::START_BUTTON) {
        _settings.pauseButton = controllerLayout ? CONTROLLER_START : RAW_START;
    }
}

Gamepad::~Gamepad() {
    Close();
}

void Gamepad::Open() {
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        SDL_Joystick* joystick = SDL_JoystickOpen(index);
        if (joystick) {
            _opened.push_back(joystick);
        }
    }
}

void Gamepad::Close() {
    for (SDL_Joystick* joystick : _opened) {
        SDL_JoystickClose(joystick);
    }
    _opened.clear();
}

bool Gamepad::Handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_JOYHATMOTION:
        if (event.jhat.hat == 0) {
            Set(PadOf(event.jhat.which), SOURCE_HAT, HatArrow(event.jhat.value));
        }
        return true;
    case SDL_JOYAXISMOTION:
        if (event.jaxis.axis < 2) {
            Pad& pad = PadOf(event.jaxis.which);
            pad.axes[event.jaxis.axis] = event.jaxis.value;
            Set(pad, SOURCE_AXES, AxesArrow(pad));
        }
        return true;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP: {
        const bool down = event.type == SDL_JOYBUTTONDOWN;
        const int button = event.jbutton.button;
        if (button == _settings.pauseButton && down != _pauseHeld) {
            _pauseHeld = down;
            down ? _keyboard->KeyPress(SDLK_p) : _keyboard->KeyRelease(SDLK_p);
        } else if (_controllerLayout && button >= DPAD_UP && button <= DPAD_RIGHT) {
            Pad& pad = PadOf(event.jbutton.which);
            pad.dpad[button - DPAD_UP] = down;
            Set(pad, SOURCE_BUTTONS, ButtonsArrow(pad));
        }
        return true;
    }
    case SDL_JOYBALLMOTION:
        return true;
    default:
        return false;
    }
}

Gamepad::Pad& Gamepad::PadOf(int which) {
    if (which >= static_cast<int>(_pads.size())) {
        _pads.resize(which + 1);
    }
    return _pads[which];
}

void Gamepad::Set(Pad& pad, Source source, int arrow) {
    pad.held[source] = arrow;
    UpdateKeys();
}

// Each arrow key goes down or up where the pads' union changed, and nowhere else, so a key
// the keyboard holds is left alone while no pad touches it.
void Gamepad::UpdateKeys() {
    bool wanted[KEY_COUNT] = {false, false, false, false};
    for (const Pad& pad : _pads) {
        for (const int arrow : pad.held) {
            if (arrow != NONE) {
                wanted[arrow] = true;
            }
        }
    }
    for (int arrow = 0; arrow < KEY_COUNT; ++arrow) {
        if (wanted[arrow] != _arrowsHeld[arrow]) {
            _arrowsHeld[arrow] = wanted[arrow];
            wanted[arrow] ? _keyboard->KeyPress(ARROWS[arrow]) : _keyboard->KeyRelease(ARROWS[arrow]);
        }
    }
}

// a diagonal steers vertically, as a swipe's or a browser pad's does
int Gamepad::HatArrow(Uint8 hat) {
    if (hat & SDL_HAT_UP) {
        return UP;
    }
    if (hat & SDL_HAT_DOWN) {
        return DOWN;
    }
    if (hat & SDL_HAT_LEFT) {
        return LEFT;
    }
    return (hat & SDL_HAT_RIGHT) ? RIGHT : NONE;
}

// the stronger axis past the dead zone; an even push steers vertically
int Gamepad::AxesArrow(const Pad& pad) const {
    const int x = pad.axes[0];
    const int y = pad.axes[1];
    const float reach = _settings.deadZone * 32767.0f;
    if (std::abs(x) <= reach && std::abs(y) <= reach) {
        return NONE;
    }
    if (std::abs(x) > std::abs(y)) {
        return x < 0 ? LEFT : RIGHT;
    }
    return y < 0 ? UP : DOWN;
}

int Gamepad::ButtonsArrow(const Pad& pad) {
    for (int arrow = 0; arrow < KEY_COUNT; ++arrow) {
        if (pad.dpad[arrow]) {
            return arrow;
        }
    }
    return NONE;
}
