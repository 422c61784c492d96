#pragma once

#include "actors/GameObject.h"

#include <istream>

// The level: shows the maze picture and turns the map file into walls, bits and big bits,
// which it hands to the current state. Owns none of them.
class Map : public GameObject {
public:
    // pos is the top-left corner of the picture; the map stores its centre
    explicit Map(const Vector& pos);
    ~Map() override {}

    void Update() override {}
    void Move() override {}

    // reads "res/txt/map"
    void LoadMap();
    // reads a map from any stream, as LoadMap does with the file
    void ReadMap(std::istream& in);

private:
    void AddCell(char byte, const Vector& centre);
};
