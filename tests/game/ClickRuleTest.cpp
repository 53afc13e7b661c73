// The click rule: what a click on a pit does in each state of the game, against a person or the computer.
#include "support/GameFixture.h"

#include <vector>

namespace {

using ClickRuleTest = GameFixture;

TEST_F(ClickRuleTest, AClickPlaysAsTheStateOfTheGameSays) {
    const struct {
        const char* what;
        bool computer, started;
        int32_t turn;
        std::vector<int32_t> player1, player2;
        int32_t clicked;
        std::vector<int32_t> player1After, player2After;
        int32_t turnAfter;
        bool startedAfter, overAfter;
    } cases[] = {
        {"between people, for the player to move", false, false, 4, {}, {}, 7, {}, {7}, 1, true, false},
        {"the computer answers within the click", true, false, 1, {}, {}, 1, {1}, {5}, 1, true, false},
        {"the computer to open: it opens in the centre", true, false, 4, {}, {}, 1, {}, {5}, 1, true, false},
        {"the same, on the centre", true, false, 4, {}, {}, 5, {}, {5}, 1, true, false},
        {"the same, on the back row", true, false, 4, {}, {}, 9, {}, {5}, 1, true, false},
        {"started, player 2 to move: a person's move, unanswered", true, true, 4, {1}, {5}, 9, {1}, {5, 9}, 1, true,
         false},
        {"player 1's line ends the game before the computer moves", true, true, 1, {1, 2}, {4, 5}, 3, {1, 2, 3},
         {4, 5}, 4, true, true},
        {"the computer completes its own line", true, true, 1, {1, 2}, {4, 5}, 9, {1, 2, 9}, {4, 5, 6}, 1, true,
         true},
        {"an occupied pit leaves a new game unstarted", false, false, 1, {}, {3}, 3, {}, {3}, 1, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        game->Initialize();
        game->isComputer = c.computer;
        game->GameStarted = c.started;
        game->PlayersTurn = c.turn;
        Place(c.player1, c.player2);

        ClickPit(c.clicked);

        EXPECT_EQ(game->Pits, Board(c.player1After, c.player2After));
        EXPECT_EQ(game->PlayersTurn, c.turnAfter);
        EXPECT_EQ(game->GameStarted, c.startedAfter);
        EXPECT_EQ(game->GameOver, c.overAfter);
        EXPECT_EQ(BannerShown(), c.overAfter);
    }
}

TEST_F(ClickRuleTest, OccupiedPitsAndClicksAfterTheEndChangeAndRepaintNothing) {
    ClickPits({1, 2});
    for (bool over : {false, true}) {
        if (over) ClickPits({4, 5, 7}); // player 1 takes the left column
        ASSERT_EQ(game->GameOver, over);
        const auto before = game->Pits;
        const int32_t turn = game->PlayersTurn;
        const int32_t repaints = game->RefreshRequests();
        const int32_t pieceRepaints = game->Canvas2At(1)->RefreshRequests();
        const int32_t indicatorRepaints = game->leftturn()->RefreshRequests();
        for (int32_t cell : over ? std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9} : std::vector<int32_t>{1, 2})
            ClickPit(cell);
        EXPECT_EQ(game->Pits, before);
        EXPECT_EQ(game->PlayersTurn, turn);
        EXPECT_EQ(game->GameOver, over);
        EXPECT_EQ(BannerShown(), over);
        EXPECT_EQ(game->RefreshRequests(), repaints);
        EXPECT_EQ(game->Canvas2At(1)->RefreshRequests(), pieceRepaints);
        EXPECT_EQ(game->leftturn()->RefreshRequests(), indicatorRepaints);
    }
}

} // namespace
