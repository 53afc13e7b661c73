#include "Wood.h"

#include "Paint.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace art {

const WoodTone tableWood{QColor(0x8a, 0x56, 0x30), QColor(0x3a, 0x20, 0x12), 9.0, 7};
const WoodTone boardWood{QColor(0xe2, 0xb0, 0x6c), QColor(0xa0, 0x66, 0x30), 15.0, 3};

namespace {

// Hashed lattice noise: fixed and platform independent, so every build draws the same grain.
double lattice(int x, int y, quint32 seed) {
    quint32 h = (quint32(x) * 0x9E3779B1u) ^ (quint32(y) * 0x85EBCA77u + seed * 0xC2B2AE3Du);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h / 4294967295.0;
}

double smoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double valueNoise(double x, double y, quint32 seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const double tx = smoothStep(0, 1, x - fx), ty = smoothStep(0, 1, y - fy);
    const double top = std::lerp(lattice(ix, iy, seed), lattice(ix + 1, iy, seed), tx);
    const double bottom = std::lerp(lattice(ix, iy + 1, seed), lattice(ix + 1, iy + 1, seed), tx);
    return std::lerp(top, bottom, ty);
}

double fractalNoise(double x, double y, quint32 seed, int octaves) {
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + quint32(i) * 101u);
        total += amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum / total;
}

// Wood colour at a point, with the grain running along the first coordinate.
QColor woodAt(double along, double across, const WoodTone& tone) {
    const double warp = fractalNoise(along * 0.004, across * 0.02, tone.seed, 3) - 0.5;
    const double rings = (across + warp * tone.ringSpacing * 6) / tone.ringSpacing;
    const double ring = rings - std::floor(rings);
    const double latewood = smoothStep(0.5, 0.85, ring) * (1 - smoothStep(0.9, 1.0, ring));
    const double fibre = valueNoise(along * 0.06, across * 0.8, tone.seed + 1);
    const double blotch = fractalNoise(along * 0.008, across * 0.03, tone.seed + 2, 2);
    return blend(tone.light, tone.dark,
                 std::clamp(0.5 * latewood + 0.25 * fibre + 0.45 * (blotch - 0.35), 0.0, 1.0));
}

// The planks of the table run across the picture; seams and butt joints mark them apart.
QColor tableAt(double along, double across, double light) {
    constexpr double plankWidth = 46, plankLength = 900;
    const int plank = int(std::floor(across / plankWidth));
    const double inPlank = across - plank * plankWidth;
    const double stagger = std::fmod(plank * 337.0, plankLength);
    const double alongPlank = along + stagger;
    const double inLength = alongPlank - std::floor(alongPlank / plankLength) * plankLength;
    QColor colour = woodAt(alongPlank + plank * 1733.0, across, tableWood);
    const double shade = 0.88 + 0.24 * lattice(plank, 0, 11);
    const double seam = std::min(
        {smoothStep(0, 2.5, inPlank), smoothStep(0, 2.5, plankWidth - inPlank), smoothStep(0, 3, inLength)});
    const double k = light * shade * (0.45 + 0.55 * seam);
    return QColor::fromRgbF(float(colour.redF() * k), float(colour.greenF() * k), float(colour.blueF() * k));
}

} // namespace

QImage woodTexture(QSize size, const WoodTone& tone) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, woodAt(x, y, tone).rgba());
    return image;
}

void paintTable(QPainter& painter, QPointF vanishingPoint) {
    // Drawn at three times the size and scaled down, so the distant planks blend rather than shimmer.
    constexpr int supersample = 3;
    const QSize size(painter.device()->width(), painter.device()->height());
    QImage table(size * supersample, QImage::Format_ARGB32_Premultiplied);
    for (int sy = 0; sy < table.height(); ++sy) {
        const double y = (sy + 0.5) / supersample;
        const double depth = std::max(y - vanishingPoint.y(), 1.5);
        // The far end of the table fades into the dim room.
        const double fade = 0.16 + 0.84 * smoothStep(0, 130, depth);
        for (int sx = 0; sx < table.width(); ++sx) {
            const double x = (sx + 0.5) / supersample;
            table.setPixel(sx, sy,
                           tableAt((x - vanishingPoint.x()) * 123 / depth, 42000 / depth, fade).rgba());
        }
    }
    painter.drawImage(QRectF(QPointF(0, 0), size),
                      table.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace art
