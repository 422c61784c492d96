// The browser's site carries only the characters the game draws of its font, under a name
// of the subset's own; every glyph the game makes of it is the full font's.
#include "video/Graphics.h"

#include "support/LogCapture.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

static bool SamePixels(const SDL_Surface* a, const SDL_Surface* b) {
    if (a->w != b->w || a->h != b->h || a->format->BytesPerPixel != b->format->BytesPerPixel) {
        return false;
    }
    const size_t rowBytes = static_cast<size_t>(a->w) * a->format->BytesPerPixel;
    for (int y = 0; y < a->h; ++y) {
        const auto* rowA = static_cast<const uint8_t*>(a->pixels) + y * a->pitch;
        const auto* rowB = static_cast<const uint8_t*>(b->pixels) + y * b->pitch;
        if (memcmp(rowA, rowB, rowBytes) != 0) {
            return false;
        }
    }
    return true;
}

TEST(FontSubset, EveryGlyphOfTheGameIsTheFullFonts) {
    ASSERT_EQ(TTF_Init(), 0);
    TTF_Font* full = TTF_OpenFont("res/fnt/libsans.ttf", Graphics::FONT_POINTS);
    TTF_Font* subset = TTF_OpenFont(TRAVOLK_SUBSET_FONT, Graphics::FONT_POINTS);
    ASSERT_TRUE(full && subset);
    EXPECT_STREQ(TTF_FontFaceFamilyName(subset), "Travolk Sans");
    EXPECT_STRNE(TTF_FontFaceFamilyName(full), TTF_FontFaceFamilyName(subset));
    LogCapture log; // the characters without a glyph say so, from either font
    int drawn = 0;
    for (int c = 0; c < Graphics::GLYPHS_PER_FONT; ++c) {
        SDL_Surface* fromFull = Graphics::GenerateCharacter(static_cast<char>(c), full);
        SDL_Surface* fromSubset = Graphics::GenerateCharacter(static_cast<char>(c), subset);
        ASSERT_EQ(fromFull == nullptr, fromSubset == nullptr) << "character " << c;
        if (fromFull) {
            EXPECT_TRUE(SamePixels(fromFull, fromSubset)) << "character " << c;
            ++drawn;
        }
        SDL_FreeSurface(fromFull);
        SDL_FreeSurface(fromSubset);
    }
    EXPECT_EQ(drawn, Graphics::GLYPHS_PER_FONT - 1) << "all but the zero byte";
    TTF_CloseFont(full);
    TTF_CloseFont(subset);
    TTF_Quit();
}
