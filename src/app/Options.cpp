#include "app/Options.h"

#include "video/WindowSettings.h"

int Options::ParseScale(const std::string& text) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    const int scale = std::stoi(text);
    return scale >= 1 && scale <= WindowSettings::MAX_SCALE ? scale : 0;
}

std::optional<uint32_t> Options::ParseSeed(const std::string& text) {
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const unsigned long long seed = std::stoull(text);
    if (seed > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(seed);
}
