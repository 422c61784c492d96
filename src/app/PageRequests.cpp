// What the page around the browser game may ask of it: plain C functions that the page
// calls by name between the game's steps. The build exports them where there is a page.
#include "app/MazeOffer.h"

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
