// The new-game confirmation: "No" leaves the game alone, "Yes" starts a new one; both put the question away.
#include "DialogTest.h"
#include "dialogs/Dialog2.h"

#include <tuple>

namespace {

class Confirmation : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        question = Dialog2::Shared();
        question->Show();
    }

    // The dialog's button with that caption.
    PushButton& Button(const std::string& caption) {
        for (const auto& control : question->Controls())
            if (auto button = std::dynamic_pointer_cast<PushButton>(control);
                button && button->Caption() == caption)
                return *button;
        throw std::runtime_error("no button \"" + caption + "\"");
    }

    // A game under way, as the question finds it: player 2 to move against the computer, with shapes of
    // their own choosing, and the board as given.
    void GameUnderWay(std::array<int32_t, 11> pits, bool over) {
        game->Pits = pits;
        game->PlayersTurn = 4;
        game->isComputer = true;
        game->GameStarted = true;
        game->GameOver = over;
        game->P1Num = 140;
        game->P2Num = 133;
        game->Player1Shape = game->RFork->Getcicn(140);
        game->Player2Shape = game->RFork->Getcicn(133);
        NotNil(game->Canvas3()).SetVisible(over);
    }

    auto State() const {
        return std::tuple(game->Pits, game->PlayersTurn, game->isComputer, game->GameStarted, game->GameOver,
                          game->P1Num, game->P2Num, game->Player1Shape, game->Player2Shape,
                          NotNil(game->Canvas3()).Visible());
    }

    std::shared_ptr<Dialog2> question;
};

TEST_F(Confirmation, NoLeavesTheGameExactlyAsItIsAndHides) {
    GameUnderWay({0, 1, 4, 0, 0, 1, 0, 4, 0, 0, 0}, false);
    const auto before = State();
    const auto repaints = game->RefreshRequests();

    Button("No").Push();

    EXPECT_EQ(State(), before);
    EXPECT_EQ(game->RefreshRequests(), repaints);
    EXPECT_FALSE(question->Visible());
}

TEST_F(Confirmation, YesClearsBoardFlagsAndBannerButKeepsTurnOpponentAndShapes) {
    // The question was asked on an empty board: the answer acts on the board as it is when pressed.
    GameUnderWay({0, 1, 1, 1, 4, 4, 0, 0, 0, 0, 0}, true);
    const auto shapes = std::tuple(game->P1Num, game->P2Num, game->Player1Shape, game->Player2Shape);
    const auto repaints = game->RefreshRequests();

    Button("Yes").Push();

    for (int32_t cell = 1; cell <= 9; ++cell)
        EXPECT_EQ(game->Pits[cell], 0) << "cell " << cell;
    EXPECT_FALSE(game->GameStarted);
    EXPECT_FALSE(game->GameOver);
    EXPECT_FALSE(NotNil(game->Canvas3()).Visible());
    EXPECT_EQ(game->PlayersTurn, 4) << "the player who was to move opens the new game";
    EXPECT_TRUE(game->isComputer);
    EXPECT_EQ(std::tuple(game->P1Num, game->P2Num, game->Player1Shape, game->Player2Shape), shapes);
    EXPECT_GT(game->RefreshRequests(), repaints) << "the whole board repaints";
    EXPECT_FALSE(question->Visible());
}

TEST_F(Confirmation, AskedAgainItIsTheSameQuestionAndStillAnswers) {
    Button("No").Push();
    GameUnderWay({0, 4, 1, 0, 0, 0, 0, 0, 0, 0, 0}, false);

    auto again = Dialog2::Shared();
    again->Show();
    EXPECT_EQ(again, question);
    EXPECT_TRUE(again->Visible());
    Button("Yes").Push();
    EXPECT_EQ(game->Pits[1] + game->Pits[2], 0);
    EXPECT_FALSE(again->Visible());
}

} // namespace
