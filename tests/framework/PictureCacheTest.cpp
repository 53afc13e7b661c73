// Pictures drawn scaled look as a smooth draw of the picture does, at each size and part in turn, and picture
// files, and the shapes inside the program, are read only as the format their name gives.
#include "FrameworkTest.h"
#include "framework/ResourceFork.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>

namespace {
QImage OverGrey(const std::function<void(QPainter&)>& draw) {
    QImage surface(100, 100, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::gray);
    QPainter painter(&surface);
    draw(painter);
    return surface;
}
}  // namespace

TEST(ScaledPictures, LookAsASmoothDrawAtEachSizeAndPartInTurnAndAfterWhiteTurnsTransparent) {
    QImage shape(64, 64, QImage::Format_RGB32);
    shape.fill(Qt::white);
    QPainter(&shape).fillRect(8, 8, 40, 48, QColor(200, 30, 60));
    const auto picture = PictureFromImage(shape);
    const QRect whole(0, 0, 64, 64), right(32, 0, 32, 64);
    // Sizes and parts come back, so that a copy kept under the wrong key would show.
    const std::pair<QRect, int> draws[] = {{whole, 80}, {whole, 30}, {whole, 80}, {right, 30}, {whole, 30}};
    for (int transparent : {0, 1}) {
        picture->SetTransparent(transparent);
        for (const auto& [source, size] : draws) {
            const QImage drawn = OverGrey([&](QPainter& p) {
                Graphics(p, 100, 100)
                    .DrawPicture(picture, 5, 5, size, size, source.x(), source.y(), source.width(), source.height());
            });
            const QImage smooth = OverGrey([&](QPainter& p) {
                p.setRenderHint(QPainter::SmoothPixmapTransform);
                p.drawImage(QRect(5, 5, size, size), ImageOf(*picture), source);
            });
            int worst = 0;
            for (int y = 0; y < 100; ++y)
                for (int x = 0; x < 100; ++x)
                    for (int shift : {0, 8, 16})
                        worst = std::max(worst, std::abs(int(drawn.pixel(x, y) >> shift & 0xFF) -
                                                         int(smooth.pixel(x, y) >> shift & 0xFF)));
            EXPECT_LE(worst, 2) << "transparent " << transparent << ", " << size << " from x " << source.x();
        }
    }
}

TEST(PictureFiles, AreReadOnlyAsTheFormatTheirNameGivePixelForPixelAndWholeOrNotAtAll) {
    QTemporaryDir folder;
    QImage image(7, 3, QImage::Format_RGB32);  // an odd width pads each row of the file
    for (int i = 0; i < 21; ++i) image.setPixel(i % 7, i / 7, qRgb(i * 12, 255 - i * 9, i * 5));
    ASSERT_TRUE(image.save(folder.filePath("Png.bmp"), "PNG") && image.save(folder.filePath("Good.bmp"), "BMP"));
    EXPECT_EQ(FolderItem(folder.filePath("Png.bmp").toStdString()).OpenAsPicture(), nullptr);
    EXPECT_EQ(ImageOf(NotNil(FolderItem(folder.filePath("Good.bmp").toStdString()).OpenAsPicture())), image);
    QFile cut(folder.filePath("Good.bmp"));
    ASSERT_TRUE(cut.resize(70));  // the rows end early
    EXPECT_EQ(FolderItem(folder.filePath("Good.bmp").toStdString()).OpenAsPicture(), nullptr);
}

TEST(PictureFiles, ShapesAreReadInPlaceAsTheGeneralReaderReadsThemTransparencyIncluded) {
    const ResourceFork fork;
    for (int id = 128; id <= 151; ++id) {
        const QImage general = QImage(QStringLiteral(":/shapes/%1.bmp").arg(id), "BMP");
        ASSERT_TRUE(general.hasAlphaChannel()) << id;
        const QImage ours = ImageOf(NotNil(fork.Getcicn(id))).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(ours, general.convertToFormat(QImage::Format_ARGB32)) << id;
        EXPECT_EQ(qAlpha(ours.pixel(0, 63)), 0) << id;  // a corner, outside every shape
    }
    EXPECT_EQ(fork.Getcicn(127), nullptr);
}
