#include "collision/CollisionDetector.h"

#include "collision/Line.h"
#include "collision/Rectangle.h"

#include <gtest/gtest.h>

#include <limits>

static Rectangle Box(float width, float height) {
    const float w = width * 0.5f;
    const float h = height * 0.5f;
    return Rectangle{{{-w, -h, 0}, {w, -h, 0}, {w, h, 0}, {-w, h, 0}}};
}

static Transform At(float x, float y, float rotation = 0) {
    Transform transform;
    transform.pos = Vector{x, y, 0};
    transform.rotation = rotation;
    return transform;
}

static Line Seg(float x1, float y1, float x2, float y2) {
    return Line{{x1, y1, 0}, {x2, y2, 0}};
}

TEST(CollisionTest, TouchingEdgesDoNotCollideOverlapsDo) {
    struct Case {
        float w1, h1, w2, h2, dx, dy;
        bool expected;
    };
    const Case cases[] = {
        {16, 16, 16, 16, 16, 0, false},  {16, 16, 16, 16, 15, 0, true},     {16, 16, 16, 16, 0, 16, false},
        {16, 16, 16, 16, 16, 16, false}, {10, 10, 16, 16, 13, 0, false},    {10, 10, 16, 16, 12.9f, 0, true},
        {10, 10, 16, 16, -13, 0, false}, {10, 10, 16, 16, 0, -12.9f, true}, {4, 4, 16, 16, 0, 0, true},
        {16, 16, 4, 4, 0, 0, true},      {10, 10, 6, 6, 100, 100, false},
    };
    for (const Case& c : cases) {
        const Rectangle a = Box(c.w1, c.h1);
        const Rectangle b = Box(c.w2, c.h2);
        EXPECT_EQ(CollisionDetector::Test(a, At(100, 100), b, At(100 + c.dx, 100 + c.dy)), c.expected)
            << c.w1 << "x" << c.h1 << " vs " << c.w2 << "x" << c.h2 << " at " << c.dx << "," << c.dy;
        EXPECT_EQ(CollisionDetector::Test(b, At(100 + c.dx, 100 + c.dy), a, At(100, 100)), c.expected)
            << "swapped";
    }
}

TEST(CollisionTest, RotationUsesTheEdgeTestOnUnrotatedCorners) {
    // the small box lies inside: no edges cross, and the corners are never rotated
    EXPECT_FALSE(CollisionDetector::Test(Box(4, 4), At(50, 50, 90), Box(16, 16), At(50, 50)));
    EXPECT_FALSE(CollisionDetector::Test(Box(4, 4), At(50, 50), Box(16, 16), At(50, 50, 90)));
    // overlapping by a few pixels, the edges cross
    EXPECT_TRUE(CollisionDetector::Test(Box(16, 16), At(50, 50, 90), Box(16, 16), At(60, 53)));
    // scale is never applied: a scaled-up transform keeps its hitbox
    Transform scaled = At(70, 50);
    scaled.scale = Vector{3, 3, 3};
    EXPECT_FALSE(CollisionDetector::Test(Box(16, 16), At(50, 50), Box(4, 4), scaled));
}

TEST(CollisionTest, LeftmostCornerDecidesWhereTheBoxIsRead) {
    // the same box listed from another corner, still clockwise on screen
    const Rectangle rotatedList{{{8, -8, 0}, {8, 8, 0}, {-8, 8, 0}, {-8, -8, 0}}};
    EXPECT_TRUE(CollisionDetector::Test(rotatedList, At(0, 0), Box(16, 16), At(15, 0)));
    EXPECT_FALSE(CollisionDetector::Test(rotatedList, At(0, 0), Box(16, 16), At(16, 0)));
}

TEST(CollisionIntersect, AxisAlignedPairsCountTheirEnds) {
    EXPECT_TRUE(CollisionDetector::Intersect(Seg(0, 0, 10, 0), Seg(10, 0, 10, 5)));
    EXPECT_FALSE(CollisionDetector::Intersect(Seg(0, 0, 10, 0), Seg(5, 1, 5, 5)));
    EXPECT_TRUE(CollisionDetector::Intersect(Seg(5, -5, 5, 5), Seg(0, 0, 10, 0)));
    EXPECT_TRUE(CollisionDetector::Intersect(Seg(5, 0, 5, 5), Seg(10, 0, 0, 0)));
}

