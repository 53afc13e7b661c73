// The drawn art must fit the places the game lays it out in, and the pieces must stay tellable apart.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

#include "Art.h"

using art::firstShape, art::shapeCount, art::shapeSize;

namespace {

QString picturePath(const char* name) { return QString(QUILLOMAR_PICTURES_DIR "/") + name; }
QString shapePath(int id) { return QString(QUILLOMAR_SHAPES_DIR "/%1.png").arg(id); }
constexpr std::array pictures{"Board.bmp", "GameOver.bmp", "Splash.bmp", "MorvLogo2x1.bmp"};

struct Brightness {
    double mean = 0, spread = 0;  // of the grey levels; spread is the standard deviation
};
Brightness brightness(const QImage& image, const QRect& area) {
    double sum = 0, squares = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            sum += grey;
            squares += grey * grey;
        }
    const double count = double(area.width()) * area.height(), mean = sum / count;
    return {mean, std::sqrt(std::max(0.0, squares / count - mean * mean))};
}

bool opaque(QRgb pixel) { return qAlpha(pixel) > 127; }

// Pixels of two shapes that differ in any channel by more than a faint shading, and in being solid at all.
std::pair<int, int> differences(const QImage& a, const QImage& b) {
    int pixels = 0, outline = 0;
    for (int y = 0; y < shapeSize; ++y)
        for (int x = 0; x < shapeSize; ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            pixels += std::abs(qRed(p) - qRed(q)) > 32 || std::abs(qGreen(p) - qGreen(q)) > 32 ||
                      std::abs(qBlue(p) - qBlue(q)) > 32 || std::abs(qAlpha(p) - qAlpha(q)) > 32;
            outline += opaque(p) != opaque(q);
        }
    return {pixels, outline};
}

std::array<double, 3> meanColour(const QImage& image) {
    std::array<double, 3> sum{};
    int count = 0;
    for (int y = 0; y < shapeSize; ++y)
        for (int x = 0; x < shapeSize; ++x)
            if (const QRgb p = image.pixel(x, y); qAlpha(p) > 200) {
                sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
                ++count;
            }
    for (double& channel : sum)
        channel /= std::max(count, 1);
    return sum;
}

