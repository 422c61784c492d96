// A pad's hats, axes and buttons as the keys the game reads.
#include "core/Gamepad.h"

#include "core/Keyboard.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

static SDL_Event Hat(Uint8 value, Uint8 which = 0) {
    SDL_Event event = {};
    event.type = SDL_JOYHATMOTION;
    event.jhat.which = which;
    event.jhat.value = value;
    return event;
}

static SDL_Event Axis(Uint8 axis, float part, Uint8 which = 0) {
    SDL_Event event = {};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.which = which;
    event.jaxis.axis = axis;
    event.jaxis.value = static_cast<Sint16>(part * 32767);
    return event;
}

static SDL_Event Button(Uint8 button, bool down, Uint8 which = 0) {
    SDL_Event event = {};
    event.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton.which = which;
    event.jbutton.button = button;
    return event;
}

// the keys down, as U D L R P
static std::string Held(const Keyboard& keys) {
    std::string held;
    const std::pair<int, char> names[] = {
        {SDLK_UP, 'U'}, {SDLK_DOWN, 'D'}, {SDLK_LEFT, 'L'}, {SDLK_RIGHT, 'R'}, {SDLK_p, 'P'}};
    for (const auto& [key, name] : names) {
        if (keys.IsDown(key)) {
            held += name;
        }
    }
    return held;
}

TEST(Gamepad, TheHatsEightPositionsSteerADiagonalVertically) {
    const std::pair<Uint8, std::string> cases[] = {
        {SDL_HAT_UP, "U"},        {SDL_HAT_RIGHTUP, "U"}, {SDL_HAT_RIGHT, "R"},
        {SDL_HAT_RIGHTDOWN, "D"}, {SDL_HAT_DOWN, "D"},    {SDL_HAT_LEFTDOWN, "D"},
        {SDL_HAT_LEFT, "L"},      {SDL_HAT_LEFTUP, "U"},  {SDL_HAT_CENTERED, ""},
    };
    Keyboard keys;
    Gamepad pad(&keys, PadSettings(), false);
    for (const auto& [value, held] : cases) {
        EXPECT_TRUE(pad.Handle(Hat(value)));
        EXPECT_EQ(Held(keys), held) << int(value);
    }
}

// each step: an event, then the keys held after it
TEST(Gamepad, AxesTurnsPauseAndUnplugging) {
    struct Step {
        const char* what;
        SDL_Event event;
        std::string held;
    };
    const Step steps[] = {
        {"inside the dead zone", Axis(0, -0.45f), ""},
        {"past it", Axis(0, -0.55f), "L"},
        {"the other axis stronger", Axis(1, 0.8f), "D"},
        {"both even: vertical", Axis(0, -0.8f), "D"},
        {"back inside on one axis", Axis(1, 0.1f), "L"},
        {"centred", Axis(0, 0), ""},
        {"the hat up", Hat(SDL_HAT_UP), "U"},
        {"turned without centring", Hat(SDL_HAT_LEFT), "L"},
        {"Start down: p, the direction still held", Button(Gamepad::RAW_START, true), "LP"},
        {"Start up", Button(Gamepad::RAW_START, false), "L"},
        {"the stick too", Axis(0, -0.9f), "L"},
        {"the hat let go, the stick still holds", Hat(SDL_HAT_CENTERED), "L"},
        {"a second pad right", Hat(SDL_HAT_RIGHT, 1), "LR"},
        {"a d-pad button outside the controller layout", Button(Gamepad::DPAD_UP, true), "LR"},
        // unplugged: SDL centres what the pad held before it goes
        {"unplugged: its stick centred", Axis(0, 0), "R"},
        {"the second pad's hat centred", Hat(SDL_HAT_CENTERED, 1), ""},
    };
    Keyboard keys;
    Gamepad pad(&keys, PadSettings(), false);
    for (const Step& step : steps) {
        EXPECT_TRUE(pad.Handle(step.event));
        EXPECT_EQ(Held(keys), step.held) << step.what;
    }
}

// The stick's rule, in the table the page's tests read too.
TEST(Gamepad, TheSticksRuleOfThePageToo) {
    const std::map<std::string, std::string> held = {{"left", "L"}, {"right", "R"}, {"up", "U"}, {"down", "D"}, {"none", ""}};
    std::ifstream table(std::string(TRAVOLK_SOURCE_DIR) + "/tests/fixtures/stick-directions.txt");
    ASSERT_TRUE(table);
    int cases = 0;
    for (std::string line; std::getline(table, line);) {
        float x = 0, y = 0;
        PadSettings settings;
        std::string steers;
        if (line.empty() || line[0] == '#' || !(std::istringstream(line) >> x >> y >> settings.deadZone >> steers)) {
            continue;
        }
        Keyboard keys;
        Gamepad pad(&keys, settings, false);
        pad.Handle(Axis(0, x));
        pad.Handle(Axis(1, y));
        EXPECT_EQ(Held(keys), held.at(steers)) << line;
        ++cases;
    }
    EXPECT_GE(cases, 10);
}

TEST(Gamepad, TheControllerLayoutsDpadAndTheSettings) {
    Keyboard keys;
    Gamepad controller(&keys, PadSettings(), true);
    controller.Handle(Button(Gamepad::DPAD_LEFT, true));
    EXPECT_EQ(Held(keys), "L");
    controller.Handle(Button(Gamepad::DPAD_UP, true));
    EXPECT_EQ(Held(keys), "U") << "the first direction in the steering's order wins";
    controller.Handle(Button(Gamepad::DPAD_UP, false));
    controller.Handle(Button(Gamepad::DPAD_LEFT, false));
    controller.Handle(Button(Gamepad::CONTROLLER_START, true));
    EXPECT_EQ(Held(keys), "P");
    controller.Handle(Button(Gamepad::CONTROLLER_START, false));

    PadSettings settings;
    settings.pauseButton = 9;
    settings.deadZone = 0.2f;
    Gamepad chosen(&keys, settings, false);
    chosen.Handle(Button(Gamepad::RAW_START, true));
    EXPECT_EQ(Held(keys), "") << "Start is not the pause button chosen";
    chosen.Handle(Button(9, true));
    chosen.Handle(Axis(1, -0.3f));
    EXPECT_EQ(Held(keys), "UP");

    // a key the keyboard holds is the keyboard's while no pad touches it
    Keyboard own;
    Gamepad alone(&own, PadSettings(), false);
    own.KeyPress(SDLK_UP);
    alone.Handle(Hat(SDL_HAT_DOWN));
    alone.Handle(Hat(SDL_HAT_CENTERED));
    EXPECT_EQ(Held(own), "U");
    SDL_Event other = {};
    other.type = SDL_KEYDOWN;
    EXPECT_FALSE(alone.Handle(other));
}
