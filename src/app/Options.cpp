#include "app/Options.h"

#include "video/WindowSettings.h"

int Options::ParseScale(const std::string& text) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    const int scale = std::stoi(text);
    return scale >= 1 && scale <= WindowSettings::MAX_SCALE ? scale : 0;
}
