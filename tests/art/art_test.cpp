// The drawn art must fit the places the game lays it out in, and the pieces must stay tellable apart.

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int firstShape = 128, shapeCount = 24, shapeSize = 64;

QString picturePath(const char* name) {
    return QString(QUILLOMAR_PICTURES_DIR "/") + name;
}

QImage shape(int id) {
    return QImage(QString(QUILLOMAR_SHAPES_DIR "/%1.png").arg(id)).convertToFormat(QImage::Format_ARGB32);
}

struct Brightness {
    double mean = 0;
    double spread = 0; // standard deviation
};

Brightness brightness(const QImage& image, const QRect& area) {
    double sum = 0, squares = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            sum += grey;
            squares += grey * grey;
        }
    const double count = double(area.width()) * area.height();
    const double mean = sum / count;
    return {mean, std::sqrt(std::max(0.0, squares / count - mean * mean))};
}

bool opaque(QRgb pixel) {
    return qAlpha(pixel) > 127;
}

// Pixels that differ in any channel by more than a faint shading difference.
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < shapeSize; ++y)
        for (int x = 0; x < shapeSize; ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 32 || std::abs(qGreen(p) - qGreen(q)) > 32 ||
                std::abs(qBlue(p) - qBlue(q)) > 32 || std::abs(qAlpha(p) - qAlpha(q)) > 32)
                ++count;
        }
    return count;
}

int differingSilhouette(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < shapeSize; ++y)
        for (int x = 0; x < shapeSize; ++x)
            count += opaque(a.pixel(x, y)) != opaque(b.pixel(x, y));
    return count;
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

double distance(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

// Runs quillomar-art with the given arguments; true if it finished cleanly.
bool runArtTool(const QStringList& arguments) {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    tool.setProcessEnvironment(environment);
    tool.start(QUILLOMAR_ART_TOOL, arguments);
    return tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int bmpBitsPerPixel(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM")) return 0;
    return quint8(header[28]) | quint8(header[29]) << 8;
}

} // namespace

TEST(Pictures, Are24BitBmpsOfTheSizesTheGameLaysOut) {
    const std::array<std::pair<const char*, QSize>, 4> pictures{{
        {"Board.bmp", {454, 215}},
        {"GameOver.bmp", {297, 46}},
        {"Splash.bmp", {256, 256}},
        {"MorvLogo2x1.bmp", {145, 39}},
    }};
    for (const auto& [name, size] : pictures) {
        SCOPED_TRACE(name);
        EXPECT_EQ(QImage(picturePath(name)).size(), size);
        EXPECT_EQ(bmpBitsPerPixel(picturePath(name)), 24);
    }
}

TEST(Board, HasADarkHollowInEveryPitStrip) {
    const QImage board(picturePath("Board.bmp"));
    ASSERT_FALSE(board.isNull());
    const std::array<QRect, 9> strips{{
        {46, 145, 96, 24},
        {171, 145, 121, 24},
        {317, 145, 93, 24},
        {86, 117, 72, 22},
        {188, 117, 83, 22},
        {290, 117, 81, 22},
        {116, 93, 68, 16},
        {193, 93, 73, 16},
        {279, 93, 62, 16},
    }};
    for (const QRect& strip : strips) {
        SCOPED_TRACE(QString("pit at %1,%2").arg(strip.x()).arg(strip.y()).toStdString());
        const QRect middle =
            strip.adjusted(strip.width() / 4, strip.height() / 4, -strip.width() / 4, -strip.height() / 4);
        const double inside = brightness(board, middle).mean;
        EXPECT_LT(inside + 60, brightness(board, QRect(middle.x(), strip.top() - 4, middle.width(), 4)).mean);
        EXPECT_LT(inside + 60,
                  brightness(board, QRect(middle.x(), strip.bottom() + 1, middle.width(), 4)).mean);
    }
}

TEST(Board, KeepsThePlacesTheGameDrawsOverCalm) {
    const QImage board(picturePath("Board.bmp"));
    ASSERT_FALSE(board.isNull());
    const std::array<QRect, 3> places{{{77, 1, 297, 46}, {13, 11, 20, 20}, {421, 11, 20, 20}}};
    for (const QRect& place : places) {
        SCOPED_TRACE(QString("area at %1,%2").arg(place.x()).arg(place.y()).toStdString());
        EXPECT_LT(brightness(board, place).spread, 12);
    }
}

TEST(Banner, BlendsIntoTheBoardWhereItLies) {
    const QImage banner(picturePath("GameOver.bmp")), board(picturePath("Board.bmp"));
    ASSERT_EQ(banner.size(), QSize(297, 46));
    const QPoint place(77, 1);
    for (const QPoint& corner : {QPoint(0, 0), QPoint(296, 0), QPoint(0, 45), QPoint(296, 45)})
        EXPECT_EQ(banner.pixel(corner), board.pixel(place + corner)) << corner.x() << "," << corner.y();
    // Light lettering on a dark ribbon across the middle.
    EXPECT_GT(brightness(banner, QRect(90, 12, 117, 20)).spread, 40);
}

TEST(Logo, StandsOnPureWhiteWithNoPureWhiteOfItsOwn) {
    const QImage logo(picturePath("MorvLogo2x1.bmp"));
    ASSERT_EQ(logo.size(), QSize(145, 39));
    const auto white = [&](int x, int y) { return (logo.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF; };
    for (const QPoint& corner : {QPoint(0, 0), QPoint(144, 0), QPoint(0, 38), QPoint(144, 38)})
        EXPECT_TRUE(white(corner.x(), corner.y())) << corner.x() << "," << corner.y();
    // Pure white inside the logo would turn into holes when the game clears it.
    int holes = 0;
    for (int y = 4; y < 35; ++y)
        for (int x = 4; x < 141; ++x)
            holes += white(x, y);
    EXPECT_EQ(holes, 0);
}

class Shapes : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        for (int i = 0; i < shapeCount; ++i)
            shapes[std::size_t(i)] = shape(firstShape + i);
    }
    static const QImage& at(int id) { return shapes[std::size_t(id - firstShape)]; }
    static inline std::array<QImage, shapeCount> shapes;
};

