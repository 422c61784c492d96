#include "text/Text.h"

#include "app/Game.h"
#include "core/Keyboard.h"
#include "support/Display.h"
#include "support/LogCapture.h"
#include "support/Pixels.h"
#include "support/TestState.h"
#include "text/Letter.h"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <algorithm>

using Lines = std::vector<std::string>;

class TextTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        state = new TestState(&keys, &render, window, &journal);
        Game::SetState(state);
    }
    void TearDown() override {
        delete state;
        Game::SetState(nullptr);
        DisplayTest::TearDown();
    }
    static float GlyphWidth(char c) { return Graphics::GetChar(FONT_SANS, c)->width; }

    Keyboard keys;
    std::vector<std::string> journal;
    TestState* state = nullptr;
};

TEST_F(TextTest, LettersPlacedOneGlyphWidthApart) {
    for (int size : {100, 50}) {
        Text* text = new Text(Vector{100, 50, 0}, "AB", FONT_SANS, size);
        const std::vector<Letter*>& letters = text->GetLetters();
        ASSERT_EQ(letters.size(), 2u);
        const float scale = size * 0.01f;
        EXPECT_EQ(letters[0]->GetPos().x, 100);
        EXPECT_EQ(letters[0]->GetPos().y, 50);
        EXPECT_EQ(letters[1]->GetPos().x,
                  static_cast<float>(100 + size * static_cast<double>(GlyphWidth('A')) / 100));
        EXPECT_EQ(letters[1]->GetPos().y, 50);
        EXPECT_EQ(letters[0]->GetTransform()->scale.x, scale);
        EXPECT_EQ(letters[0]->GetTransform()->scale.z, scale);
        EXPECT_EQ(letters[0]->GetTexture(), Graphics::GetChar(FONT_SANS, 'A'));
        EXPECT_EQ(letters[1]->GetTexture(), Graphics::GetChar(FONT_SANS, 'B'));
        EXPECT_EQ(text->GetTexture(), nullptr) << "the text itself is never drawn";
        delete text;
    }
    EXPECT_EQ(state->GetObjects().size(), 4u) << "every letter was handed to the state";
}

