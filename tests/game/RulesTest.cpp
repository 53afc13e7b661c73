// The rules: moves and turns, and when a game ends.
#include "support/GameFixture.h"

#include <vector>

namespace {

// The eight lines of the board, written out independently of the game's own table.
constexpr std::array<std::array<int32_t, 3>, 8> kEveryLine{
    {{1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 5, 9}, {3, 5, 7}}};

using RulesTest = GameFixture;

TEST_F(RulesTest, PlayersAlternateAndEachMoveRepaintsItsPieceAndBothIndicators) {
    const int32_t repaints = game->RefreshRequests();
    int32_t player = 1;
    for (int32_t cell : {1, 4, 2, 5}) {
        const int32_t piece = game->Canvas2At(cell)->RefreshRequests();
        const int32_t left = game->leftturn()->RefreshRequests(), right = game->RIghtTurn()->RefreshRequests();
        ClickPit(cell);
        EXPECT_EQ(game->Pits[cell], player) << cell;
        EXPECT_EQ(game->Canvas2At(cell)->RefreshRequests(), piece + 1) << cell;
        EXPECT_EQ(game->leftturn()->RefreshRequests(), left + 1) << cell;
        EXPECT_EQ(game->RIghtTurn()->RefreshRequests(), right + 1) << cell;
        player = player == 1 ? 4 : 1;
        EXPECT_EQ(game->PlayersTurn, player);
    }
    EXPECT_FALSE(game->GameOver);
    EXPECT_FALSE(BannerShown());
    EXPECT_EQ(game->RefreshRequests(), repaints);

    ClickPit(3);
    EXPECT_TRUE(game->GameOver);
    EXPECT_TRUE(BannerShown());
    EXPECT_EQ(game->RefreshRequests(), repaints + 1);
    EXPECT_EQ(game->PlayersTurn, 4); // player 2 opens the next game
}

TEST_F(RulesTest, EveryLineOfEitherPlayerEndsTheGameAndAMixedLineDoesNot) {
    for (const auto& line : kEveryLine) {
        SCOPED_TRACE(testing::Message() << "line " << line[0] << line[1] << line[2]);
        for (int32_t player : {1, 4}) {
            game->Initialize();
            game->Pits[line[0]] = game->Pits[line[1]] = game->PlayersTurn = player;
            const int32_t repaints = game->RefreshRequests();
            game->DoPlay(line[2]);
            EXPECT_TRUE(game->GameOver) << "player " << player;
            EXPECT_TRUE(BannerShown());
            EXPECT_EQ(game->RefreshRequests(), repaints + 1);
        }
        game->Initialize();
        Place({line[0]}, {line[1]});
        game->PlayersTurn = 1;
        game->DoPlay(line[2]);
        EXPECT_FALSE(game->GameOver);
    }
}

// Every ending found asks for its own whole-window repaint, the full board included.
TEST_F(RulesTest, TheNinthPieceEndsTheGameWithARepaintForEachEnding) {
    const struct {
        const char* what;
        std::vector<int32_t> player1, player2;
        int32_t repaints;
    } cases[] = {
        {"completes one line", {2, 3, 4, 8}, {5, 6, 7, 9}, 2},
        {"completes two lines", {2, 3, 4, 7}, {5, 6, 8, 9}, 3},
        {"completes no line", {2, 6, 7, 9}, {3, 4, 5, 8}, 1},
    };
    for (const auto& c : cases) {
        game->Initialize();
        Place(c.player1, c.player2);
        game->PlayersTurn = 1;
        const int32_t repaints = game->RefreshRequests();
        game->DoPlay(1);
        EXPECT_TRUE(game->GameOver) << c.what;
        EXPECT_TRUE(BannerShown()) << c.what;
        EXPECT_EQ(game->RefreshRequests(), repaints + c.repaints) << c.what;
    }
}

TEST_F(RulesTest, MovesOutsideTheBoardOnOccupiedCellsOrAfterTheEndChangeNothing) {
    Place({1}, {2});
    game->PlayersTurn = 1;
    const auto before = game->Pits;
    for (int32_t cell : {0, 10, -1, 11, 1000, -2147483647 - 1, 1, 2})
        game->DoPlay(cell);
    EXPECT_EQ(game->Pits, before);
    EXPECT_EQ(game->PlayersTurn, 1);

    game->GameOver = true;
    game->DoPlay(5);
    EXPECT_EQ(game->Pits, before);
}

} // namespace
