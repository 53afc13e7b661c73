// The game window's layout: a fixed board of 21 canvases, and where a click on it lands.
#include "resources/art/Art.h"
#include "support/GameFixture.h"

#include <QRect>

namespace {

using LayoutTest = GameFixture;

QRect RectOf(const RectControl& control) {
    return QRect(control.Left(), control.Top(), control.Width(), control.Height());
}

TEST_F(LayoutTest, EachPieceStandsSevenPixelsAboveTheBottomOfItsOwnPitStrip) {
    EXPECT_FALSE(game->Visible());
    EXPECT_EQ(game->Title(), "Quillomar");
    EXPECT_EQ(ContentOf(*game)->size(), QSize(454, 215));
    EXPECT_EQ(game->Controls().size(), 21u);
    EXPECT_FALSE(BannerShown());
    EXPECT_EQ(RectOf(NotNil(game->leftturn())), art::turnMarkerPlaces[0]);
    EXPECT_EQ(RectOf(NotNil(game->RIghtTurn())), art::turnMarkerPlaces[1]);
    for (int32_t cell = 1; cell <= 9; ++cell) {
        SCOPED_TRACE(cell);
        const QRect pit = RectOf(NotNil(game->Canvas1At(cell))), view = RectOf(NotNil(game->Canvas2At(cell)));
        EXPECT_GE(view.left(), pit.left());
        EXPECT_LE(view.right(), pit.right());
        EXPECT_EQ(view.bottom(), pit.bottom() - 7);
        // The art is drawn and checked against its own copy of these places.
        EXPECT_EQ(pit, art::pitStrips[cell - 1]);
        EXPECT_EQ(view, art::pieceViews[cell - 1]);
        for (int32_t other = cell + 1; other <= 9; ++other)
            EXPECT_FALSE(pit.intersects(RectOf(*game->Canvas1At(other)))) << "and pit " << other;
    }
}

TEST_F(LayoutTest, AnExtraPitStripCopiesPitNineButPlaysNoCell) {
    auto extra = game->New<Dialog1::Canvas1>();
    extra->Constructor();
    EXPECT_EQ(extra->Index(), 0);
    EXPECT_EQ(RectOf(*extra), RectOf(*game->Canvas1At(9)));
    EXPECT_EQ(game->Canvas1At(9)->Index(), 9);
    extra->RaiseVoidEvent<int32_t, int32_t>("MouseUp", 1, 1);
    EXPECT_EQ(game->Pits, (std::array<int32_t, 11>{}));
}

TEST_F(LayoutTest, AClickOnTheBoardReachesThePitStripUnderItAndNothingElse) {
    game->Show();
    const struct {
        QPoint at;
        int32_t cell; // 0: none
    } cases[] = {
        {{229, 105}, 8}, // under piece views 2 and 5
        {{175, 157}, 2}, // beside piece view 2
        {{10, 200}, 0},  {{20, 20}, 0}, {{200, 20}, 0}, {{229, 80}, 0}, {{300, 160}, 0},
    };
    auto expectClick = [&](QPoint at, int32_t cell) {
        game->Initialize();
        game->PlayersTurn = 1;
        ClickAt(*game, at);
        std::array<int32_t, 11> expected{};
        expected[cell] = cell == 0 ? 0 : 1;
        EXPECT_EQ(game->Pits, expected) << "at " << at.x() << "," << at.y();
    };
    for (const auto& c : cases)
        expectClick(c.at, c.cell);
    for (int32_t cell = 1; cell <= 9; ++cell) {
        const Canvas& pit = *game->Canvas1At(cell);
        expectClick({pit.Left() + pit.Width() / 2, pit.Top() + pit.Height() - 2}, cell);
    }
}

} // namespace
