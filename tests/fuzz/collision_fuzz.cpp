// The collision tests on arbitrary floats, NaN and infinities included: the overlap of two
// unrotated boxes does not depend on their order, nor Between on the order of its bounds.
#include "collision/CollisionDetector.h"
#include "collision/Line.h"
#include "collision/Rectangle.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

static const size_t FLOATS = 24;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    float f[FLOATS] = {};
    memcpy(f, data, size < sizeof f ? size : sizeof f);
    Rectangle r1, r2;
    for (int i = 0; i < 4; ++i) {
        r1.corners[i] = Vector{f[2 * i], f[2 * i + 1], 0};
        r2.corners[i] = Vector{f[8 + 2 * i], f[9 + 2 * i], 0};
    }
    Transform t1, t2;
    t1.pos = Vector{f[16], f[17], 0};
    t2.pos = Vector{f[18], f[19], 0};
    if (CollisionDetector::Test(r1, t1, r2, t2) != CollisionDetector::Test(r2, t2, r1, t1)) {
        abort();
    }
    if (CollisionDetector::Between(f[20], f[21], f[22]) != CollisionDetector::Between(f[20], f[22], f[21])) {
        abort();
    }
    // rotated: the slow path must only return, never fault
    t1.rotation = f[23];
    CollisionDetector::Test(r1, t1, r2, t2);
    CollisionDetector::Intersect(Line{r1.corners[0], r1.corners[1]}, Line{r2.corners[2], r2.corners[3]});
    return 0;
}
