#pragma once

#include "actors/Vector.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct Texture;

// The quads of a frame in drawing order, as OpenGL's vertex arrays take them: each quad's
// corners placed as its transform places the picture and projected as the play area is,
// its texture coordinates and its colour. Consecutive quads of one texture form one run,
// drawn with one call; a change of texture starts a new run, so the order in which quads
// blend stays the order of the adds. Plain data: Render hands it to OpenGL.
class QuadBatch {
public:
    // one corner, interleaved as one vertex array: its place in clip space (the play area
    // from -1 to 1, y upwards), texture coordinate, colour
    struct Vertex {
        float x, y;
        float u, v;
        float r, g, b, a;
    };
    // consecutive vertices of one texture, four a quad
    struct Run {
        uint32_t texture;
        size_t first;
        size_t count;
    };

    // The picture of texture as a quad of its pixel size centred on the transform's
    // position shifted by offset, turned by its rotation and stretched by its scale,
    // tinted with colour times brightness (alpha untouched). Corners in the order top-left,
    // top-right, bottom-right, bottom-left of the picture.
    void Add(const Texture& texture, const Transform& transform, const Vector& offset, const Colour& colour,
             float brightness);
    void Clear();

    const std::vector<Vertex>& GetVertices() const { return _vertices; }
    const std::vector<Run>& GetRuns() const { return _runs; }

private:
    std::vector<Vertex> _vertices;
    std::vector<Run> _runs;
};
