#include "app/PageAnswers.h"

#include "level/Maze.h"

#include <cstdint>
#include <cstdio>
#include <string>

static std::string Flag(bool value) {
    return value ? "true" : "false";
}

static std::string Number(int value) {
    return std::to_string(value);
}

std::string PageAnswers::Report(const MazeOffer::Report& report) {
    std::string json =
        "{\"playable\":" + Flag(report.playable) + ",\"taken\":" + Flag(report.taken) + ",\"findings\":[";
    for (size_t i = 0; i < report.findings.size(); ++i) {
        const MazeCheck::Finding& finding = report.findings[i];
        json += std::string(i > 0 ? "," : "") + "{\"row\":" + Number(finding.cell.row) +
                ",\"column\":" + Number(finding.cell.column) + ",\"error\":" + Flag(finding.error) +
                ",\"text\":" + Quote(finding.text) + ",\"said\":" + Quote(MazeCheck::Line(finding)) + "}";
    }
    return json + "]}";
}

std::string PageAnswers::Rules() {
    std::string json = "{\"rows\":" + Number(Maze::ROWS) + ",\"columns\":" + Number(Maze::COLUMNS) +
                       ",\"cell\":" + Number(Maze::CELL) +
                       ",\"letters\":{\"wall\":" + Quote(std::string(1, Maze::WALL)) +
                       ",\"bit\":" + Quote(std::string(1, Maze::BIT)) +
                       ",\"bigBit\":" + Quote(std::string(1, Maze::BIG_BIT)) +
                       ",\"empty\":" + Quote(std::string(1, Maze::EMPTY)) + "},\"places\":[";
    const std::vector<MazeCheck::Place> places = MazeCheck::FixedPlaces();
    for (size_t i = 0; i < places.size(); ++i) {
        json += std::string(i > 0 ? "," : "") + "{\"row\":" + Number(places[i].cell.row) +
                ",\"column\":" + Number(places[i].cell.column) + ",\"kind\":\"" + KindCode(places[i].kind) +
                "\"}";
    }
    return json + "]}";
}

// a JSON string: quotes, backslashes and control bytes escaped, other bytes as they are
std::string PageAnswers::Quote(const std::string& text) {
    std::string quoted = "\"";
    for (const char byte : text) {
        if (byte == '"' || byte == '\\') {
            quoted += std::string("\\") + byte;
        } else if (static_cast<unsigned char>(byte) < 0x20) {
            char escaped[8];
            snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(byte));
            quoted += escaped;
        } else {
            quoted += byte;
        }
    }
    return quoted + "\"";
}

const char* PageAnswers::KindCode(MazeCheck::PlaceKind kind) {
    switch (kind) {
    case MazeCheck::PLACE_PLAYER_START:
        return "player-start";
    case MazeCheck::PLACE_RELEASE_POINT:
        return "release-point";
    case MazeCheck::PLACE_PEN:
        return "pen";
    }
    return "";
}

std::string PageAnswers::Picture(const Image& picture) {
    return "{\"width\":" + Number(picture.width) + ",\"height\":" + Number(picture.height) +
           ",\"rgba\":" + std::to_string(reinterpret_cast<uintptr_t>(picture.rgba.data())) + "}";
}
