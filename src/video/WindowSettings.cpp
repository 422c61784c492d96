#include "video/WindowSettings.h"

#include <charconv>

int WindowSettings::ParseScale(const std::string& text) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    // from_chars rather than the C library's strtol: no locale, no exceptions, and no call
    // into a C library newer than the oldest release the package installs on
    int scale = 0;
    std::from_chars(text.data(), text.data() + text.size(), scale);
    return scale >= 1 && scale <= MAX_SCALE ? scale : 0;
}
