// The game's answers to the page, as the page's script parses them.
#include "app/PageAnswers.h"

#include "level/Maze.h"

#include <gtest/gtest.h>

TEST(PageAnswers, AReportIsJsonWithItsTextsEscaped) {
    struct Case {
        MazeOffer::Report report;
        std::string json;
    };
    const Case cases[] = {
        {{true, true, {}}, R"({"playable":true,"taken":true,"findings":[]})"},
        {{false, false, {}}, R"({"playable":false,"taken":false,"findings":[]})"},
        {{true, false, {{false, {30, 0}, "a \"dead\" end\\ here\n\x01"}}},
         R"({"playable":true,"taken":false,"findings":[{"row":30,"column":0,"error":false,)"
         R"("text":"a \"dead\" end\\ here\u000a\u0001","said":"31:1: warning: a \"dead\" end\\ here\u000a\u0001"}]})"},
        {{false, false, {{true, {23, 15}, "the player's start is not free"}, {true, {0, 27}, "é"}}},
         R"({"playable":false,"taken":false,"findings":[)"
         R"({"row":23,"column":15,"error":true,"text":"the player's start is not free",)"
         R"("said":"24:16: error: the player's start is not free"},)"
         R"({"row":0,"column":27,"error":true,"text":"é","said":"1:28: error: é"}]})"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PageAnswers::Report(c.report), c.json);
    }
}

// The rules hand out every fixed place's cell with the code of its kind, in the check's order.
TEST(PageAnswers, TheRulesAreTheMazesOwn) {
    const std::string rules = PageAnswers::Rules();
    EXPECT_EQ(
        rules.rfind(
            R"({"rows":31,"columns":28,"cell":16,"letters":{"wall":"X","bit":"D","bigBit":"B","empty":"S"},)",
            0),
        0u)
        << rules;
    std::string places;
    const char* const codes[] = {"player-start", "release-point", "pen"};
    for (const MazeCheck::Place& place : MazeCheck::FixedPlaces()) {
        places += std::string(places.empty() ? "" : ",") + "{\"row\":" + std::to_string(place.cell.row) +
                  ",\"column\":" + std::to_string(place.cell.column) + ",\"kind\":\"" + codes[place.kind] +
                  "\"}";
    }
    EXPECT_NE(rules.find("\"places\":[" + places + "]}"), std::string::npos) << rules;
    EXPECT_EQ(MazeCheck::FixedPlaces().front().kind, MazeCheck::PLACE_PLAYER_START);
    EXPECT_EQ(MazeCheck::FixedPlaces().back().kind, MazeCheck::PLACE_PEN);
}
