// The drawn art must fit the places the game lays it out in, and the pieces must stay tellable apart.

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QVector3D>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <span>
#include <vector>

#include "Art.h"

using art::firstShape, art::shapeCount, art::shapeSize;

namespace {

QString picturePath(const char* name) { return QString(QUILLOMAR_PICTURES_DIR "/") + name; }
QString shapePath(int id) { return QString(QUILLOMAR_SHAPES_DIR "/%1.bmp").arg(id); }
constexpr std::array pictures{"Board.bmp", "GameOver.bmp", "Splash.bmp", "MorvLogo2x1.bmp"};

// The sum of a measure over the pixels of an area.
double sum(const QRect& area, const std::function<double(int, int)>& measure) {
    double total = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            total += measure(x, y);
    return total;
}
const QRect icon(0, 0, shapeSize, shapeSize);

struct Brightness {
    double mean = 0, spread = 0;  // of the grey levels; spread is the standard deviation
};
Brightness brightness(const QImage& image, const QRect& area) {
    const auto grey = [&](int x, int y) { return double(qGray(image.pixel(x, y))); };
    const double count = double(area.width()) * area.height(), mean = sum(area, grey) / count;
    const double squares = sum(area, [&](int x, int y) { return grey(x, y) * grey(x, y); }) / count;
    return {mean, std::sqrt(std::max(0.0, squares - mean * mean))};
}

bool opaque(QRgb pixel) { return qAlpha(pixel) > 127; }
QVector3D rgb(QRgb pixel) { return QVector3D(qRed(pixel), qGreen(pixel), qBlue(pixel)); }

// Pixels of two shapes that differ in any channel by more than a faint shading, and in being solid at all.
std::pair<double, double> differences(const QImage& a, const QImage& b) {
    const auto apart = [&](int x, int y) {
        const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
        return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)),
                         std::abs(qAlpha(p) - qAlpha(q))}) > 32;
    };
    return {sum(icon, apart), sum(icon, [&](int x, int y) { return opaque(a.pixel(x, y)) != opaque(b.pixel(x, y)); })};
}

// An sRGB colour (0 to 255 a channel) in linear light.
std::array<double, 3> linear(QVector3D srgb) {
    const auto channel = [](double c) { return c <= 10 ? c / 3294.6 : std::pow((c / 255 + 0.055) / 1.055, 2.4); };
    return {channel(srgb.x()), channel(srgb.y()), channel(srgb.z())};
}

// CIE L*a*b*, in which the distance between two colours is roughly what an eye makes of it.
QVector3D lab(QVector3D srgb) {
    const auto [r, g, b] = linear(srgb);
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    const double x = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047), y = f(0.2126 * r + 0.7152 * g + 0.0722 * b),
                 z = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
    return QVector3D(116 * y - 16, 500 * (x - y), 200 * (y - z));
}

// OKLab, whose hue angle follows what an eye calls one hue more closely than CIE L*a*b*'s.
QVector3D oklab(QVector3D srgb) {
    const auto [r, g, b] = linear(srgb);
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b),
                 m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b),
                 s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return QVector3D(0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
                     1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
                     0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s);
}

// A shape's ink, its pixels above half alpha: their box, mean colour (sRGB) and median CIE lightness.
struct Ink {
    QRect box;
    QVector3D mean;
    double medianLightness = 0;
};
Ink inkOf(const QImage& shape) {
    Ink ink;
    std::vector<double> lightness;
    for (int y = 0; y < shapeSize; ++y)
        for (int x = 0; x < shapeSize; ++x)
            if (const QRgb pixel = shape.pixel(x, y); opaque(pixel)) {
                ink.box |= QRect(x, y, 1, 1), ink.mean += rgb(pixel);
                lightness.push_back(lab(rgb(pixel)).x());
            }
    if (lightness.empty()) return ink;
    ink.mean /= float(lightness.size());
    std::nth_element(lightness.begin(), lightness.begin() + std::ptrdiff_t(lightness.size() / 2), lightness.end());
    ink.medianLightness = lightness[lightness.size() / 2];
    return ink;
}

QImage blank(QSize size, QColor fill = Qt::transparent) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

// A picture with a shape drawn over it in each of the places, as the game draws one: scaled smoothly.
QImage withShape(QImage picture, const QImage& shape, std::span<const QRect> places) {
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const QRect& place : places)
        painter.drawImage(place, shape);
    return picture;
}

