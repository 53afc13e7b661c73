#pragma once

// Wood for the table and the board, grown from fixed noise so every build draws the same grain.

#include <QColor>
#include <QImage>
#include <QPointF>

class QPainter;

namespace art {

struct WoodTone {
    QColor light;
    QColor dark;
    double ringSpacing; // distance between growth rings, in texture pixels
    quint32 seed;
};
extern const WoodTone tableWood;
extern const WoodTone boardWood;

// A plank of wood with the grain running along x.
QImage woodTexture(QSize size, const WoodTone& tone);

// A planked tabletop seen in perspective, filling the painter's whole device and fading into the dark
// towards the vanishing point.
void paintTable(QPainter& painter, QPointF vanishingPoint);

} // namespace art
