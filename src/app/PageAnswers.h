#pragma once

#include "app/MazeOffer.h"
#include "video/Image.h"

#include <string>

// The game's answers to the browser page, as JSON: plain data for the page's script, with
// no wording of the game's for it to match. Cells count from 0, as rows and columns; only
// the text said, as the maze tool says it, counts its LINE:COLUMN from 1.
class PageAnswers {
public:
    // {"playable":..,"taken":..,"findings":[{"row":..,"column":..,"error":..,"text":"..",
    // "said":"LINE:COLUMN: error|warning: text"}, ...]}
    static std::string Report(const MazeOffer::Report& report);
    // what the page needs to know of a maze: the grid's size, a cell's pixels in the maze
    // picture, the letter of each kind of cell, and the fixed places' cells, each with the
    // code of its kind ("player-start", "release-point", "pen")
    static std::string Rules();
    // a picture the page copies out of the game's memory: {"width":..,"height":..,"rgba":..},
    // rgba where its RGBA bytes lie, rows top to bottom
    static std::string Picture(const Image& picture);

private:
    PageAnswers() {}

    static std::string Quote(const std::string& text);
    static const char* KindCode(MazeCheck::PlaceKind kind);
};
