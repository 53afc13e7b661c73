// The shape chooser: the arrows never give both players one shape, every press repaints its preview, and
// the game window learns of the choice only on "OK".
#include "dialogs/Dialog4.h"
#include "support/GameFixture.h"

#include <random>
#include <tuple>
#include <utility>

namespace {

constexpr int32_t kFirst = 128, kLast = 151;

// Which shape a press should give, said the other way round: the nearest number in the arrow's direction
// that the other player does not hold, or the same one when there is none.
int32_t Expected(int32_t shape, int32_t other, int32_t step) {
    for (int32_t next = shape + step; next >= kFirst && next <= kLast; next += step)
        if (next != other) return next;
    return shape;
}

struct Arrow {
    const char* button;
    int player; // 1 or 2
    int32_t step;
    const char* preview;
};
const Arrow kP1Next{"PushButton1", 1, +1, "Canvas1"}, kP1Back{"PushButton2", 1, -1, "Canvas1"},
    kP2Next{"PushButton3", 2, +1, "Canvas2"}, kP2Back{"PushButton4", 2, -1, "Canvas2"};

// Every opaque pixel of the icon stands unscaled at the preview's top left.
testing::AssertionResult ShowsIcon(const QImage& shown, const Canvas& preview, const Picture& picture) {
    const QImage icon = ImageOf(picture).convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < icon.height() && y < preview.Height(); ++y)
        for (int x = 0; x < icon.width() && x < preview.Width(); ++x) {
            const QRgb want = icon.pixel(x, y), got = shown.pixel(preview.Left() + x, preview.Top() + y);
            if (qAlpha(want) != 255) continue;
            ++opaque;
            if ((got & 0xFFFFFF) != (want & 0xFFFFFF))
                return testing::AssertionFailure()
                       << "pixel " << x << "," << y << " is " << std::hex << got << ", the icon's " << want;
        }
    if (opaque < 100) return testing::AssertionFailure() << "the icon has almost no opaque pixels";
    return testing::AssertionSuccess();
}

class ShapeChooser : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        chooser = Dialog4::Shared();
        chooser->Show();
    }

    void Press(const char* button) { NotNil(ControlOf<PushButton>(*chooser, button)).Push(); }
    Canvas& Preview(const char* name) { return NotNil(ControlOf<Canvas>(*chooser, name)); }
    auto Shapes() const { return std::tuple(game->P1Num, game->P2Num, game->Player1Shape, game->Player2Shape); }

    // The pixels of the chooser as shown, with page `page` of the panel in front.
    QImage Shown(int32_t page) {
        NotNil(ControlOf<TabPanel>(*chooser, "TabPanel1")).SetValue(page);
        return ContentOf(*chooser)->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }

    std::shared_ptr<Dialog4> chooser;
};

TEST_F(ShapeChooser, FirstShowingPreviewsEachPlayersShapeOnItsOwnPage) {
    EXPECT_EQ(NotNil(ControlOf<TabPanel>(*chooser, "TabPanel1")).Pages(),
              (std::vector<std::string>{"Player #1", "Player #2"}));
    EXPECT_EQ(std::pair(chooser->p1, chooser->p2), std::pair(129, 128));
    const auto& fork = NotNil(game->RFork);
    EXPECT_TRUE(ShowsIcon(Shown(0), Preview("Canvas1"), NotNil(fork.Getcicn(129))));
    EXPECT_TRUE(ShowsIcon(Shown(1), Preview("Canvas2"), NotNil(fork.Getcicn(128))));
    EXPECT_FALSE(ShowsIcon(Shown(1), Preview("Canvas2"), NotNil(fork.Getcicn(129)))) << "the icons must differ";
}

