// Drawing: pictures scaled from a source rectangle, transparent white, and what a window shows of its
// backdrop, its canvases' backdrops and their Paint handlers.
#include "FrameworkTest.h"
#include "framework/Picture.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 160, 0), kWhite(255, 255, 255), kBlack(0, 0, 0);

// A picture whose left half is one colour and right half another.
std::shared_ptr<Picture> Halves(int width, int height, QColor left, QColor right) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(right);
    QPainter(&image).fillRect(0, 0, width / 2, height, left);
    return PictureFromImage(image);
}

std::shared_ptr<Picture> Solid(int width, int height, QColor colour) {
    return Halves(width, height, colour, colour);
}

testing::AssertionResult ColourAt(const QImage& image, int x, int y, QColor expected) {
    const QColor actual = image.pixelColor(x, y);
    const int distance = std::abs(actual.red() - expected.red()) +
                         std::abs(actual.green() - expected.green()) +
                         std::abs(actual.blue() - expected.blue());
    if (distance <= 24 && actual.alpha() == 255) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "at " << x << "," << y << ": " << actual.name(QColor::HexArgb).toStdString() << ", expected "
           << expected.name().toStdString();
}

// A white 100x100 surface with what draw puts on it.
template <class Draw> QImage Rendered(Draw draw, QColor background = kWhite) {
    QImage surface(100, 100, QImage::Format_RGB32);
    surface.fill(background);
    QPainter painter(&surface);
    Graphics graphics(painter, 100, 100);
    draw(graphics);
    painter.end();
    return surface;
}

} // namespace

TEST(DrawPicture, ScalesTheWholePictureIntoTheDestination) {
    auto picture = Halves(64, 64, kRed, kBlue);
    QImage drawn = Rendered([&](Graphics& g) { g.DrawPicture(picture, 0, 0, 80, 80, 0, 0, 64, 64); });
    EXPECT_TRUE(ColourAt(drawn, 2, 40, kRed));
    EXPECT_TRUE(ColourAt(drawn, 37, 40, kRed));
    EXPECT_TRUE(ColourAt(drawn, 43, 40, kBlue));
    EXPECT_TRUE(ColourAt(drawn, 78, 78, kBlue));
    EXPECT_TRUE(ColourAt(drawn, 82, 40, kWhite));
    EXPECT_TRUE(ColourAt(drawn, 40, 82, kWhite));
}

TEST(DrawPicture, DrawsOnlyTheSourceRectangle) {
    auto picture = Halves(64, 64, kRed, kBlue);
    QImage drawn = Rendered([&](Graphics& g) { g.DrawPicture(picture, 10, 20, 20, 30, 32, 0, 32, 64); });
    EXPECT_TRUE(ColourAt(drawn, 11, 21, kBlue));
    EXPECT_TRUE(ColourAt(drawn, 28, 48, kBlue));
    EXPECT_TRUE(ColourAt(drawn, 8, 30, kWhite));
    EXPECT_TRUE(ColourAt(drawn, 32, 30, kWhite));
    EXPECT_TRUE(ColourAt(drawn, 20, 52, kWhite));
}

TEST(DrawPicture, TakesMinus10000AsThePicturesOwnSize) {
    auto picture = Halves(64, 64, kRed, kBlue);
    QImage own = Rendered([&](Graphics& g) {
        g.DrawPicture(picture, 10, 10, Graphics::kOwnSize, Graphics::kOwnSize, 0, 0, -10000, -10000);
    });
    EXPECT_TRUE(ColourAt(own, 11, 40, kRed));
    EXPECT_TRUE(ColourAt(own, 72, 72, kBlue));
    EXPECT_TRUE(ColourAt(own, 75, 40, kWhite));
    EXPECT_TRUE(ColourAt(own, 40, 75, kWhite));

    QImage defaults = Rendered([&](Graphics& g) { g.DrawPicture(picture, 10, 10); });
    EXPECT_EQ(defaults, own);
}

TEST(DrawPicture, DrawsNothingForANilPicture) {
    QImage drawn = Rendered([&](Graphics& g) { g.DrawPicture(nullptr, 0, 0, 80, 80, 0, 0, 64, 64); });
    EXPECT_EQ(drawn, Rendered([](Graphics&) {}));
}