// How far the pixels that a shape covers in its place move, on average, from the background's colour
// (CIE76 colour difference: 2 is just noticeable; a shape needs tens to read at a glance).
double contrast(const QImage& shape, const QImage& background, const QRect& place) {
    const QImage seen = withShape(background, shape, {&place, 1});
    const QImage ink = withShape(blank(background.size()), shape, {&place, 1});
    const auto inked = [&](int x, int y) { return opaque(ink.pixel(x, y)); };
    const auto difference = [&](int x, int y) {
        return (lab(rgb(seen.pixel(x, y))) - lab(rgb(background.pixel(x, y)))).length();
    };
    return sum(place, [&](int x, int y) { return inked(x, y) ? difference(x, y) : 0; }) / sum(place, inked);
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
    EXPECT_EQ(sum(QRect(4, 4, 137, 31), white), 0) << "pure white inside turns into holes when the game clears it";
}

class Shapes : public testing::Test {
protected:
    static void SetUpTestSuite() {
        for (int i = 0; i < shapeCount; ++i) {
            shapes[std::size_t(i)] = QImage(shapePath(firstShape + i)).convertToFormat(QImage::Format_ARGB32);
            inks[std::size_t(i)] = inkOf(shapes[std::size_t(i)]);
        }
    }
    static const QImage& at(int id) { return shapes[std::size_t(id - firstShape)]; }
    static const Ink& inkAt(int id) { return inks[std::size_t(id - firstShape)]; }
    static inline std::array<QImage, shapeCount> shapes;
    static inline std::array<Ink, shapeCount> inks;
};

// The game stands the bottom of a piece's view in its pit, so a shape must stand on the foot of its icon.
TEST_F(Shapes, StandOnTheirFootCentredAcrossBoldAndDarkRimmedWithinAClearBorder) {
    for (int id = firstShape; id < firstShape + shapeCount; ++id) {
        SCOPED_TRACE(id);
        ASSERT_EQ(at(id).size(), QSize(shapeSize, shapeSize));
        EXPECT_TRUE(QImage(shapePath(id)).hasAlphaChannel());
        int border = 0, solid = 0, rim = 0;
        double rimLightness = 0;
        for (int y = 0; y < shapeSize; ++y)
            for (int x = 0; x < shapeSize; ++x) {
                const QRgb pixel = at(id).pixel(x, y);
                border += std::min({x, y, shapeSize - 1 - x, shapeSize - 1 - y}) < 2 && qAlpha(pixel);
                solid += qAlpha(pixel) > 200;
                if (qAlpha(pixel) > 0 && !opaque(pixel)) rimLightness += lab(rgb(pixel)).x(), ++rim;
            }
        const QRect box = inkAt(id).box;
        EXPECT_EQ(border, 0) << "pixels showing in the two outer rings";
        EXPECT_GT(solid, shapeSize * shapeSize / 10) << "too little of the shape is solid";
        EXPECT_GE(std::max(box.width(), box.height()), 36) << "too small to fill the preview and the dish";
        EXPECT_NEAR(box.bottom(), 58.5, 2.5) << "its foot stands outside the pit, in front of it or behind it";
        EXPECT_NEAR((box.left() + box.right()) / 2.0, 31.5, 1.5) << "off centre across";
        EXPECT_LT(rimLightness / rim, 50) << "a pale rim shows as a fringe on the dark board";
    }
}

TEST_F(Shapes, EveryPairDiffersInOutlineAndColour) {
    const auto chroma = [](QVector3D ok) { return std::hypot(ok.y(), ok.z()); };
    const auto hue = [](QVector3D ok) { return std::atan2(ok.z(), ok.y()) * 180 / std::numbers::pi; };
    for (int id = firstShape; id < firstShape + shapeCount; ++id)
        for (int other = id + 1; other < firstShape + shapeCount; ++other) {
            SCOPED_TRACE(testing::Message() << id << " against " << other);
            const auto [pixels, outline] = differences(at(id), at(other));
            EXPECT_GT(pixels, 300);
            EXPECT_GT(outline, 120);
            EXPECT_GE((lab(inkAt(id).mean) - lab(inkAt(other).mean)).length(), 20) << "one colour";
            // Two colours of one hue are told apart by lightness alone.
            const QVector3D a = oklab(inkAt(id).mean), b = oklab(inkAt(other).mean);
            if (chroma(a) >= 0.04 && chroma(b) >= 0.04 && std::abs(std::remainder(hue(a) - hue(b), 360)) <= 25) {
                EXPECT_GE(std::abs(a.x() - b.x()), 0.1) << "one hue and one lightness";
            }
        }
}

