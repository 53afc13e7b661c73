// What the board shows, read from the rendered pixels of the window's content.
#include "GameWindow.h"
#include "framework/Picture.h"
#include "framework/qt/Bridge.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

namespace {

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kMagenta(255, 0, 255);

// Player 1's test shape: its 64 by 64 source area red with a green lower right quarter, and blue beyond that
// area, which must never show.
QImage Player1Image() {
    QImage image(100, 100, QImage::Format_ARGB32);
    image.fill(kBlue);
    QPainter painter(&image);
    painter.fillRect(0, 0, 64, 64, kRed);
    painter.fillRect(32, 32, 32, 32, kGreen);
    return image;
}

QImage Player2Image() {
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(kMagenta);
    return image;
}

// A backdrop in which every pixel differs from its neighbours and from the shapes' colours.
QImage Backdrop() {
    QImage image(454, 215, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 200 + 20, y + 20, 128));
    return image;
}

class DrawingTest : public GameWindowTest {
  protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        backdrop = Backdrop();
        game->SetBackdrop(PictureFromImage(backdrop));
        game->Player1Shape = PictureFromImage(Player1Image());
        game->Player2Shape = PictureFromImage(Player2Image());
        game->Show();
    }

    QImage Shot() const { return ContentOf(*game)->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    static QRect RectOf(const RectControl& control) {
        return QRect(control.Left(), control.Top(), control.Width(), control.Height());
    }

    // Whether the area shows the backdrop alone.
    bool ShowsBackdrop(const QImage& shot, const QRect& area) const {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (shot.pixel(x, y) != backdrop.pixel(x, y)) return false;
        return true;
    }

    // Whether the area shows player 1's source area scaled to fill it: red, with green from the middle on.
    static void ExpectPlayer1Shape(const QImage& shot, const QRect& area) {
        const int half = area.width() / 2;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor pixel = shot.pixelColor(x, y);
                ASSERT_LT(pixel.blue(), 40) << "outside the source area or the backdrop at " << x << "," << y;
                const int dx = x - area.left(), dy = y - area.top();
                if (dx < half - 1 || dy < half - 1) {
                    ASSERT_GT(pixel.red(), 200) << x << "," << y;
                }
                if (dx > half && dy > half) {
                    ASSERT_GT(pixel.green(), 200) << x << "," << y;
                }
            }
        }
    }

    QImage backdrop;
};

TEST_F(DrawingTest, AnEmptyBoardWithoutIndicatorShowsTheBackdropAlone) {
    game->GameOver = true; // no indicator either
    const QImage shot = Shot();
    EXPECT_TRUE(ShowsBackdrop(shot, shot.rect()));
}

TEST_F(DrawingTest, APieceFillsItsViewAtEachRowsSize) {
    game->Pits[1] = 1; // front row, 80 square
    game->Pits[5] = 1; // middle row, 64 square
    game->Pits[9] = 1; // back row, 50 square
    const QImage shot = Shot();
    for (int32_t cell : {1, 5, 9}) {
        SCOPED_TRACE(cell);
        ExpectPlayer1Shape(shot, RectOf(*game->Canvas2At(cell)));
    }
    // Empty views draw nothing: piece 9 shows whole through the empty views 3 and 6 that lie over it, and
    // the board shows in view 7 above piece 1.
    const QRect view7 = RectOf(*game->Canvas2At(7));
    EXPECT_TRUE(ShowsBackdrop(shot, view7.adjusted(0, 0, 0, game->Canvas2At(1)->Top() - view7.bottom() - 1)));
}

TEST_F(DrawingTest, PlayerTwosPieceShowsPlayerTwosShape) {
    game->Pits[2] = 4;
    const QImage shot = Shot();
    const QRect view = RectOf(*game->Canvas2At(2));
    for (int y = view.top(); y <= view.bottom(); y += 5)
        for (int x = view.left(); x <= view.right(); x += 5)
            ASSERT_EQ(shot.pixelColor(x, y), kMagenta);
}

TEST_F(DrawingTest, ANearerPieceCoversAFartherOne) {
    game->Pits[8] = 4;
    game->Pits[5] = 1;
    const QImage shot = Shot();
    const QRect view5 = RectOf(*game->Canvas2At(5));
    ExpectPlayer1Shape(shot, view5);
    EXPECT_EQ(shot.pixelColor(226, 55), kMagenta); // the part of piece 8 above piece 5
}

TEST_F(DrawingTest, OnlyThePlayerToMoveIsIndicated) {
    const QRect left = RectOf(*game->leftturn());
    const QRect right = RectOf(*game->RIghtTurn());
    game->PlayersTurn = 1;
    QImage shot = Shot();
    ExpectPlayer1Shape(shot, left);
    EXPECT_TRUE(ShowsBackdrop(shot, right));

    game->PlayersTurn = 4;
    shot = Shot();
    EXPECT_TRUE(ShowsBackdrop(shot, left));
    EXPECT_EQ(shot.pixelColor(right.center()), kMagenta);
    EXPECT_EQ(shot.pixelColor(right.topLeft()), kMagenta);
    EXPECT_EQ(shot.pixelColor(right.bottomRight()), kMagenta);
}

TEST_F(DrawingTest, AfterTheLastMoveNeitherIndicatorShowsAndTheBannerDoes) {
    for (int32_t cell : {1, 4, 2, 5, 3})
        Click(cell);
    ASSERT_TRUE(game->GameOver);
    ASSERT_EQ(game->PlayersTurn, 4);
    const QImage shot = Shot();
    EXPECT_TRUE(ShowsBackdrop(shot, RectOf(*game->leftturn())));
    EXPECT_TRUE(ShowsBackdrop(shot, RectOf(*game->RIghtTurn())));
    EXPECT_TRUE(NotNil(game->Canvas3()).Visible());
}

} // namespace
