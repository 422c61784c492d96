#include "collision/CollisionDetector.h"

#include "collision/Line.h"
#include "collision/Rectangle.h"

#include <cmath>

static const double PARALLEL = 0.01;

static Rectangle Place(const Rectangle& box, const Vector& pos) {
    Rectangle placed = box;
    for (Vector& corner : placed.corners) {
        corner.x += pos.x;
        corner.y += pos.y;
        corner.z += pos.z;
    }
    return placed;
}

static int Leftmost(const float x[4]) {
    int leftmost = 0;
    for (int i = 1; i < 4; ++i) {
        if (x[i] < x[leftmost]) {
            leftmost = i;
        }
    }
    return leftmost;
}

// Runs for every candidate pair of every frame and rejects nearly all of them on x, so it
// places only the coordinates that it compares, each exactly as Place would.
bool CollisionDetector::Test(const Rectangle& r1, const Transform& t1, const Rectangle& r2,
                             const Transform& t2) {
    const Vector* c1 = r1.corners;
    const Vector* c2 = r2.corners;
    const float x1[4] = {c1[0].x + t1.pos.x, c1[1].x + t1.pos.x, c1[2].x + t1.pos.x, c1[3].x + t1.pos.x};
    const float x2[4] = {c2[0].x + t2.pos.x, c2[1].x + t2.pos.x, c2[2].x + t2.pos.x, c2[3].x + t2.pos.x};
    // the extent is read clockwise from the leftmost corner: then top, right, bottom
    const int i1 = Leftmost(x1);
    const int i2 = Leftmost(x2);
    if (!(x1[i1] < x2[(i2 + 2) % 4] && x2[i2] < x1[(i1 + 2) % 4])) {
        return false;
    }
    const float top1 = c1[(i1 + 1) % 4].y + t1.pos.y;
    const float bottom1 = c1[(i1 + 3) % 4].y + t1.pos.y;
    const float top2 = c2[(i2 + 1) % 4].y + t2.pos.y;
    const float bottom2 = c2[(i2 + 3) % 4].y + t2.pos.y;
    if (!(top1 < bottom2 && top2 < bottom1)) {
        return false;
    }
    if (t1.rotation == 0 && t2.rotation == 0) {
        return true;
    }
    // neither scale nor rotation is applied to the corners
    return EdgesCross(Place(r1, t1.pos), Place(r2, t2.pos));
}

bool CollisionDetector::EdgesCross(const Rectangle& r1, const Rectangle& r2) {
    for (int i = 0; i < 4; ++i) {
        const Line edge1{r1.corners[i], r1.corners[(i + 1) % 4]};
        for (int j = 0; j < 4; ++j) {
            const Line edge2{r2.corners[j], r2.corners[(j + 1) % 4]};
            if (Intersect(edge1, edge2)) {
                return true;
            }
        }
    }
    return false;
}

bool CollisionDetector::Intersect(const Line& a, const Line& b) {
    const double dxa = static_cast<double>(a.end.x) - a.start.x;
    const double dya = static_cast<double>(a.end.y) - a.start.y;
    const double dxb = static_cast<double>(b.end.x) - b.start.x;
    const double dyb = static_cast<double>(b.end.y) - b.start.y;
    // parallel and nearly parallel segments never cross; NaN and infinite differences go on
    if (std::fabs(dya / dxa - dyb / dxb) < PARALLEL) {
        return false;
    }
    if ((dxa == 0 && dya == 0) || (dxb == 0 && dyb == 0)) {
        return false;
    }
    if (dya == 0 && dxb == 0) {
        return Between(a.start.y, b.start.y, b.end.y) && Between(b.start.x, a.start.x, a.end.x);
    }
    if (dxa == 0 && dyb == 0) {
        return Between(b.start.y, a.start.y, a.end.y) && Between(a.start.x, b.start.x, b.end.x);
    }
    return Intersect2(a, b) && Intersect2(b, a);
}

bool CollisionDetector::Intersect2(const Line& a, const Line& b) {
    const double dxa = static_cast<double>(a.end.x) - a.start.x;
    const double dya = static_cast<double>(a.end.y) - a.start.y;
    const double dxb = static_cast<double>(b.end.x) - b.start.x;
    const double dyb = static_cast<double>(b.end.y) - b.start.y;
    const double offsetX = static_cast<double>(b.start.x) - a.start.x;
    const double offsetY = static_cast<double>(b.start.y) - a.start.y;
    if (dxa != 0) {
        const double ma = dya / dxa;
        const double mb = dyb / dxb;
        const double t = (mb * offsetX - offsetY) / (mb - ma);
        return dxa > 0 ? (0 < t && t <= dxa) : (dxa <= t && t < 0);
    }
    // a is vertical: the same along y
    const double ka = dxa / dya;
    const double kb = dxb / dyb;
    const double u = (kb * offsetY - offsetX) / (kb - ka);
    return dya > 0 ? (0 < u && u <= dya) : (dya <= u && u < 0);
}

bool CollisionDetector::Between(float value, float first, float second) {
    if (first > second) {
        return second <= value && value <= first;
    }
    if (first < second) {
        return first <= value && value <= second;
    }
    // equal bounds, or a NaN among them: the value must equal both
    return value == first && value == second;
}
