// travolk-maze: checks a maze file for the game and turns it into a data folder that the
// game runs in (travolk --datadir DIR).
#include "level/Maze.h"
#include "level/MazeCheck.h"
#include "level/MazePicture.h"
#include "video/PngWriter.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

static const char* const USAGE =
    "Usage: travolk-maze check FILE\n"
    "       travolk-maze build FILE DIR [--datadir GAMEDIR]\n"
    "check reads FILE as the game reads res/txt/map (31 rows of 28 cells: X wall, D pellet,\n"
    "B big pellet, S empty) and reports each finding as FILE:LINE:COLUMN. Exit 0 when the\n"
    "maze is playable (warnings allowed), 1 when not, 2 when FILE cannot be read.\n"
    "build checks FILE, then makes DIR a data folder with the maze, its picture, the game's\n"
    "other pictures and its font (from GAMEDIR, the installed game's by default): play it\n"
    "with travolk --datadir DIR.\n";

// 2 when the file cannot be read, otherwise 0 or 1 as the maze is playable or not
static int Check(const std::string& path, std::vector<std::string>& rows) {
    std::ifstream file(path, std::ios::binary);
    if (!file || fs::is_directory(path)) {
        std::cerr << "travolk-maze: cannot read " << path << std::endl;
        return 2;
    }
    const Maze maze = Maze::Read(file);
    rows = maze.Rows();
    const std::vector<MazeCheck::Finding> findings = MazeCheck::Check(maze);
    for (const MazeCheck::Finding& finding : findings) {
        std::cout << path << ":" << MazeCheck::Line(finding) << std::endl;
    }
    return MazeCheck::Playable(findings) ? 0 : 1;
}

static bool Build(const std::string& mazeFile, const std::vector<std::string>& rows, const fs::path& dir,
                  const fs::path& game) {
    std::error_code error;
    fs::create_directories(dir / "res/txt", error);
    fs::create_directories(dir / "res/gfx", error);
    fs::create_directories(dir / "res/fnt", error);
    fs::copy_file(mazeFile, dir / "res/txt/map", fs::copy_options::overwrite_existing, error);
    for (const char* picture : {"bit.png", "zop.png", "unicorn.png"}) {
        if (!error) {
            fs::copy_file(game / "res/gfx" / picture, dir / "res/gfx" / picture,
                          fs::copy_options::overwrite_existing, error);
        }
    }
    const fs::path font = dir / "res/fnt/libsans.ttf";
    if (!error) {
        fs::remove(font, error);
        fs::create_symlink(fs::canonical(game / "res/fnt/libsans.ttf", error), font, error);
    }
    if (error) {
        std::cerr << "travolk-maze: cannot make " << dir.string() << " from " << game.string() << " ("
                  << error.message() << ")" << std::endl;
        return false;
    }
    return PngWriter::Write(MazePicture::Draw(rows), (dir / "res/gfx/map4.png").string());
}

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--help") {
        std::cout << USAGE;
        return 0;
    }
    std::vector<std::string> rows;
    if (args.size() == 2 && args[0] == "check") {
        return Check(args[1], rows);
    }
    const bool gameGiven = args.size() == 5 && args[3] == "--datadir";
    if (args.size() >= 3 && args[0] == "build" && (args.size() == 3 || gameGiven)) {
        const int status = Check(args[1], rows);
        if (status != 0) {
            return status;
        }
        const fs::path game = gameGiven ? fs::path(args[4]) : fs::path(TRAVOLK_INSTALLED_DATADIR);
        if (!Build(args[1], rows, args[2], game)) {
            return 2;
        }
        std::cout << "Made " << args[2] << ": play it with travolk --datadir " << args[2] << std::endl;
        return 0;
    }
    std::cerr << USAGE;
    return 2;
}
