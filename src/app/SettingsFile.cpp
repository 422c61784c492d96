#include "app/SettingsFile.h"

#include "app/Options.h"
#include "core/Log.h"

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <system_error>

Settings SettingsFile::Load(const std::string& path) {
    Settings settings;
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) {
        return settings;
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file || !std::filesystem::is_regular_file(path, error)) {
        Log::Line("Error: Could not read settings file " + path);
        return Settings();
    }
    if (!Parse(text.str(), settings)) {
        Log::Line("Error: Damaged settings file " + path + ", using the defaults");
        return Settings();
    }
    return settings;
}

// the highest button number SDL 1.2 can report
static const int MAX_BUTTON = 255;

// a whole number from low to high, written in decimal digits only
static bool ParseNumber(const std::string& text, int low, int high, int& number) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    number = std::stoi(text);
    return number >= low && number <= high;
}

// a fraction above 0 and below 1, written as 0.5 or .5
static bool ParseFraction(const std::string& text, float& fraction) {
    const size_t point = text.find('.');
    const std::string digits = point == std::string::npos ? "" : text.substr(point + 1);
    if (point > 1 || (point == 1 && text[0] != '0') || digits.empty() || digits.size() > 6 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    fraction = std::stof("0." + digits);
    return fraction > 0;
}

// A fraction as ParseFraction reads it back: 0., six digits at most, no trailing zeros
// (never the exponent a stream would write for 0.00001).
static std::string FractionText(float fraction) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(6) << fraction;
    std::string written = text.str();
    written.erase(written.find_last_not_of('0') + 1);
    return written;
}

// Blank lines and lines starting with '#' are skipped, and so are keys of other versions;
// a line without '=' or a value out of range makes the file damaged.
bool SettingsFile::Parse(const std::string& text, Settings& settings) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            return false;
        }
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (key == "scale") {
            settings.window.scale = Options::ParseScale(value);
            if (settings.window.scale == 0) {
                return false;
            }
        } else if (key == "fullscreen") {
            if (value != "0" && value != "1") {
                return false;
            }
            settings.window.fullscreen = value == "1";
        } else if (key == "pad_pause") {
            if (!ParseNumber(value, 0, MAX_BUTTON, settings.pad.pauseButton)) {
                return false;
            }
        } else if (key == "pad_dead_zone") {
            if (!ParseFraction(value, settings.pad.deadZone)) {
                return false;
            }
        }
    }
    return true;
}

bool SettingsFile::Save(const std::string& path, const Settings& settings) {
    if (path.empty()) {
        return false;
    }
    const std::filesystem::path target(path);
    const std::filesystem::path temporary = target.string() + ".new";
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << "# Travolk's remembered window choices\n"
             << "fullscreen=" << (settings.window.fullscreen ? 1 : 0) << "\n"
             << "scale=" << settings.window.scale << "\n";
        if (settings.pad.pauseButton != PadSettings::START_BUTTON) {
            file << "pad_pause=" << settings.pad.pauseButton << "\n";
        }
        if (settings.pad.deadZone != PadSettings::DEAD_ZONE) {
            file << "pad_dead_zone=" << FractionText(settings.pad.deadZone) << "\n";
        }
        file.close();
        if (!file) {
            Log::Line("Error: Could not write settings file " + path);
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        Log::Line("Error: Could not write settings file " + path + " (" + error.message() + ")");
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