// Runs quillomar-art with the given arguments; true if it finished cleanly.
bool runArtTool(const QStringList& arguments) {
    qputenv("ASAN_OPTIONS", "detect_leaks=0");
    return QProcess::execute(QUILLOMAR_ART_TOOL, arguments) == 0;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(Pictures, Are24BitBmpsOfTheSizesTheGameLaysOut) {
    const std::array<QSize, 4> sizes{{{454, 215}, {297, 46}, {256, 256}, {145, 39}}};
    for (size_t i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE(pictures[i]);
        EXPECT_EQ(QImage(picturePath(pictures[i])).size(), sizes[i]);
        const QByteArray header = contents(picturePath(pictures[i])).left(30);
        ASSERT_TRUE(header.size() == 30 && header.startsWith("BM"));
        EXPECT_EQ(quint8(header[28]) | quint8(header[29]) << 8, 24) << "bits per pixel";
    }
}

TEST(Board, HasADarkHollowInEveryPitStripAndStaysCalmWhereTheGameDrawsOver) {
    const QImage board(picturePath("Board.bmp"));
    ASSERT_FALSE(board.isNull());
    for (const QRect& strip : art::pitStrips) {
        SCOPED_TRACE(QString("pit at %1,%2").arg(strip.x()).arg(strip.y()).toStdString());
        const QRect middle =
            strip.adjusted(strip.width() / 4, strip.height() / 4, -strip.width() / 4, -strip.height() / 4);
        const double inside = brightness(board, middle).mean;
        EXPECT_LT(inside + 60, brightness(board, QRect(middle.x(), strip.top() - 4, middle.width(), 4)).mean);
        EXPECT_LT(inside + 60, brightness(board, QRect(middle.x(), strip.bottom() + 1, middle.width(), 4)).mean);
    }
    for (const QRect& place : {art::bannerPlace, art::turnMarkerPlaces[0].adjusted(5, 5, -5, -5),
                               art::turnMarkerPlaces[1].adjusted(5, 5, -5, -5)})
        EXPECT_LT(brightness(board, place).spread, 12) << "area at " << place.x() << "," << place.y();
}

TEST(Banner, BlendsIntoTheBoardWhereItLies) {
    const QImage banner(picturePath("GameOver.bmp")), board(picturePath("Board.bmp"));
    ASSERT_EQ(banner.size(), art::bannerPlace.size());
    for (const QPoint& corner : {QPoint(0, 0), QPoint(296, 0), QPoint(0, 45), QPoint(296, 45)})
        EXPECT_EQ(banner.pixel(corner), board.pixel(art::bannerPlace.topLeft() + corner))
            << corner.x() << "," << corner.y();
    EXPECT_GT(brightness(banner, QRect(90, 12, 117, 20)).spread, 40) << "no lettering across the middle";
}

TEST(Logo, StandsOnPureWhiteWithNoPureWhiteOfItsOwn) {
    const QImage logo(picturePath("MorvLogo2x1.bmp"));
    ASSERT_EQ(logo.size(), QSize(145, 39));
    const auto white = [&](int x, int y) { return (logo.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF; };
    EXPECT_TRUE(white(0, 0) && white(144, 0) && white(0, 38) && white(144, 38));
    int holes = 0;  // pure white inside turns into holes when the game clears the white
    for (int y = 4; y < 35; ++y)
        for (int x = 4; x < 141; ++x)
            holes += white(x, y);
    EXPECT_EQ(holes, 0);
}

class Shapes : public testing::Test {
protected:
    static void SetUpTestSuite() {
        for (int i = 0; i < shapeCount; ++i)
            shapes[std::size_t(i)] = QImage(shapePath(firstShape + i)).convertToFormat(QImage::Format_ARGB32);
    }
    static const QImage& at(int id) { return shapes[std::size_t(id - firstShape)]; }
    static inline std::array<QImage, shapeCount> shapes;
};

TEST_F(Shapes, AreSquareWithAClearBorderAndABoldShapeAndEveryPairDiffersInOutlineAndColour) {
    for (int id = firstShape; id < firstShape + shapeCount; ++id) {
        SCOPED_TRACE(id);
        ASSERT_EQ(at(id).size(), QSize(shapeSize, shapeSize));
        EXPECT_TRUE(QImage(shapePath(id)).hasAlphaChannel());
        int border = 0, solid = 0;
        for (int y = 0; y < shapeSize; ++y)
            for (int x = 0; x < shapeSize; ++x) {
                border += std::min({x, y, shapeSize - 1 - x, shapeSize - 1 - y}) < 2 && qAlpha(at(id).pixel(x, y));
                solid += qAlpha(at(id).pixel(x, y)) > 200;
            }
        EXPECT_EQ(border, 0) << "pixels showing in the two outer rings";
        EXPECT_GT(solid, shapeSize * shapeSize / 10) << "too little of the shape is solid";
        for (int other = id + 1; other < firstShape + shapeCount; ++other) {
            const auto [pixels, outline] = differences(at(id), at(other));
            const auto a = meanColour(at(id)), b = meanColour(at(other));
            EXPECT_GT(pixels, 300) << "against " << other;
            EXPECT_GT(outline, 120) << "against " << other;
            EXPECT_GT(std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]), 30) << "against " << other;
        }
    }
}

TEST_F(Shapes, DefaultsAreARedCrossAndABlueRing) {
    const QImage &cross = at(129), &ring = at(128);
    const auto solid = [](const QImage& image, std::initializer_list<QPoint> points) {
        return std::ranges::all_of(points, [&](QPoint p) { return opaque(image.pixel(p)); });
    };
    EXPECT_TRUE(solid(cross, {{32, 32}, {14, 14}, {49, 49}}));
    EXPECT_FALSE(opaque(cross.pixel(32, 12)) || opaque(cross.pixel(12, 32)));
    EXPECT_FALSE(opaque(ring.pixel(32, 32)));
    EXPECT_TRUE(solid(ring, {{32, 9}, {9, 32}, {54, 32}, {32, 55}}));
    EXPECT_GT(meanColour(cross)[0], meanColour(cross)[2] + 60);
    EXPECT_GT(meanColour(ring)[2], meanColour(ring)[0] + 60);
}

TEST(ArtTool, DrawsTheSameArtEveryTimeAndAReviewSheet) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_TRUE(runArtTool({out.filePath("pictures"), out.filePath("shapes")}));
    for (const char* name : pictures)
        EXPECT_EQ(contents(out.filePath("pictures/") + name), contents(picturePath(name))) << name;
    for (int id = firstShape; id < firstShape + shapeCount; ++id)
        EXPECT_EQ(contents(out.filePath("shapes/%1.png").arg(id)), contents(shapePath(id))) << id;

    ASSERT_TRUE(runArtTool({"--preview", out.filePath("sheet.png")}));
    const QImage sheet(out.filePath("sheet.png"));
    EXPECT_GE(sheet.width(), shapeCount * shapeSize);
    EXPECT_GE(sheet.height(), 215);
    EXPECT_FALSE(runArtTool({"--preview"})) << "a preview with nowhere to go";
}
