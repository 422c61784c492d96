#include "PixelArt.h"

#include <fstream>
#include <map>

bool PixelArt::Read(const std::string& path, Image& image, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    std::map<char, uint32_t> palette = {{'.', 0}};
    std::string line;
    while (std::getline(file, line) && line != ".") {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        palette[line[0]] = static_cast<uint32_t>(std::stoul(line.substr(2), nullptr, 16));
    }
    std::vector<std::string> rows;
    while (std::getline(file, line)) {
        if (!line.empty()) {
            rows.push_back(line);
        }
    }
    if (rows.empty()) {
        error = path + " has no picture";
        return false;
    }
    image.width = static_cast<int>(rows[0].size());
    image.height = static_cast<int>(rows.size());
    image.rgba.assign(static_cast<size_t>(image.width) * image.height * 4, 0);
    for (int y = 0; y < image.height; ++y) {
        if (static_cast<int>(rows[y].size()) != image.width) {
            error = path + ": row " + std::to_string(y) + " is not " + std::to_string(image.width) + " wide";
            return false;
        }
        for (int x = 0; x < image.width; ++x) {
            auto colour = palette.find(rows[y][x]);
            if (colour == palette.end()) {
                error = path + ": unknown colour '" + rows[y][x] + "'";
                return false;
            }
            image.Set(x, y, colour->second);
        }
    }
    return true;
}
