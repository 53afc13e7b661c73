// Drawing pictures: a source rectangle scaled into the destination, -10000 for a picture's own size, nil
// drawing nothing, and white made transparent.
#include "FrameworkTest.h"

#include <QPainter>

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kWhite(255, 255, 255), kNearlyWhite(254, 255, 255), kGreen(0, 160, 0);
constexpr int32_t kOwn = -10000;

// A 100x100 green surface with the picture drawn on it as the arguments say.
QImage Drawn(const std::shared_ptr<Picture>& picture, std::array<int32_t, 8> a) {
    QImage surface(100, 100, QImage::Format_RGB32);
    surface.fill(kGreen);
    QPainter painter(&surface);
    Graphics(painter, 100, 100).DrawPicture(picture, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
    return surface;
}

TEST(DrawPicture, ScalesTheSourceIntoTheDestinationTakesMinus10000AsOwnSizeAndMakesWhiteTransparent) {
    QImage image(64, 32, QImage::Format_RGB32);  // 16 columns red, 16 blue, 32 white with one nearly white pixel
    image.fill(kWhite);
    QPainter(&image).fillRect(0, 0, 16, 32, kRed);
    QPainter(&image).fillRect(16, 0, 16, 32, kBlue);
    image.setPixelColor(50, 20, kNearlyWhite);
    auto picture = PictureFromImage(image);
    using Probe = std::tuple<int, int, QColor>;
    const std::vector<std::tuple<int32_t, std::array<int32_t, 8>, std::vector<Probe>>> cases = {
        {0,
         {0, 0, 64, 64, 0, 0, 32, 32},
         {{2, 60, kRed}, {30, 2, kRed}, {34, 60, kBlue}, {62, 2, kBlue}, {66, 2, kGreen}}},
        {0, {10, 20, 20, 30, 16, 0, 16, 32}, {{11, 21, kBlue}, {28, 48, kBlue}, {8, 30, kGreen}, {20, 51, kGreen}}},
        {1, {10, 10, kOwn, kOwn, 0, 0, kOwn, kOwn}, {{11, 41, kRed}, {45, 15, kGreen}, {60, 30, kNearlyWhite}}},
        {0, {10, 10, kOwn, kOwn, 0, 0, kOwn, kOwn}, {{40, 40, kBlue}, {45, 15, kWhite}, {20, 43, kGreen}}},
    };
    for (const auto& [transparent, arguments, probes] : cases) {
        picture->SetTransparent(transparent);
        const QImage drawn = Drawn(picture, arguments);
        for (const auto& [x, y, colour] : probes)
            EXPECT_EQ(drawn.pixelColor(x, y), colour) << x << "," << y;
    }
    EXPECT_EQ(Drawn(nullptr, {0, 0, 80, 80, 0, 0, 64, 32}).pixelColor(40, 40), kGreen);
}
