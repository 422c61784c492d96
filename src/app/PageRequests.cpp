// What the page around the browser game may ask of it: plain C functions that the page
// calls by name between the game's steps. The build exports them where there is a page.
// The page's maze editor asks here too, so that its mazes are read and checked by the
// game's own code.
#include "app/MazeOffer.h"
#include "level/BlankMaze.h"
#include "level/MazeCheck.h"

#include <string>

// the text the page reads from the last call, until the next
static const char* Answer(const std::string& text) {
    static std::string answer;
    answer = text;
    return answer.c_str();
}

extern "C" const char* travolk_offer_maze(const char* path) {
    return Answer(MazeOffer::Take(path));
}

extern "C" const char* travolk_current_maze() {
    return Answer(MazeOffer::Current());
}

extern "C" const char* travolk_check_maze(const char* text) {
    return Answer(MazeOffer::Check(text));
}

extern "C" const char* travolk_read_maze(const char* path) {
    return Answer(MazeOffer::Read(path));
}

extern "C" const char* travolk_blank_maze() {
    return Answer(BlankMaze::Text());
}

// LINE:COLUMN: name, a line for each cell of a fixed place
extern "C" const char* travolk_fixed_places() {
    std::string lines;
    for (const MazeCheck::Place& place : MazeCheck::FixedPlaces()) {
        lines += MazeCheck::Position(place.cell) + ": " + place.name + "\n";
    }
    return Answer(lines);
}