// The turn indicators show a shape at 30 pixels on a dark dish; the chooser shows it whole on white.
TEST_F(Shapes, StandOutOnTheTurnIndicatorsAndOnTheChoosersWhitePreview) {
    const QImage board(picturePath("Board.bmp"));
    for (int id = firstShape; id < firstShape + shapeCount; ++id) {
        EXPECT_NEAR(inkAt(id).medianLightness, 60, 20) << id << " is too dark for the dish or too pale for white";
        for (const QRect& place : art::turnMarkerPlaces)
            EXPECT_GT(contrast(at(id), board, place), 40) << id << " on the turn indicator at " << place.x();
        EXPECT_GT(contrast(at(id), blank(icon.size(), Qt::white), icon), 40) << id << " on white";
    }
}

// On a full board the middle and front rows hide the lower part of a back-row piece: whatever shape stands in
// front, enough of the one behind must show to tell what it is.
TEST_F(Shapes, LeaveThreeTenthsOfABackRowPieceInSightBehindAnyShapeInFront) {
    const std::span<const QRect> views(art::pieceViews);  // front, middle and back row, as the game lays them out
    for (int front = firstShape; front < firstShape + shapeCount; ++front) {
        const QImage inFront = withShape(blank({454, 215}), at(front), views.first(6));
        for (int back = firstShape; back < firstShape + shapeCount; ++back) {
            const QImage behind = withShape(blank({454, 215}), at(back), views.last(3));
            const auto drawn = [&](int x, int y) { return opaque(behind.pixel(x, y)); };
            const auto seen = [&](int x, int y) { return drawn(x, y) && !opaque(inFront.pixel(x, y)); };
            for (const QRect& place : views.last(3))
                ASSERT_GE(sum(place, seen), 0.3 * sum(place, drawn))
                    << back << " behind " << front << " at " << place.x();
        }
    }
}

TEST_F(Shapes, DefaultsAreARedCrossAndABlueRing) {
    // Points at fractions of the ink's box.
    const auto solid = [](int id, std::initializer_list<QPointF> points) {
        const QRect box = inkAt(id).box;
        return std::ranges::count_if(points, [&](QPointF p) {
            return opaque(at(id).pixel(box.left() + int(p.x() * box.width()), box.top() + int(p.y() * box.height())));
        });
    };
    EXPECT_EQ(solid(129, {{0.5, 0.5}, {0.2, 0.2}, {0.8, 0.8}, {0.8, 0.2}, {0.2, 0.8}}), 5) << "no cross";
    EXPECT_EQ(solid(129, {{0.5, 0.15}, {0.15, 0.5}, {0.5, 0.85}, {0.85, 0.5}}), 0) << "no cross";
    EXPECT_EQ(solid(128, {{0.5, 0.04}, {0.04, 0.5}, {0.96, 0.5}, {0.5, 0.96}}), 4) << "no ring";
    EXPECT_EQ(solid(128, {{0.5, 0.5}}), 0) << "no ring";
    const QVector3D cross = inkAt(129).mean, ring = inkAt(128).mean;
    EXPECT_GT(cross.x(), cross.z() + 60);
    EXPECT_GT(ring.z(), ring.x() + 60);
}

TEST(ArtTool, DrawsTheSameArtEveryTimeAndAReviewSheet) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_TRUE(runArtTool({out.filePath("pictures"), out.filePath("shapes")}));
    for (const char* name : pictures)
        EXPECT_EQ(contents(out.filePath("pictures/") + name), contents(picturePath(name))) << name;
    for (int id = firstShape; id < firstShape + shapeCount; ++id)
        EXPECT_EQ(contents(out.filePath("shapes/%1.bmp").arg(id)), contents(shapePath(id))) << id;

    ASSERT_TRUE(runArtTool({"--preview", out.filePath("sheet.png")}));
    const QImage sheet(out.filePath("sheet.png"));
    EXPECT_GE(sheet.width(), shapeCount * shapeSize);
    EXPECT_GE(sheet.height(), 215);
    EXPECT_FALSE(runArtTool({"--preview"})) << "a preview with nowhere to go";
}
