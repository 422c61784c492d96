#include "app/MazeOffer.h"

#include "app/Game.h"
#include "level/Maze.h"
#include "level/MazePicture.h"
#include "video/PngWriter.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

static const char* const MAZE_FILE = "res/txt/map";
static const char* const MAZE_PICTURE = "res/gfx/map4.png";
// what a new maze is written into first, beside the file it replaces
static const char* const NEW_SUFFIX = ".new";

static std::string JoinRows(const Maze& maze) {
    std::string text;
    for (const std::string& row : maze.Rows()) {
        text += row + "\n";
    }
    return text;
}

MazeOffer::Report MazeOffer::Take(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return Report();
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::istringstream in(bytes);
    const Maze maze = Maze::Read(in);
    Report report;
    report.findings = MazeCheck::Check(maze);
    report.playable = MazeCheck::Playable(report.findings);
    report.taken = report.playable && Install(bytes, maze);
    return report;
}

MazeOffer::Report MazeOffer::Check(const std::string& bytes) {
    std::istringstream in(bytes);
    Report report;
    report.findings = MazeCheck::Check(in);
    report.playable = MazeCheck::Playable(report.findings);
    return report;
}

// The bytes checked (the loader reads them as the check did) and their picture, each
// written beside its file and renamed over it only once both are whole: a failure leaves
// the maze being played, and the one the next game loads, as they were. The maze goes last,
// as it decides what is played.
bool MazeOffer::Install(const std::string& bytes, const Maze& maze) {
    const std::string newMaze = std::string(MAZE_FILE) + NEW_SUFFIX;
    const std::string newPicture = std::string(MAZE_PICTURE) + NEW_SUFFIX;
    std::ofstream to(newMaze, std::ios::binary | std::ios::trunc);
    to << bytes;
    to.close();
    const bool written = to && PngWriter::Write(MazePicture::Draw(maze.Rows()), newPicture);
    if (!written || std::rename(newPicture.c_str(), MAZE_PICTURE) != 0 ||
        std::rename(newMaze.c_str(), MAZE_FILE) != 0) {
        std::remove(newMaze.c_str());
        std::remove(newPicture.c_str());
        return false;
    }
    Game::NewMaze();
    return true;
}

std::string MazeOffer::Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return JoinRows(Maze::Read(file));
}

std::string MazeOffer::Current() {
    return Read(MAZE_FILE);
}

Image MazeOffer::Picture(const std::string& bytes) {
    std::istringstream in(bytes);
    return MazePicture::Draw(Maze::Read(in).Rows());
}
