#pragma once

// How a gamepad presses the game's keys; only the settings file sets them.
struct PadSettings {
    // the pause button's default: Start as the SDL 1.2 in use numbers it
    static constexpr int START_BUTTON = -1;
    static constexpr float DEAD_ZONE = 0.5f;

    int pauseButton = START_BUTTON; // the button that presses p
    float deadZone = DEAD_ZONE;     // the part of an axis's half range it must pass to steer
};
