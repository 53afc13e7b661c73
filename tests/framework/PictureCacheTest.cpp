// Pictures drawn scaled look as a smooth draw of the picture does, at each size and part in turn, and picture
// files, and the shapes inside the program, are read only as the format their name gives.
#include "FrameworkTest.h"
#include "framework/ResourceFork.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <future>
#include <sys/stat.h>

namespace {
// A grey surface of 100 by 100 logical pixels, at the given device pixel ratio.
QImage OverGrey(const std::function<void(QPainter&)>& draw, int ratio = 1) {
    QImage surface(100 * ratio, 100 * ratio, QImage::Format_ARGB32_Premultiplied);
    surface.setDevicePixelRatio(ratio);
    surface.fill(Qt::gray);
    QPainter painter(&surface);
    draw(painter);
    return surface;
}

// A valid, all black 24-bit BMP of any size: a sparse file, so a huge one costs nothing to make.
std::string BlackBmp(const QTemporaryDir& folder, int width, int height) {
    const qint64 stride = (width * 3 + 3) & ~3, size = 54 + stride * height;
    QByteArray header(54, '\0');
    header[0] = 'B', header[1] = 'M';
    for (auto [at, value] : {std::pair{10, 54}, {14, 40}, {18, width}, {22, height}, {26, 1 | 24 << 16}})
        qToLittleEndian<qint32>(value, header.data() + at);
    const QString path = folder.filePath(QStringLiteral("%1x%2.bmp").arg(width).arg(height));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(header) != 54 || !file.resize(size)) return {};
    return path.toStdString();
}
}  // namespace

// On a high-density screen too: there a piece drawn at its view's size must not show as blocks of pixels.
TEST(ScaledPictures, LookAsASmoothDrawAtEachSizePartAndPixelRatioInTurnAndAfterWhiteTurnsTransparent) {
    QImage shape(64, 64, QImage::Format_RGB32);
    shape.fill(Qt::white);
    QPainter(&shape).fillRect(8, 8, 40, 48, QColor(200, 30, 60));
    const auto picture = PictureFromImage(shape);
    const QRect whole(0, 0, 64, 64), right(32, 0, 32, 64);
    // Sizes and parts come back, so that a copy kept under the wrong key would show.
    const std::tuple<QRect, int, int> draws[] = {{whole, 80, 1}, {whole, 30, 1}, {whole, 64, 2}, {whole, 80, 1},
                                                 {right, 30, 1}, {whole, 30, 2},  {whole, 30, 1}};
    for (int transparent : {0, 1}) {
        picture->SetTransparent(transparent);
        for (const auto& [source, size, ratio] : draws) {
            const QImage drawn = OverGrey(
                [&](QPainter& p) {
                    Graphics(p, 100, 100)
                        .DrawPicture(picture, 5, 5, size, size, source.x(), source.y(), source.width(),
                                     source.height());
                },
                ratio);
            const QImage smooth = OverGrey(
                [&](QPainter& p) {
                    p.setRenderHint(QPainter::SmoothPixmapTransform);
                    p.drawImage(QRect(5, 5, size, size), ImageOf(*picture), source);
                },
                ratio);
            int worst = 0;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x)
                    for (int shift : {0, 8, 16})
                        worst = std::max(worst, std::abs(int(drawn.pixel(x, y) >> shift & 0xFF) -
                                                         int(smooth.pixel(x, y) >> shift & 0xFF)));
            EXPECT_LE(worst, 2) << "transparent " << transparent << ", " << size << " from x " << source.x()
                                << " at ratio " << ratio;
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

// A picture that would take more memory than Qt allows an image read from a file is refused at once, as
// Qt's own reader refuses it, and under whatever limit Qt is given.
TEST(PictureFiles, NeedingMoreMemoryThanQtAllowsAnImageAreRefusedAtOnce) {
    QTemporaryDir folder;
    const auto read = [&](int width, int height) { return FolderItem(BlackBmp(folder, width, height)).OpenAsPicture(); };
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(read(20000, 20000), nullptr);
    EXPECT_EQ(read(32767, 32767), nullptr);
    EXPECT_LT(clock.elapsed(), 1000);
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);  // MiB
    EXPECT_EQ(read(600, 600), nullptr);
    QImageReader::setAllocationLimit(limit);
    EXPECT_EQ(NotNil(read(600, 600)).Width(), 600);
}

// Another process may swap a named pipe in for a picture after its name was looked at: reading it must not wait
// for a writer that never comes.
TEST(PictureFiles, ThatAreNamedPipesOrFoldersAreRefusedWithoutWaiting) {
    QTemporaryDir folder;
    const QString pipe = folder.filePath("Board.bmp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    auto read = std::async(std::launch::async, [&] { return ReadPicture(pipe, "bmp"); });
    if (read.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
        ADD_FAILURE() << "reading a named pipe waits for a writer";
        QFile writer(pipe);  // lets the blocked read end, so that the test does
        ASSERT_TRUE(writer.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(read.get(), nullptr);
    EXPECT_EQ(ReadPicture(folder.path(), "bmp"), nullptr);
}

TEST(PictureFiles, ShapesAreReadAsTheGeneralReaderReadsThemTransparencyIncluded) {
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