TEST(PictureTransparent, MakesPureWhiteTransparentAndZeroRestoresIt) {
    QImage image(40, 10, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter(&image).fillRect(20, 0, 10, 10, kBlack);
    image.setPixelColor(35, 5, QColor(254, 255, 255)); // nearly white stays
    auto picture = PictureFromImage(image);

    picture->SetTransparent(1);
    EXPECT_EQ(picture->Transparent(), 1);
    EXPECT_EQ(qAlpha(ImageOf(*picture).pixel(5, 5)), 0);
    EXPECT_EQ(qAlpha(ImageOf(*picture).pixel(25, 5)), 255);
    EXPECT_EQ(qAlpha(ImageOf(*picture).pixel(35, 5)), 255);
    QImage over = Rendered([&](Graphics& g) { g.DrawPicture(picture, 0, 0); }, kGreen);
    EXPECT_TRUE(ColourAt(over, 5, 5, kGreen));
    EXPECT_TRUE(ColourAt(over, 25, 5, kBlack));
    EXPECT_EQ(picture->Width(), 40);

    picture->SetTransparent(0);
    EXPECT_EQ(qAlpha(ImageOf(*picture).pixel(5, 5)), 255);
    EXPECT_TRUE(ColourAt(Rendered([&](Graphics& g) { g.DrawPicture(picture, 0, 0); }, kGreen), 5, 5, kWhite));
}

namespace {

// A green backdrop; Painted (10,10 40x40) has a red backdrop and paints its left half blue; Empty
// (60,10 40x40) binds nothing and has no backdrop.
class PaintWindow : public TestWindow<PaintWindow> {
  public:
    static constexpr const char* kClassName = "Tests.PaintWindow";
    void Layout() override {
        SetProperties(*this, {{"Width", 120}, {"Height", 60}, {"Frame", 5}});
        SetBackdrop(Solid(120, 60, kGreen));
    }
    void CreateControls() override {
        auto painted = MakeControl<Canvas>(*this, "Painted", Bounds(10, 10, 40, 40));
        painted->SetBackdrop(Solid(40, 40, kRed));
        InstallInstanceEventHandler(*painted, "Paint",
                                    RuntimeCreateDelegate(this, &PaintWindow::Paint, "( Graphics )"));
        MakeControl<Canvas>(*this, "Empty", Bounds(60, 10, 40, 40));
    }
    void Paint(Graphics& g) {
        ++paints;
        size = QSize(g.Width(), g.Height());
        g.DrawPicture(Solid(20, 40, kBlue), 0, 0);
    }
    int paints = 0;
    QSize size;
};

using CanvasPainting = FrameworkTest;

} // namespace

TEST_F(CanvasPainting, DrawsTheHandlerOverTheBackdropAndLetsTheWindowShowThroughAnEmptyCanvas) {
    auto window = ImplicitWindow<PaintWindow>();
    window->Show();
    const QImage shown = ContentOf(*window)->grab().toImage();
    EXPECT_TRUE(ColourAt(shown, 5, 5, kGreen));
    EXPECT_TRUE(ColourAt(shown, 15, 30, kBlue));
    EXPECT_TRUE(ColourAt(shown, 45, 30, kRed));
    EXPECT_TRUE(ColourAt(shown, 80, 30, kGreen)) << "an empty canvas hides the window's backdrop";
    EXPECT_EQ(window->size, QSize(40, 40));
}

TEST_F(CanvasPainting, RepaintsThroughThePaintHandlerWhenRefreshed) {
    auto window = ImplicitWindow<PaintWindow>();
    window->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(TopLevelOf(*window)));
    QTest::qWait(20);
    const int before = window->paints;
    QTest::qWait(20);
    ASSERT_EQ(window->paints, before) << "painted without being asked";
    RuntimeWindowControlByName(*window, "Painted")->Refresh(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->paints > before; }, 2000));
    const int again = window->paints;
    window->Refresh(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->paints > again; }, 2000));
}
