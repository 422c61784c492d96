#pragma once

#include <string>

// The nearly empty maze a new one starts from: the border walled, the pen walled round its
// places and left empty, pellets everywhere else and a big one in each corner. Playable as
// it is, and the same mirrored left to right.
class BlankMaze {
public:
    // as a maze file holds it: each row of cells ends with a line end
    static std::string Text();

private:
    BlankMaze() {}
};
