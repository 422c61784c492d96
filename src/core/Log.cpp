#include "core/Log.h"

#include <SDL.h>

#include <iostream>

void Log::Line(const std::string& text) {
    std::cout << text << std::endl;
}

void Log::SdlError(const std::string& what) {
    Line("Error: " + what + " " + SdlReason());
}

std::string Log::SdlReason() {
    return std::string("(") + SDL_GetError() + ")";
}
