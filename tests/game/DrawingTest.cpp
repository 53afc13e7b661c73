// What the board shows, read from the rendered pixels of the window's content.
#include "support/GameFixture.h"

#include <QColor>
#include <QPainter>
#include <QRect>

namespace {

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kMagenta(255, 0, 255);

class DrawingTest : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        // Player 1's 64 by 64 source area is red with a green lower right quarter; the blue beyond it must never
        // show. Player 2's shape is magenta.
        QImage player1(100, 100, QImage::Format_ARGB32);
        player1.fill(kBlue);
        QPainter painter(&player1);
        painter.fillRect(0, 0, 64, 64, kRed);
        painter.fillRect(32, 32, 32, 32, kGreen);
        painter.end();
        QImage player2(64, 64, QImage::Format_ARGB32);
        player2.fill(kMagenta);
        // A backdrop whose colours change from pixel to pixel and differ from the shapes'.
        backdrop = QImage(454, 215, QImage::Format_RGB32);
        for (int y = 0; y < backdrop.height(); ++y)
            for (int x = 0; x < backdrop.width(); ++x)
                backdrop.setPixel(x, y, qRgb(x % 200 + 20, y + 20, 128));
        game->SetBackdrop(PictureFromImage(backdrop));
        game->Player1Shape = PictureFromImage(player1);
        game->Player2Shape = PictureFromImage(player2);
        game->Show();
    }

    QImage Shot() const { return ContentOf(*game)->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static QRect RectOf(const RectControl& control) {
        return QRect(control.Left(), control.Top(), control.Width(), control.Height());
    }

    bool ShowsBackdrop(const QImage& shot, const QRect& area) const {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (shot.pixel(x, y) != backdrop.pixel(x, y)) return false;
        return true;
    }

    // Player 1's source area scaled to fill the area: red, with green from the middle on.
    static void ExpectPlayer1Shape(const QImage& shot, const QRect& area) {
        const int half = area.width() / 2;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor pixel = shot.pixelColor(x, y);
                ASSERT_LT(pixel.blue(), 40) << "outside the source area or the backdrop at " << x << "," << y;
                const int dx = x - area.left(), dy = y - area.top();
                if (dx < half - 1 || dy < half - 1) {
                    ASSERT_GT(pixel.red(), 200) << x << "," << y;
                } else if (dx > half && dy > half) {
                    ASSERT_GT(pixel.green(), 200) << x << "," << y;
                }
            }
        }
    }

    QImage backdrop;
};

TEST_F(DrawingTest, EmptyViewsAndAFinishedGameLeaveTheBoardAlone) {
    game->GameOver = true;
    const QImage shot = Shot();
    EXPECT_TRUE(ShowsBackdrop(shot, shot.rect()));
}

TEST_F(DrawingTest, PiecesFillTheirViewsAtEachRowsSizeAndNearerRowsCoverFartherOnes) {
    game->Pits[1] = game->Pits[5] = game->Pits[9] = 1;
    game->Pits[8] = 4; // half behind piece 5
    const QImage shot = Shot();
    // Piece 9 shows whole through the empty views 3 and 6 that lie over it.
    for (auto [cell, size] : {std::pair{1, 80}, std::pair{5, 64}, std::pair{9, 50}}) {
        SCOPED_TRACE(cell);
        const QRect view = RectOf(*game->Canvas2At(cell));
        EXPECT_EQ(view.size(), QSize(size, size));
        ExpectPlayer1Shape(shot, view);
    }
    const QRect view8 = RectOf(*game->Canvas2At(8));
    for (int y = view8.top(); y < game->Canvas2At(5)->Top(); ++y)
        for (int x = view8.left(); x <= view8.right(); ++x)
            ASSERT_EQ(shot.pixelColor(x, y), kMagenta) << x << "," << y;
}

TEST_F(DrawingTest, OnlyThePlayerToMoveIsIndicatedAndNobodyOnceTheGameIsOver) {
    const QRect left = RectOf(*game->leftturn()), right = RectOf(*game->RIghtTurn());
    game->PlayersTurn = 1;
    QImage shot = Shot();
    ExpectPlayer1Shape(shot, left);
    EXPECT_TRUE(ShowsBackdrop(shot, right));

    game->PlayersTurn = 4;
    shot = Shot();
    EXPECT_TRUE(ShowsBackdrop(shot, left));
    for (QPoint at : {right.center(), right.topLeft(), right.bottomRight()})
        EXPECT_EQ(shot.pixelColor(at), kMagenta);

    FinishAGame();
    for (int32_t turn : {1, 4}) {
        game->PlayersTurn = turn;
        shot = Shot();
        EXPECT_TRUE(ShowsBackdrop(shot, left) && ShowsBackdrop(shot, right)) << "turn " << turn;
    }
}

} // namespace
