#include "video/QuadBatch.h"

#include "video/PlayArea.h"
#include "video/Texture.h"

#include <cmath>

namespace {

// Where a picture lands: the parts of an OpenGL matrix that a flat picture uses (column by
// column: m0 m1, m4 m5, then the translation m12 m13), changed as glTranslatef, glScalef
// and glRotatef change them, in single precision and in the same order of operations, so
// that a corner comes out with the very bits the fixed-function pipeline gave it.
struct Placement {
    float m0 = 1, m1 = 0, m4 = 0, m5 = 1, m12 = 0, m13 = 0;

    void Translate(float x, float y) {
        m12 = m0 * x + m4 * y + m12;
        m13 = m1 * x + m5 * y + m13;
    }
    void Scale(float x, float y) {
        m0 *= x;
        m1 *= x;
        m4 *= y;
        m5 *= y;
    }
    void Rotate(float degrees) {
        const double radians = degrees * 3.14159265358979323846 / 180.0;
        const float sine = static_cast<float>(std::sin(radians));
        const float cosine = static_cast<float>(std::cos(radians));
        const Placement before = *this;
        m0 = before.m0 * cosine + before.m4 * sine;
        m1 = before.m1 * cosine + before.m5 * sine;
        m4 = before.m0 * -sine + before.m4 * cosine;
        m5 = before.m1 * -sine + before.m5 * cosine;
    }
    // Seen through the play area's projection (glOrtho(0, width, height, 0, -1, 1)): the
    // place in clip space, x from -1 at the left edge to 1 at the right, y from 1 at the
    // top to -1 at the bottom.
    Placement Projected() const {
        const float scaleX = 2.0f / static_cast<float>(PlayArea::WIDTH);
        const float scaleY = 2.0f / static_cast<float>(0 - PlayArea::HEIGHT);
        Placement clip;
        clip.m0 = scaleX * m0;
        clip.m4 = scaleX * m4;
        clip.m12 = scaleX * m12 + -1.0f;
        clip.m1 = scaleY * m1;
        clip.m5 = scaleY * m5;
        clip.m13 = scaleY * m13 + 1.0f;
        return clip;
    }
    float X(float x, float y) const { return m0 * x + m4 * y + m12; }
    float Y(float x, float y) const { return m1 * x + m5 * y + m13; }
};

} // namespace

// The unit square's corners, in drawing order: the picture's first row at the top.
static const float CORNERS[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

void QuadBatch::Add(const Texture& texture, const Transform& transform, const Vector& offset,
                    const Colour& colour, float brightness) {
    if (_runs.empty() || _runs.back().texture != texture.id) {
        _runs.push_back(Run{texture.id, _vertices.size(), 0});
    }
    // the unit square becomes the picture, centred on the origin, turned, stretched, placed
    Placement placement;
    placement.Translate(offset.x, offset.y);
    placement.Translate(transform.pos.x, transform.pos.y);
    placement.Scale(transform.scale.x, transform.scale.y);
    placement.Rotate(transform.rotation);
    placement.Translate(-0.5f * texture.width, -0.5f * texture.height);
    placement.Scale(texture.width, texture.height);
    const Placement clip = placement.Projected();
    const float r = colour.r * brightness;
    const float g = colour.g * brightness;
    const float b = colour.b * brightness;
    for (const auto& corner : CORNERS) {
        _vertices.push_back(Vertex{clip.X(corner[0], corner[1]), clip.Y(corner[0], corner[1]),
                                   corner[0] * texture.maxU, corner[1] * texture.maxV, r, g, b, colour.a});
    }
    _runs.back().count += 4;
}

void QuadBatch::Clear() {
    _vertices.clear();
    _runs.clear();
}
