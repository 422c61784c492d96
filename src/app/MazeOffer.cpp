#include "app/MazeOffer.h"

#include "app/Game.h"
#include "level/Maze.h"
#include "level/MazeCheck.h"
#include "level/MazePicture.h"
#include "video/PngWriter.h"

#include <fstream>
#include <vector>

static const char* const MAZE_FILE = "res/txt/map";
static const char* const MAZE_PICTURE = "res/gfx/map4.png";

static std::string JoinRows(const Maze& maze) {
    std::string text;
    for (const std::string& row : maze.Rows()) {
        text += row + "\n";
    }
    return text;
}

std::string MazeOffer::Take(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return "unreadable\n";
    }
    const Maze maze = Maze::Read(file);
    const std::vector<MazeCheck::Finding> findings = MazeCheck::Check(maze);
    const bool playable = MazeCheck::Playable(findings) && Install(path, maze);
    std::string report = playable ? "playable\n" : "unplayable\n";
    for (const MazeCheck::Finding& finding : findings) {
        report += std::to_string(finding.cell.row + 1) + ":" + std::to_string(finding.cell.column + 1) +
                  ": " + (finding.error ? "error: " : "warning: ") + finding.text + "\n";
    }
    return report;
}

// The file as handed (the loader reads it as the check did) and its picture.
bool MazeOffer::Install(const std::string& path, const Maze& maze) {
    std::ifstream from(path, std::ios::binary);
    std::ofstream to(MAZE_FILE, std::ios::binary | std::ios::trunc);
    to << from.rdbuf();
    to.close();
    if (!to || !PngWriter::Write(MazePicture::Draw(maze.Rows()), MAZE_PICTURE)) {
        return false;
    }
    Game::NewMaze();
    return true;
}

std::string MazeOffer::Current() {
    std::ifstream file(MAZE_FILE, std::ios::binary);
    return JoinRows(Maze::Read(file));
}
