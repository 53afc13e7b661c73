// Pieces and turn indicators, read from the rendered pixels of the window's content.
#include "support/GameFixture.h"

#include <QColor>
#include <QPainter>
#include <tuple>

namespace {

class DrawingTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        // Player 1's 64 by 64 source area is red with a green lower right quarter; the blue beyond it must never
        // show. Player 2's shape is magenta. The backdrop is grey.
        QImage player1(100, 100, QImage::Format_ARGB32), player2(64, 64, QImage::Format_ARGB32);
        player1.fill(Qt::blue);
        QPainter painter(&player1);
        painter.fillRect(0, 0, 64, 64, Qt::red);
        painter.fillRect(32, 32, 32, 32, Qt::green);
        painter.end();
        player2.fill(Qt::magenta);
        QImage backdrop(454, 215, QImage::Format_ARGB32);
        backdrop.fill(Qt::gray);
        game->SetBackdrop(PictureFromImage(backdrop));
        game->Player1Shape = PictureFromImage(player1);
        game->Player2Shape = PictureFromImage(player2);
    }

    // Player 1's source area scaled to fill the control: red, and green from the middle to the far corner.
    static void ExpectPlayer1Shape(const QImage& shot, const RectControl& c) {
        const int w = c.Width(), h = c.Height();
        for (auto [x, y, colour] :
             {std::tuple{w / 2 - 3, h / 2 - 3, Qt::red}, {w / 2 + 3, h / 2 + 3, Qt::green}, {w - 1, h - 1, Qt::green}})
            EXPECT_EQ(shot.pixelColor(c.Left() + x, c.Top() + y), QColor(colour)) << c.Width() << ": " << x << "," << y;
    }
};

TEST_F(DrawingTest, PiecesFillTheirViewsAtEachRowsSizeAndOnlyThePlayerToMoveIsIndicated) {
    game->Pits[1] = game->Pits[5] = game->Pits[9] = 1;
    game->Pits[8] = 4;  // half behind piece 5
    game->PlayersTurn = 1;
    const QImage shot = Shot(*game);
    for (int32_t cell : {1, 5, 9})  // piece 9 shows whole through the empty views 3 and 6 over it
        ExpectPlayer1Shape(shot, *game->Canvas2At(cell));
    ExpectPlayer1Shape(shot, *game->leftturn());
    EXPECT_EQ(shot.pixelColor(226, 60), QColor(Qt::magenta)) << "piece 8 above piece 5";
    EXPECT_EQ(shot.pixelColor(226, 90), QColor(Qt::red)) << "piece 5 in front of piece 8";
    EXPECT_EQ(shot.pixelColor(CentreOf(*game->Canvas2At(3))), QColor(Qt::gray)) << "an empty view";
    game->PlayersTurn = 4;
    EXPECT_EQ(Shot(*game).pixelColor(CentreOf(*game->RIghtTurn())), QColor(Qt::magenta));
}

}  // namespace
