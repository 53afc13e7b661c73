// The rules: a new game, one move, and the end-of-game test.
#include "framework/Application.h"
#include "framework/Controls.h"
#include "game/Dialog1.h"
#include "game/Lines.h"

void Dialog1::Initialize() {
    GameStarted = false;
    GameOver = false;
    NotNil(Canvas3()).SetVisible(false);
    for (int32_t cell = 1; cell <= 9; ++cell) {
        Pits[cell] = 0;
        RuntimeBackgroundTask();
    }
}

bool Dialog1::CanPlay(int32_t cell) const {
    return cell >= 1 && cell <= 9 && Pits[cell] == 0 && !GameOver;
}

void Dialog1::DoPlay(int32_t cell) {
    if (!CanPlay(cell)) return;
    Pits[cell] = PlayersTurn;
    NotNil(Canvas2At(cell)).Refresh(true);
    PassTurn();
    check4win();
    // The computer answers inside the same move, so one click is one move of each player.
    if (!GameOver && isComputer && PlayersTurn == 4) DoComputer();
}

// 1 becomes 4 and 4 becomes 1; both turn indicators repaint to show it.
void Dialog1::PassTurn() {
    PlayersTurn += 3;
    if (PlayersTurn > 4) PlayersTurn = 1;
    NotNil(leftturn()).Refresh(true);
    NotNil(RIghtTurn()).Refresh(true);
}

// Every test runs, so a move that completes two lines and fills the board asks for three repaints.
void Dialog1::check4win() {
    for (std::size_t line = 0; line < kLines.size(); ++line) {
        const int32_t sum = LineSum(Pits, kLines[line]);
        if (sum == 3 || sum == 12) EndGame();
        if (YieldsAfterLine(line)) RuntimeBackgroundTask();
    }
    int32_t filled = 0;
    for (int32_t cell = 1; cell <= 9; ++cell) {
        if (Pits[cell] > 0) ++filled;
        RuntimeBackgroundTask();
    }
    if (filled == 9) EndGame();
    NotNil(Canvas3()).SetVisible(GameOver);
}

void Dialog1::EndGame() {
    GameOver = true;
    Refresh(true);
}
