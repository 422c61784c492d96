// travolk_assets SOURCE_DIR OUTPUT_DIR: makes the game's pictures from their text sources,
// tools/art/*.txt and res/txt/map, into OUTPUT_DIR (res/gfx of the repository when
// committing new pictures).
#include "MazePicture.h"
#include "PixelArt.h"
#include "PngWriter.h"

#include <iostream>

static bool MakeSprite(const std::string& source, const std::string& name, const std::string& output) {
    Image image;
    std::string error;
    if (!PixelArt::Read(source + "/tools/art/" + name + ".txt", image, error)) {
        std::cerr << error << std::endl;
        return false;
    }
    return PngWriter::Write(image, output + "/" + name + ".png");
}

static bool MakeMaze(const std::string& source, const std::string& output) {
    std::vector<std::string> rows;
    std::string error;
    if (!MazePicture::Read(source + "/res/txt/map", rows, error)) {
        std::cerr << error << std::endl;
        return false;
    }
    return PngWriter::Write(MazePicture::Draw(rows), output + "/map4.png");
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: travolk_assets SOURCE_DIR OUTPUT_DIR" << std::endl;
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
