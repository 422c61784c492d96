#pragma once

struct Line;
struct Rectangle;
struct Transform;

// Do two hitboxes, each placed by its transform, overlap? Pure functions, in double
// precision, with IEEE infinities and NaN handling vertical and zero-length segments.
class CollisionDetector {
public:
    static bool Test(const Rectangle& r1, const Transform& t1, const Rectangle& r2, const Transform& t2);
    // the two segments cross
    static bool Intersect(const Line& a, const Line& b);
    // the line through b crosses a: a's start excluded, its end included
    static bool Intersect2(const Line& a, const Line& b);
    // value lies in the closed interval between the bounds, in either order
    static bool Between(float value, float first, float second);

private:
    static bool EdgesCross(const Rectangle& r1, const Rectangle& r2);
};