TEST(CollisionIntersect, SlopedSegments) {
    EXPECT_TRUE(CollisionDetector::Intersect(Seg(0, 0, 10, 10), Seg(0, 10, 10, 0)));
    EXPECT_FALSE(CollisionDetector::Intersect(Seg(0, 0, 10, 10), Seg(0, 0, 10, -10))) << "shared start";
    EXPECT_TRUE(CollisionDetector::Intersect(Seg(-10, -10, 0, 0), Seg(-10, 10, 0, 0))) << "shared end";
    EXPECT_FALSE(CollisionDetector::Intersect(Seg(0, 0, 10, 10), Seg(5, 5, 10, 0))) << "b's start";
    EXPECT_TRUE(CollisionDetector::Intersect(Seg(0, 0, 10, 10), Seg(10, 0, 5, 5))) << "b's end";
    EXPECT_FALSE(CollisionDetector::Intersect(Seg(0, 0, 10, 10), Seg(20, 0, 30, -10))) << "apart";
}

TEST(CollisionIntersect, ParallelZeroLengthAndVerticalAgainstSloped) {
    EXPECT_FALSE(CollisionDetector::Intersect(Seg(0, 0, 10, 0), Seg(5, 0, 15, 0)));
    EXPECT_FALSE(CollisionDetector::Intersect(Seg(0, 0, 0, 10), Seg(0, 5, 0, 15)));
    // slopes 1 and 1.009 cross at x 4.4, on both segments
    EXPECT_FALSE(CollisionDetector::Intersect(Seg(0, 0, 10, 10), Seg(0, -0.04f, 10, 10.05f)));
    EXPECT_TRUE(CollisionDetector::Intersect(Seg(0, 0, 10, 10), Seg(0, -0.2f, 10, 10.3f)))
        << "slopes 0.05 apart";
    EXPECT_FALSE(CollisionDetector::Intersect(Seg(3, 3, 3, 3), Seg(0, 0, 10, 10)));
    EXPECT_FALSE(CollisionDetector::Intersect(Seg(0, 0, 10, 10), Seg(3, 3, 3, 3)));
    EXPECT_FALSE(CollisionDetector::Intersect(Seg(3, 3, 3, 3), Seg(0, 0, 0, 10)));
    EXPECT_FALSE(CollisionDetector::Intersect(Seg(5, 0, 5, 10), Seg(0, 0, 10, 10)));
    EXPECT_FALSE(CollisionDetector::Intersect(Seg(0, 0, 10, 10), Seg(5, 0, 5, 10)));
}

TEST(CollisionIntersect2, CrossingMustLieOnAStartExcludedEndIncluded) {
    EXPECT_TRUE(CollisionDetector::Intersect2(Seg(5, 0, 5, 10), Seg(0, 0, 10, 10)));
    EXPECT_FALSE(CollisionDetector::Intersect2(Seg(5, 0, 5, 10), Seg(0, -10, 10, 0)));
    EXPECT_TRUE(CollisionDetector::Intersect2(Seg(5, 10, 5, 0), Seg(0, 0, 10, 10))) << "a running upwards";
    EXPECT_FALSE(CollisionDetector::Intersect2(Seg(0, 0, 10, 10), Seg(0, 0, 10, -10))) << "a's start";
    EXPECT_TRUE(CollisionDetector::Intersect2(Seg(0, 0, 10, 10), Seg(0, 20, 20, 0))) << "a's end";
    EXPECT_TRUE(CollisionDetector::Intersect2(Seg(10, 10, 0, 0), Seg(0, 10, 10, 0))) << "a running leftwards";
    EXPECT_FALSE(CollisionDetector::Intersect2(Seg(0, 0, 10, 10), Seg(0, 5, 10, 15))) << "parallel";
}

TEST(CollisionBetween, ClosedIntervalInEitherOrder) {
    EXPECT_TRUE(CollisionDetector::Between(5, 10, 0));
    EXPECT_TRUE(CollisionDetector::Between(5, 0, 10));
    EXPECT_TRUE(CollisionDetector::Between(0, 0, 0));
    EXPECT_TRUE(CollisionDetector::Between(10, 0, 10));
    EXPECT_FALSE(CollisionDetector::Between(3, 1, 1));
    EXPECT_FALSE(CollisionDetector::Between(-0.5f, 0, 10));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(CollisionDetector::Between(1, nan, 1)) << "a NaN bound holds nothing, in either place";
    EXPECT_FALSE(CollisionDetector::Between(1, 1, nan));
}