TEST_F(ShapeChooser, ArrowsStopAtTheEndsAndSkipTheOtherPlayersShape) {
    const struct {
        int32_t p1, p2;
        Arrow arrow;
        int32_t wantP1, wantP2;
    } cases[] = {
        {151, 128, kP1Next, 151, 128}, // at the end
        {150, 151, kP1Next, 150, 151}, // only the other's shape beyond
        {149, 150, kP1Next, 151, 150}, // jumps over the other's shape
        {140, 128, kP2Back, 140, 128}, {128, 129, kP2Back, 128, 129}, {129, 130, kP2Back, 129, 128},
        {129, 128, kP1Back, 129, 128}, {129, 128, kP2Next, 129, 130}, {135, 140, kP1Next, 136, 140},
        {135, 140, kP1Back, 134, 140}, {141, 140, kP2Back, 141, 139},
    };
    for (const auto& c : cases) {
        chooser->p1 = c.p1;
        chooser->p2 = c.p2;
        Press(c.arrow.button);
        EXPECT_EQ(std::pair(chooser->p1, chooser->p2), std::pair(c.wantP1, c.wantP2))
            << c.arrow.button << " from " << c.p1 << ", " << c.p2;
    }
}

TEST_F(ShapeChooser, AnySequenceOfPressesKeepsTwoDifferentShapesAndRepaintsThePressedPage) {
    const Arrow arrows[] = {kP1Next, kP1Back, kP2Next, kP2Back};
    std::mt19937 random(20240611);
    for (int press = 0; press < 3000; ++press) {
        const Arrow& arrow = arrows[random() % 4];
        auto want = std::pair(chooser->p1, chooser->p2);
        if (arrow.player == 1)
            want.first = Expected(want.first, want.second, arrow.step);
        else
            want.second = Expected(want.second, want.first, arrow.step);
        const auto repaints = Preview("Canvas1").RefreshRequests() + Preview("Canvas2").RefreshRequests();
        const auto pageRepaints = Preview(arrow.preview).RefreshRequests();

        Press(arrow.button);

        ASSERT_EQ(std::pair(chooser->p1, chooser->p2), want) << "press " << press << ": " << arrow.button;
        ASSERT_NE(chooser->p1, chooser->p2);
        ASSERT_EQ(Preview(arrow.preview).RefreshRequests(), pageRepaints + 1) << "changed or not, it repaints";
        ASSERT_EQ(Preview("Canvas1").RefreshRequests() + Preview("Canvas2").RefreshRequests(), repaints + 1);
    }
}

TEST_F(ShapeChooser, OkFetchesBothPicturesAfreshAndRepaintsTheBoardChangedOrNot) {
    Place({1}, {2});
    game->PlayersTurn = 4;
    game->GameStarted = true;
    const auto board = game->Pits;
    for (bool changed : {false, true}) {
        if (changed) // the game still holds the old pictures
            for (const char* button : {"PushButton1", "PushButton1", "PushButton3"}) // 129 to 131, 128 to 129
                Press(button);
        else
            game->Player1Shape = game->Player2Shape = nullptr;
        const auto repaints = game->RefreshRequests();

        Press("PushButton5");

        const int32_t p1 = changed ? 131 : 129, p2 = changed ? 129 : 128;
        EXPECT_EQ(std::pair(game->P1Num, game->P2Num), std::pair(p1, p2));
        EXPECT_EQ(ImageOf(NotNil(game->Player1Shape)), ImageOf(NotNil(game->RFork->Getcicn(p1))));
        EXPECT_EQ(ImageOf(NotNil(game->Player2Shape)), ImageOf(NotNil(game->RFork->Getcicn(p2))));
        EXPECT_GT(game->RefreshRequests(), repaints);
        EXPECT_FALSE(chooser->Visible());
        chooser->Show();
    }
    EXPECT_EQ(game->Pits, board);
    EXPECT_EQ(game->PlayersTurn, 4);
    EXPECT_TRUE(game->GameStarted);
}

TEST_F(ShapeChooser, ArrowsAndCancelLeaveTheGameWindowAsItWas) {
    const auto shapes = Shapes();
    const auto repaints = game->RefreshRequests();
    for (const char* button : {"PushButton1", "PushButton1", "PushButton3", "PushButton4", "PushButton2"})
        Press(button);
    Press("PushButton6");
    EXPECT_EQ(Shapes(), shapes);
    EXPECT_EQ(game->RefreshRequests(), repaints);
    EXPECT_FALSE(chooser->Visible());
    EXPECT_EQ(Dialog4::Shared(), chooser) << "hidden, not closed: the next Shapes command shows it again";
}

} // namespace
