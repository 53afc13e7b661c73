// Drawing the pieces and turn indicators, and the click rule of the pits.
#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "framework/Picture.h"
#include "game/Dialog1.h"

namespace {
// Every shape is drawn from its 64 by 64 source area, scaled to the destination.
constexpr int32_t kShapeSize = 64;
constexpr int32_t kIndicatorSize = 30;
} // namespace

void Dialog1::Canvas2_Paint(Graphics& g) {
    const RectControl& view = *RuntimeSwapSelfAndMe();
    const int32_t cell = view.Index();
    if (cell < 1 || cell > 9) return; // an extra array member shows no cell
    const int32_t piece = Pits[cell];
    if (piece != 1 && piece != 4) return; // an empty cell
    // The size is read at each paint: the views are 80, 64 or 50 square by their row.
    g.DrawPicture(piece == 1 ? Player1Shape : Player2Shape, 0, 0, view.Width(), view.Height(), 0, 0,
                  kShapeSize, kShapeSize);
}

// Only the player to move is shown, and nobody once the game is over.
void Dialog1::DrawIndicator(Graphics& g, int32_t player, const std::shared_ptr<Picture>& shape) const {
    if (PlayersTurn == player && !GameOver)
        g.DrawPicture(shape, 0, 0, kIndicatorSize, kIndicatorSize, 0, 0, kShapeSize, kShapeSize);
}

void Dialog1::leftturn_Paint(Graphics& g) { DrawIndicator(g, 1, Player1Shape); }

void Dialog1::RIghtTurn_Paint(Graphics& g) { DrawIndicator(g, 4, Player2Shape); }

// Every press asks for its release, which then decides.
bool Dialog1::Canvas1_MouseDown(int32_t, int32_t) {
    return true;
}

void Dialog1::Canvas1_MouseUp(int32_t, int32_t) {
    const int32_t cell = RuntimeSwapSelfAndMe()->Index();
    if (!CanPlay(cell)) return; // an occupied pit, or the game is over
    // Against the computer with player 2 to open, the first click lets the computer open in place of the pit.
    if (!GameStarted && isComputer && PlayersTurn == 4)
        DoComputer();
    else
        DoPlay(cell);
    GameStarted = true;
}