TEST_F(TextTest, EmptyStringMakesNothing) {
    LogCapture log;
    Text text(Vector{0, 0, 0}, "", FONT_SANS, 100);
    EXPECT_TRUE(text.GetLetters().empty());
    EXPECT_TRUE(state->GetObjects().empty());
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(TextTest, CharactersWithoutAGlyphAreLeftOut) {
    LogCapture log;
    Text text(Vector{100, 50, 0}, std::string("A") + '\0' + "B" + static_cast<char>(200) + "C", FONT_SANS,
              100);
    EXPECT_EQ(log.Lines(), (Lines{"Texture error!", "Texture error!"}));
    const std::vector<Letter*>& letters = text.GetLetters();
    ASSERT_EQ(letters.size(), 3u);
    EXPECT_EQ(letters[1]->GetTexture(), Graphics::GetChar(FONT_SANS, 'B'));
    EXPECT_EQ(letters[1]->GetPos().x, static_cast<float>(100 + static_cast<double>(GlyphWidth('A'))))
        << "the next letter takes the missing one's place";
    EXPECT_EQ(state->GetObjects().size(), 3u);
}

TEST_F(TextTest, SetTextRebuildsOnlyForAnotherString) {
    Text text(Vector{10, 10, 0}, "AB", FONT_SANS, 100);
    const std::vector<Letter*> old = text.GetLetters();
    text.SetText("AB");
    EXPECT_EQ(text.GetLetters(), old);
    EXPECT_TRUE(state->PendingRemovals().empty());
    text.SetText("CD");
    EXPECT_EQ(text.GetText(), "CD");
    EXPECT_EQ(state->PendingRemovals().size(), 2u);
    state->RemoveDeleted();
    ASSERT_EQ(text.GetLetters().size(), 2u);
    EXPECT_EQ(text.GetLetters()[0]->GetTexture(), Graphics::GetChar(FONT_SANS, 'C'));
    EXPECT_EQ(state->GetObjects().size(), 2u);
}

TEST_F(TextTest, DestroyThenCreateGivesTheSameLettersAnew) {
    Text text(Vector{10, 10, 0}, "Hi", FONT_SANS, 100);
    std::vector<float> places;
    for (const Letter* letter : text.GetLetters()) {
        places.push_back(letter->GetPos().x);
    }
    text.DestroyLetters();
    EXPECT_TRUE(text.GetLetters().empty());
    state->RemoveDeleted();
    EXPECT_TRUE(state->GetObjects().empty());
    text.CreateLetters();
    ASSERT_EQ(text.GetLetters().size(), 2u);
    EXPECT_EQ(text.GetLetters()[0]->GetPos().x, places[0]);
    EXPECT_EQ(text.GetLetters()[1]->GetPos().x, places[1]);
}

TEST_F(TextTest, LettersTakeTheTextsColourAtTheirNextUpdate) {
    Text text(Vector{10, 10, 0}, "A", FONT_SANS, 100);
    Letter* letter = text.GetLetters()[0];
    EXPECT_EQ(letter->GetColour().r, 0) << "black until its first update";
    EXPECT_EQ(letter->GetColour().a, 1);
    text.SetColour(Colour{1, 0, 0, 1});
    EXPECT_EQ(letter->GetColour().r, 0);
    letter->Update();
    EXPECT_EQ(letter->GetColour().r, 1);
    EXPECT_EQ(letter->GetColour().g, 0);
    text.Update();
    letter->Update();
    EXPECT_EQ(letter->GetBrightness(), 1.0f) << "only the colour is copied";
}

TEST_F(TextTest, BrightnessRampsOverA204UpdateCycle) {
    Text text(Vector{10, 10, 0}, "", FONT_SANS, 100);
    text.Update();
    EXPECT_FLOAT_EQ(text.GetBrightness(), 1.01f);
    text.Update();
    EXPECT_NEAR(text.GetBrightness(), 1.0f, 1e-5) << "over 1: the ramp turns down";
    for (int i = 2; i < 204; ++i) {
        text.Update();
        EXPECT_GT(text.GetBrightness(), -0.011f);
        EXPECT_LT(text.GetBrightness(), 1.011f);
    }
    EXPECT_NEAR(text.GetBrightness(), 1.0f, 1e-4);
    text.Update();
    EXPECT_GT(text.GetBrightness(), 1.0f) << "the cycle starts again upwards";
}

TEST_F(TextTest, RemovedTextTakesItsLettersInTheSamePass) {
    Text* text = new Text(Vector{10, 10, 0}, "ABC", FONT_SANS, 100);
    state->AddObject(text);
    state->RemoveObjectLater(text);
    state->RemoveDeleted();
    EXPECT_TRUE(state->GetObjects().empty());
    EXPECT_TRUE(state->PendingRemovals().empty());
}

TEST_F(TextTest, StateDestroyedWithATextDestroysEachOnce) {
    state->AddObject(new Text(Vector{10, 10, 0}, "ABC", FONT_SANS, 100));
    Text* older = new Text(Vector{10, 60, 0}, "XY", FONT_SANS, 100);
    state->AddObject(older);
    state->AddObject(new Text(Vector{10, 90, 0}, "Z", FONT_SANS, 100));
    state->RemoveObjectLater(older);
    LogCapture log;
    delete state; // AddressSanitizer would see a second destruction
    state = nullptr;
    EXPECT_EQ(log.Lines(), (Lines{"Deleting Objects"}));
}

TEST_F(TextTest, DrawnLettersShowTheStringWhereItWasPlaced) {
    glClear(GL_COLOR_BUFFER_BIT);
    Text text(Vector{100, 100, 0}, "II", FONT_SANS, 100);
    text.SetColour(Colour{0, 1, 0, 1});
    for (Letter* letter : text.GetLetters()) {
        letter->Update();
        render.Draw(letter, nullptr);
    }
    render.Flush();
    // green ink in the glyph boxes around both letters, nothing far away
    int inkNearFirst = 0, inkNearSecond = 0, inkElsewhere = 0;
    const float second = text.GetLetters()[1]->GetPos().x;
    for (int y = 70; y < 130; ++y) {
        for (int x = 80; x < 160; ++x) {
            const uint32_t pixel = ReadPixel(x, y);
            if ((pixel >> 8) > 0x80 && (pixel >> 16) == 0) {
                inkNearFirst += std::abs(x - 100) < 6;
                inkNearSecond += std::abs(x - second) < 6;
            }
        }
    }
    for (int y = 200; y < 300; y += 3) {
        for (int x = 0; x < 448; x += 3) {
            inkElsewhere += ReadPixel(x, y) != 0;
        }
    }
    EXPECT_GT(inkNearFirst, 40);
    EXPECT_GT(inkNearSecond, 40);
    EXPECT_EQ(inkElsewhere, 0);
}
