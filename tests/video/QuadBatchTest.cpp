#include "video/QuadBatch.h"

#include "video/PlayArea.h"
#include "video/Texture.h"

#include <gtest/gtest.h>

#include <vector>

// a 100 x 30 picture in the top-left corner of a 128 x 32 texture
static Texture Picture(uint32_t id) {
    Texture texture;
    texture.id = id;
    texture.width = 100;
    texture.height = 30;
    texture.maxU = 100.0f / 128;
    texture.maxV = 30.0f / 32;
    return texture;
}

static Transform At(float x, float y) {
    Transform transform;
    transform.pos = Vector{x, y, 0};
    return transform;
}

static const Colour WHITE{1, 1, 1, 1};

// a corner's place in the play area's pixels (origin top-left, y downwards)
static float PixelX(const QuadBatch::Vertex& vertex) {
    return (vertex.x + 1) * PlayArea::WIDTH / 2;
}
static float PixelY(const QuadBatch::Vertex& vertex) {
    return (1 - vertex.y) * PlayArea::HEIGHT / 2;
}

TEST(QuadBatch, RunsFollowTheOrderOfTheTexturesAdded) {
    struct Case {
        const char* name;
        std::vector<uint32_t> textures; // of the quads, in order
        std::vector<QuadBatch::Run> runs;
    };
    const Case cases[] = {
        {"nothing", {}, {}},
        {"one texture, one run", {1, 1, 1}, {{1, 0, 12}}},
        {"a change of texture starts a run", {1, 1, 2, 2}, {{1, 0, 8}, {2, 8, 8}}},
        {"a texture again after another is a run of its own", {1, 2, 1}, {{1, 0, 4}, {2, 4, 4}, {1, 8, 4}}},
    };
    for (const Case& c : cases) {
        QuadBatch batch;
        for (uint32_t id : c.textures) {
            batch.Add(Picture(id), At(50, 40), Vector(), WHITE, 1);
        }
        const std::vector<QuadBatch::Run>& runs = batch.GetRuns();
        ASSERT_EQ(runs.size(), c.runs.size()) << c.name;
        for (size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].texture, c.runs[i].texture) << c.name << ", run " << i;
            EXPECT_EQ(runs[i].first, c.runs[i].first) << c.name << ", run " << i;
            EXPECT_EQ(runs[i].count, c.runs[i].count) << c.name << ", run " << i;
        }
        EXPECT_EQ(batch.GetVertices().size(), 4 * c.textures.size()) << c.name;
    }
}

// Corners top-left, top-right, bottom-right, bottom-left of the picture, each with its
// texture coordinate: only the picture's part of the texture is mapped. y grows downwards,
// so a positive angle turns the picture clockwise: at 90 degrees its top edge faces right.
TEST(QuadBatch, CornersCoverThePicturesPixelsAroundItsPlace) {
    struct Case {
        const char* name;
        Transform transform;
        Vector offset;
        float corners[4][2];
    };
    Transform mirrored = At(50, 40);
    mirrored.scale = Vector{-1, 2, 0};
    Transform turned = At(50, 40);
    turned.rotation = 90;
    const Case cases[] = {
        {"placed", At(50, 40), Vector(), {{0, 25}, {100, 25}, {100, 55}, {0, 55}}},
        {"shifted by a view", At(50, 40), Vector{-30, -20, 0}, {{-30, 5}, {70, 5}, {70, 35}, {-30, 35}}},
        {"mirrored and stretched", mirrored, Vector(), {{100, 10}, {0, 10}, {0, 70}, {100, 70}}},
        {"turned a quarter", turned, Vector(), {{65, -10}, {65, 90}, {35, 90}, {35, -10}}},
    };
    const float coordinates[4][2] = {{0, 0}, {100.0f / 128, 0}, {100.0f / 128, 30.0f / 32}, {0, 30.0f / 32}};
    for (const Case& c : cases) {
        QuadBatch batch;
        batch.Add(Picture(1), c.transform, c.offset, WHITE, 1);
        const std::vector<QuadBatch::Vertex>& vertices = batch.GetVertices();
        ASSERT_EQ(vertices.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(PixelX(vertices[i]), c.corners[i][0], 1e-3) << c.name << ", corner " << i;
            EXPECT_NEAR(PixelY(vertices[i]), c.corners[i][1], 1e-3) << c.name << ", corner " << i;
            EXPECT_EQ(vertices[i].u, coordinates[i][0]) << c.name << ", corner " << i;
            EXPECT_EQ(vertices[i].v, coordinates[i][1]) << c.name << ", corner " << i;
        }
    }
}

TEST(QuadBatch, EachQuadTakesItsColourTimesItsBrightnessAlphaUntouched) {
    QuadBatch batch;
    batch.Add(Picture(1), At(50, 40), Vector(), Colour{1, 0.5f, 0.25f, 0.5f}, 2);
    batch.Add(Picture(1), At(50, 40), Vector(), Colour{0, 0, 1, 1}, 0);
    const float colours[2][4] = {{2, 1, 0.5f, 0.5f}, {0, 0, 0, 1}};
    const std::vector<QuadBatch::Vertex>& vertices = batch.GetVertices();
    for (size_t i = 0; i < vertices.size(); ++i) {
        const float* colour = colours[i / 4];
        EXPECT_EQ(vertices[i].r, colour[0]) << "vertex " << i;
        EXPECT_EQ(vertices[i].g, colour[1]) << "vertex " << i;
        EXPECT_EQ(vertices[i].b, colour[2]) << "vertex " << i;
        EXPECT_EQ(vertices[i].a, colour[3]) << "vertex " << i;
    }
}
