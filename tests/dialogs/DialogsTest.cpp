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
    for (auto [shortcut, answer] : {std::pair{"Ctrl+N", "Return"}, {"Ctrl+S", "Esc"}, {"Ctrl+A", ""}}) {
        Type(*game, shortcut);
        const auto dialog = RuntimeFrontmostWindow();
        SCOPED_TRACE(dialog->Title());
        const QPoint at = ContentOf(*dialog)->mapToGlobal(QPoint());  // centred across it, in its upper third
        EXPECT_NEAR(at.x() + dialog->Width() / 2.0, board.x() + 454 / 2.0, 1.0);
        EXPECT_TRUE(at.y() >= board.y() && at.y() <= board.y() + 215 / 3) << at.y() << " for " << board.y();
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
