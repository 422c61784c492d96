#pragma once

#include "core/PadSettings.h"
#include "video/WindowSettings.h"

// Everything the settings file remembers: the window's choices, and how a gamepad plays.
struct Settings {
    WindowSettings window;
    PadSettings pad;
};