TEST_F(Shapes, AreSquareWithAClearBorderAndABoldShape) {
    for (int id = firstShape; id < firstShape + shapeCount; ++id) {
        SCOPED_TRACE(id);
        const QImage& image = at(id);
        ASSERT_EQ(image.size(), QSize(shapeSize, shapeSize));
        EXPECT_TRUE(QImage(QString(QUILLOMAR_SHAPES_DIR "/%1.png").arg(id)).hasAlphaChannel());
        int border = 0, solid = 0;
        for (int y = 0; y < shapeSize; ++y)
            for (int x = 0; x < shapeSize; ++x) {
                const bool edge = std::min({x, y, shapeSize - 1 - x, shapeSize - 1 - y}) < 2;
                border += edge && qAlpha(image.pixel(x, y)) != 0;
                solid += qAlpha(image.pixel(x, y)) > 200;
            }
        EXPECT_EQ(border, 0) << "pixels showing in the two outer rings";
        EXPECT_GT(solid, shapeSize * shapeSize / 10) << "too little of the shape is solid";
    }
}

TEST_F(Shapes, EveryPairDiffersInOutlineAndInColour) {
    for (int a = firstShape; a < firstShape + shapeCount; ++a)
        for (int b = a + 1; b < firstShape + shapeCount; ++b) {
            SCOPED_TRACE(QString("%1 and %2").arg(a).arg(b).toStdString());
            EXPECT_GT(differingPixels(at(a), at(b)), 300);
            EXPECT_GT(differingSilhouette(at(a), at(b)), 120);
            EXPECT_GT(distance(meanColour(at(a)), meanColour(at(b))), 30);
        }
}

TEST_F(Shapes, DefaultsAreARedCrossAndABlueRing) {
    const auto solidAt = [](const QImage& image, int x, int y) { return opaque(image.pixel(x, y)); };
    const QImage& cross = at(129);
    EXPECT_TRUE(solidAt(cross, 32, 32) && solidAt(cross, 14, 14) && solidAt(cross, 49, 49));
    EXPECT_FALSE(solidAt(cross, 32, 12) || solidAt(cross, 12, 32));
    const QImage& ring = at(128);
    EXPECT_FALSE(solidAt(ring, 32, 32));
    EXPECT_TRUE(solidAt(ring, 32, 9) && solidAt(ring, 9, 32) && solidAt(ring, 54, 32) &&
                solidAt(ring, 32, 55));

    const auto crossColour = meanColour(cross), ringColour = meanColour(ring);
    EXPECT_GT(crossColour[0], crossColour[2] + 60);
    EXPECT_GT(ringColour[2], ringColour[0] + 60);
}

TEST(ArtTool, DrawsTheSameArtEveryTime) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_TRUE(runArtTool({out.filePath("pictures"), out.filePath("shapes")}));
    QStringList files;
    for (const char* name : {"Board.bmp", "GameOver.bmp", "Splash.bmp", "MorvLogo2x1.bmp"})
        files << picturePath(name);
    for (int id = firstShape; id < firstShape + shapeCount; ++id)
        files << QString(QUILLOMAR_SHAPES_DIR "/%1.png").arg(id);
    for (const QString& built : files) {
        SCOPED_TRACE(built.toStdString());
        const QString folder = built.endsWith(".png") ? "shapes" : "pictures";
        const QByteArray again = contents(out.filePath(folder + "/" + QFileInfo(built).fileName()));
        EXPECT_FALSE(again.isEmpty());
        EXPECT_TRUE(again == contents(built));
    }
}

TEST(ArtTool, DrawsAReviewSheet) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_TRUE(runArtTool({"--preview", out.filePath("sheet.png")}));
    const QImage sheet(out.filePath("sheet.png"));
    EXPECT_GE(sheet.width(), shapeCount * shapeSize);
    EXPECT_GE(sheet.height(), 215);
    EXPECT_FALSE(runArtTool({"--preview"}));
}
