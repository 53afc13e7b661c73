// The new-game confirmation: "No" leaves the game alone, "Yes" starts a new one; both put the question away.
#include "dialogs/Dialog2.h"
#include "support/GameFixture.h"

#include <stdexcept>
#include <tuple>

namespace {

class Confirmation : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        question = Dialog2::Shared();
        question->Show();
        // A game under way: player 2 to move against the computer, with shapes of their own choosing.
        Place({1, 5}, {2, 7});
        game->PlayersTurn = 4;
        game->isComputer = true;
        game->GameStarted = true;
        game->P1Num = 140;
        game->P2Num = 133;
        game->Player1Shape = game->RFork->Getcicn(140);
        game->Player2Shape = game->RFork->Getcicn(133);
    }

    PushButton& Button(const std::string& caption) {
        for (const auto& control : question->Controls())
            if (auto button = std::dynamic_pointer_cast<PushButton>(control); button && button->Caption() == caption)
                return *button;
        throw std::runtime_error("no button \"" + caption + "\"");
    }

    auto Kept() const {
        return std::tuple(game->PlayersTurn, game->isComputer, game->P1Num, game->P2Num, game->Player1Shape,
                          game->Player2Shape);
    }

    std::shared_ptr<Dialog2> question;
};

TEST_F(Confirmation, NoLeavesTheGameExactlyAsItIsAndTheQuestionServesAgain) {
    const auto before = std::tuple(game->Pits, game->GameStarted, game->GameOver, BannerShown(), Kept());
    const auto repaints = game->RefreshRequests();

    Button("No").Push();

    EXPECT_EQ(std::tuple(game->Pits, game->GameStarted, game->GameOver, BannerShown(), Kept()), before);
    EXPECT_EQ(game->RefreshRequests(), repaints);
    EXPECT_FALSE(question->Visible());

    EXPECT_EQ(Dialog2::Shared(), question);
    question->Show();
    Button("Yes").Push();
    EXPECT_EQ(PiecesOnBoard(), 0);
    EXPECT_FALSE(question->Visible());
}

TEST_F(Confirmation, YesClearsBoardFlagsAndBannerButKeepsTurnOpponentAndShapes) {
    // The answer acts on the board as it is when pressed, here a game that ended meanwhile.
    Place({3, 9}, {});
    game->GameOver = true;
    NotNil(game->Canvas3()).SetVisible(true);
    const auto kept = Kept();
    const auto repaints = game->RefreshRequests();

    Button("Yes").Push();

    EXPECT_EQ(PiecesOnBoard(), 0);
    EXPECT_FALSE(game->GameStarted || game->GameOver || BannerShown());
    EXPECT_EQ(Kept(), kept);
    EXPECT_GT(game->RefreshRequests(), repaints) << "the whole board repaints";
    EXPECT_FALSE(question->Visible());
}

} // namespace
