// travolk_assets SOURCE_DIR OUTPUT_DIR: makes the game's pictures from their text sources,
// tools/art/*.txt and res/txt/map, into OUTPUT_DIR (res/gfx of the repository when
// committing new pictures).
// travolk_assets --icon SOURCE_DIR SIZE OUTPUT_FILE: makes the desktop icon of that size.
#include "Icon.h"
#include "PixelArt.h"
#include "level/Maze.h"
#include "level/MazePicture.h"
#include "video/PngWriter.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

static bool ReadSprite(const std::string& source, const std::string& name, Image& image) {
    std::string error;
    if (!PixelArt::Read(source + "/tools/art/" + name + ".txt", image, error)) {
        std::cerr << error << std::endl;
        return false;
    }
    return true;
}

static bool MakeSprite(const std::string& source, const std::string& name, const std::string& output) {
    Image image;
    return ReadSprite(source, name, image) && PngWriter::Write(image, output + "/" + name + ".png");
}

static int MakeIcon(const std::string& source, const std::string& size, const std::string& output) {
    Image player;
    if (!ReadSprite(source, "zop", player)) {
        return 1;
    }
    const int pixels = std::atoi(size.c_str());
    if (pixels < 16 || pixels > 1024) {
        std::cerr << "icon size " << size << " is not between 16 and 1024" << std::endl;
        return 2;
    }
    return PngWriter::Write(Icon::Draw(player, pixels), output) ? 0 : 1;
}

static bool MakeMaze(const std::string& source, const std::string& output) {
    std::ifstream file(source + "/res/txt/map", std::ios::binary);
    const Maze maze = Maze::Read(file);
    const std::vector<Maze::Problem> problems = maze.Problems();
    for (const Maze::Problem& problem : problems) {
        std::cerr << source << "/res/txt/map:" << problem.cell.row + 1 << ": " << problem.text << std::endl;
    }
    return problems.empty() && PngWriter::Write(MazePicture::Draw(maze.Rows()), output + "/map4.png");
}

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--icon") {
        return MakeIcon(argv[2], argv[3], argv[4]);
    }
    if (argc != 3) {
        std::cerr << "usage: travolk_assets SOURCE_DIR OUTPUT_DIR\n"
                     "       travolk_assets --icon SOURCE_DIR SIZE OUTPUT_FILE"
                  << std::endl;
        return 2;
    }
    const std::string source = argv[1];
    const std::string output = argv[2];
    bool ok = true;
    for (const char* name : {"bit", "zop", "unicorn"}) {
        ok = MakeSprite(source, name, output) && ok;
    }
    ok = MakeMaze(source, output) && ok;
    return ok ? 0 : 1;
}
