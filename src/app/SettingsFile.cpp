#include "app/SettingsFile.h"

#include "app/Options.h"
#include "core/Log.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

WindowSettings SettingsFile::Load(const std::string& path) {
    WindowSettings settings;
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) {
        return settings;
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file || !std::filesystem::is_regular_file(path, error)) {
        Log::Line("Error: Could not read settings file " + path);
        return WindowSettings();
    }
    if (!Parse(text.str(), settings)) {
        Log::Line("Error: Damaged settings file " + path + ", using the defaults");
        return WindowSettings();
    }
    return settings;
}

// Blank lines and lines starting with '#' are skipped, and so are keys of other versions;
// a line without '=' or a value out of range makes the file damaged.
bool SettingsFile::Parse(const std::string& text, WindowSettings& settings) {
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
            settings.scale = Options::ParseScale(value);
            if (settings.scale == 0) {
                return false;
            }
        } else if (key == "fullscreen") {
            if (value != "0" && value != "1") {
                return false;
            }
            settings.fullscreen = value == "1";
        }
    }
    return true;
}

bool SettingsFile::Save(const std::string& path, const WindowSettings& settings) {
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
             << "fullscreen=" << (settings.fullscreen ? 1 : 0) << "\n"
             << "scale=" << settings.scale << "\n";
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
