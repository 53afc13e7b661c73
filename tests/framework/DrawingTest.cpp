// Drawing: pictures scaled from a source rectangle, transparent white, and canvases painting over their
// backdrops when asked.
#include "FrameworkTest.h"

#include <QPainter>
#include <array>
#include <functional>
#include <tuple>

namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 160, 0), kWhite(255, 255, 255), kBlack(0, 0, 0);

// A picture whose left half is one colour and right half another.
std::shared_ptr<Picture> Halves(int width, int height, QColor left, QColor right) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(right);
    QPainter(&image).fillRect(0, 0, width / 2, height, left);
    return PictureFromImage(image);
}

// A 100x100 surface of the background colour with what draw puts on it.
QImage Rendered(const std::function<void(Graphics&)>& draw, QColor background = kWhite) {
    QImage surface(100, 100, QImage::Format_RGB32);
    surface.fill(background);
    QPainter painter(&surface);
    Graphics graphics(painter, 100, 100);
    draw(graphics);
    return surface;
}

using Probe = std::tuple<int, int, QColor>;

}  // namespace

TEST(DrawPicture, ScalesTheSourceRectangleIntoTheDestinationAndTakesMinus10000AsOwnSize) {
    auto picture = Halves(64, 64, kRed, kBlue);
    const std::vector<std::pair<std::array<int32_t, 8>, std::vector<Probe>>> cases = {
        {{0, 0, 80, 80, 0, 0, 64, 64},
         {{2, 40, kRed}, {37, 40, kRed}, {43, 40, kBlue}, {78, 78, kBlue}, {82, 40, kWhite}, {40, 82, kWhite}}},
        {{10, 20, 20, 30, 32, 0, 32, 64},
         {{11, 21, kBlue}, {28, 48, kBlue}, {8, 30, kWhite}, {32, 30, kWhite}, {20, 52, kWhite}}},
        {{10, 10, -10000, -10000, 0, 0, -10000, -10000},
         {{11, 40, kRed}, {72, 72, kBlue}, {75, 40, kWhite}, {40, 75, kWhite}}},
    };
    for (const auto& [a, probes] : cases) {
        const QImage drawn =
            Rendered([&](Graphics& g) { g.DrawPicture(picture, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]); });
        for (const auto& [x, y, colour] : probes)
            EXPECT_EQ(drawn.pixelColor(x, y), colour) << x << "," << y;
    }
    EXPECT_EQ(Rendered([&](Graphics& g) { g.DrawPicture(picture, 10, 10); }),
              Rendered([&](Graphics& g) { g.DrawPicture(picture, 10, 10, -10000, -10000, 0, 0, -10000, -10000); }));
    EXPECT_EQ(Rendered([](Graphics& g) { g.DrawPicture(nullptr, 0, 0, 80, 80, 0, 0, 64, 64); }),
              Rendered([](Graphics&) {}));
}

TEST(PictureTransparent, MakesPureWhiteTransparentAndZeroRestoresIt) {
    QImage image(40, 10, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter(&image).fillRect(20, 0, 10, 10, kBlack);
    image.setPixelColor(35, 5, QColor(254, 255, 255));  // nearly white stays
    auto picture = PictureFromImage(image);
    auto over = [&] { return Rendered([&](Graphics& g) { g.DrawPicture(picture, 0, 0); }, kGreen); };

    picture->SetTransparent(1);
    EXPECT_EQ(over().pixelColor(5, 5), kGreen);
    EXPECT_EQ(over().pixelColor(35, 5), QColor(254, 255, 255));
    EXPECT_EQ(over().pixelColor(25, 5), kBlack);
    picture->SetTransparent(0);
    EXPECT_EQ(over().pixelColor(5, 5), kWhite);
}

using CanvasPainting = FrameworkTest;

TEST_F(CanvasPainting, DrawsTheHandlerOverTheBackdropAndAgainWhenRefreshed) {
    auto window = ImplicitWindow<LogWindow>();
    SetProperties(*window, {{"Width", 120}, {"Height", 60}, {"Frame", 5}});
    auto canvas = window->Add<Canvas>("Painted", Bounds(10, 10, 40, 40), {"Paint"});
    canvas->SetBackdrop(Halves(40, 40, kRed, kRed));
    window->drawing = Halves(20, 40, kBlue, kBlue);
    window->Show();
    const QImage shown = ContentOf(*window)->grab().toImage();
    EXPECT_EQ(shown.pixelColor(15, 30), kBlue);
    EXPECT_EQ(shown.pixelColor(45, 30), kRed);

    ASSERT_TRUE(QTest::qWaitForWindowExposed(TopLevelOf(*window)));
    QTest::qWait(20);
    const int before = window->paints;
    QTest::qWait(20);
    ASSERT_EQ(window->paints, before) << "painted without being asked";
    canvas->Refresh(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->paints > before; }, 2000));
    const int again = window->paints;
    window->Refresh(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->paints > again; }, 2000));
}
