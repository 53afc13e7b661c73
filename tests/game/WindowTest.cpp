// The game window: where it opens, its board of canvases, where a click on it lands, the banner, closing.
#include "resources/art/Art.h"
#include "shell/Pictures.h"
#include "support/GameFixture.h"

#include <QRect>
#include <algorithm>

namespace {

using GameWindow = GameFixture;

QRect RectOf(const RectControl& control) { return {control.Left(), control.Top(), control.Width(), control.Height()}; }

TEST_F(GameWindow, OpensCentredAThirdDownTheScreenWithShapes129And128) {
    const QRect screen = TopLevelOf(*game)->screen()->geometry();
    EXPECT_EQ(ContentOf(*game)->mapToGlobal(QPoint()), QPoint((screen.width() - 454) / 2, (screen.height() - 215) / 3));
    EXPECT_EQ(ContentOf(*game)->size(), QSize(454, 215));
    EXPECT_EQ(std::pair(game->P1Num, game->P2Num), std::pair(129, 128));
    EXPECT_EQ(ImageOf(NotNil(game->Player1Shape)), ImageOf(NotNil(NotNil(game->RFork).Getcicn(129))));
    EXPECT_EQ(ImageOf(NotNil(game->Player2Shape)), ImageOf(NotNil(game->RFork->Getcicn(128))));
}

TEST_F(GameWindow, AClickLandsOnThePitStripUnderItWhoseViewStandsSevenPixelsAboveItsBottom) {
    for (int32_t cell = 1; cell <= 9; ++cell) {
        const QRect pit = RectOf(NotNil(game->Canvas1At(cell))), view = RectOf(NotNil(game->Canvas2At(cell)));
        EXPECT_TRUE(view.left() >= pit.left() && view.right() <= pit.right() && view.bottom() == pit.bottom() - 7)
            << "cell " << cell;
        // The art is drawn, and checked, for these places.
        EXPECT_EQ(std::pair(pit, view), std::pair(art::pitStrips[cell - 1], art::pieceViews[cell - 1])) << cell;
    }
    EXPECT_EQ(RectOf(NotNil(game->leftturn())), art::turnMarkerPlaces[0]);
    EXPECT_EQ(RectOf(NotNil(game->RIghtTurn())), art::turnMarkerPlaces[1]);
    // Under piece views 2 and 5, beside piece view 2; in piece views 5 and 8 above their pits, on an indicator,
    // where the banner stands, in the board's corner: on no pit.
    const std::pair<QPoint, int32_t> clicks[] = {{{229, 105}, 8}, {{175, 157}, 2}, {{229, 80}, 0},
                                                 {{20, 20}, 0},   {{200, 20}, 0},  {{10, 200}, 0}};
    for (auto [at, cell] : clicks) {
        game->Initialize();
        Mouse(*game, at);
        EXPECT_EQ(std::count(game->Pits.begin(), game->Pits.end(), 0), cell ? 10 : 11) << at.x() << "," << at.y();
        EXPECT_EQ(game->Pits[cell] != 0, cell != 0) << at.x() << "," << at.y();
    }
}

TEST_F(GameWindow, TheBannerShowsOverTheTopOfTheBoardBetweenTheTurnIndicators) {
    for (int32_t cell : {1, 4, 2, 5, 3})
        ClickPit(cell);
    const RectControl& banner = NotNil(game->Canvas3());
    ASSERT_TRUE(banner.Visible());
    EXPECT_EQ(banner.Widget()->geometry(), art::bannerPlace);
    EXPECT_TRUE(Shows(Shot(*game), {77, 1}, NotNil(pGameOver())));
}

TEST_F(GameWindow, ClosingItQuitsWithStatusZero) {
    TopLevelOf(*game)->close();  // as the close box does
    EXPECT_TRUE(RuntimeQuitRequested());
    EXPECT_EQ(RuntimeExitStatus(), 0);
    RuntimeCancelQuit();
}

}  // namespace
