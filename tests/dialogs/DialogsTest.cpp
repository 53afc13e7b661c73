// Where the dialogs open, and how the two that put a question take the keyboard.
#include "support/GameFixture.h"

#include <tuple>

namespace {

using Dialogs = GameFixture;

// One keypress must not throw a game away: Return answers "No" to "New Game?". Escape leaves the shapes as
// they were. While a question stands, no shortcut reaches the game window behind it.
TEST_F(Dialogs, EachOpensOverTheGameWindowAndTheQuestionsAnswerReturnAndEscapeSafely) {
    ClickPit(1);  // a game under way, so that New Game asks
    const QPoint board = ContentOf(*game)->mapToGlobal(QPoint());
    // Centred across the board, a third of the height it leaves free down from the board's top; one taller
    // than the board stands at its top.
    for (auto [shortcut, answer, down] :
         {std::tuple{"Ctrl+N", "Return", (215 - 100) / 3}, {"Ctrl+S", "Esc", 0}, {"Ctrl+A", "", 0}}) {
        Type(*game, shortcut);
        const auto dialog = RuntimeFrontmostWindow();
        SCOPED_TRACE(dialog->Title());
        EXPECT_NEAR(ContentOf(*dialog)->mapToGlobal(QPoint()).x() + dialog->Width() / 2.0, board.x() + 454 / 2.0, 1.0);
        EXPECT_NEAR(TopLevelOf(*dialog)->geometry().y(), board.y() + down, 1);
        if (!*answer) continue;
        if (dialog->Title() == "Choose a shape")  // a choice for Escape to throw away
            QTest::mouseClick(Button(*dialog, ">>", 1).Widget(), Qt::LeftButton);
        const auto before = std::tuple(game->Pits, game->PlayersTurn, game->P1Num, game->P2Num);
        Type(*dialog, "Ctrl+T");
        Type(*dialog, "Ctrl+A");
        EXPECT_EQ(RuntimeFrontmostWindow(), dialog);
        Type(*dialog, answer);
        EXPECT_FALSE(dialog->Visible());
        EXPECT_EQ(std::tuple(game->Pits, game->PlayersTurn, game->P1Num, game->P2Num), before);
    }
}

}  // namespace
