#include "actors/GameObject.h"

#include "collision/Rectangle.h"
#include "support/Probe.h"

#include <gtest/gtest.h>

class Mover : public GameObject {
public:
    explicit Mover(const Vector& pos) : GameObject(pos) {}
    void Update() override {}
    void Move() override { Step(); }
    void Box(float w, float h) {
        _width = w;
        _height = h;
        BuildHitbox();
    }
};

TEST(Entity, NewEntityDefaults) {
    Mover object(Vector{3, 4, 0});
    EXPECT_FALSE(object.HasMoved());
    EXPECT_EQ(object.GetHitbox(), nullptr);
    EXPECT_EQ(object.GetTexture(), nullptr);
    EXPECT_EQ(object.GetType(), TYPE_NONE);
    EXPECT_FALSE(object.Collides());
    EXPECT_EQ(object.GetBrightness(), 1.0f);
    EXPECT_EQ(object.GetWidth(), 1.0f);
    const Colour& colour = object.GetColour();
    EXPECT_EQ(colour.r + colour.g + colour.b + colour.a, 4.0f);
    const Transform* transform = object.GetTransform();
    EXPECT_EQ(transform->pos.x, 3);
    EXPECT_EQ(transform->scale.x, 1);
    EXPECT_EQ(transform->scale.y, 1);
    EXPECT_EQ(transform->scale.z, 0);
    EXPECT_EQ(transform->rotation, 0);
    EXPECT_EQ(object.GetVel().x + object.GetVel().y + object.GetVel().z, 0);
}

TEST(Entity, StandardHitboxClockwiseFromTopLeft) {
    Mover object(Vector{0, 0, 0});
    object.Box(10, 6);
    const Rectangle* box = object.GetHitbox();
    ASSERT_NE(box, nullptr);
    const float expected[4][2] = {{-5, -3}, {5, -3}, {5, 3}, {-5, 3}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(box->corners[i].x, expected[i][0]) << i;
        EXPECT_EQ(box->corners[i].y, expected[i][1]) << i;
        EXPECT_EQ(box->corners[i].z, 0) << i;
    }
}

TEST(GameObject, DistanceAndDirection) {
    Mover object(Vector{3, 4, 0});
    EXPECT_FLOAT_EQ(object.GetDistanceTo(Vector{0, 0, 0}), 5);
    const Vector direction = object.GetDirectionTo(Vector{0, 0, 0});
    EXPECT_FLOAT_EQ(direction.x, 0.6f);
    EXPECT_FLOAT_EQ(direction.y, 0.8f);
    EXPECT_FLOAT_EQ(direction.z, 0);
    const Vector none = object.GetDirectionTo(Vector{3, 4, 0});
    EXPECT_EQ(none.x, 0);
    EXPECT_EQ(none.y, 0);
    EXPECT_FLOAT_EQ(object.GetDistanceTo(Vector{3, 4, 12}), 12) << "z counts as well";
}

TEST(GameObject, GroupIdsCountEveryObjectEverMade) {
    std::vector<std::string> journal;
    const uint32_t first = Probe(&journal, "a").GetGroupID(); // destroyed at once: the count goes on
    Probe second(&journal, "b");
    Probe third(&journal, "c");
    EXPECT_EQ(second.GetGroupID(), first + 1);
    EXPECT_EQ(third.GetGroupID(), first + 2);
    second.SetGroupID(7);
    EXPECT_EQ(second.GetGroupID(), 7u);
}

TEST(GameObject, MoveBackReturnsToThePositionBeforeTheLastMove) {
    Mover object(Vector{10, 10, 0});
    object.SetVel(Vector{1, -1, 0});
    object.Move();
    EXPECT_EQ(object.GetPos().x, 11);
    EXPECT_EQ(object.GetPos().y, 9);
    object.SetPos(Vector{50, 50, 0});
    object.MoveBack();
    EXPECT_EQ(object.GetPos().x, 10) << "back to before the move, not before SetPos";
    EXPECT_EQ(object.GetPos().y, 10);
    object.MoveBack();
    EXPECT_EQ(object.GetPos().x, 10);
}
