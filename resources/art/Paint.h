#pragma once

// Scenery and lettering shared by the pictures: the board slab, its pits, lamplight, text.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPolygonF>

class QPainter;

namespace art {

// The colour a fraction t of the way from a to b.
QColor blend(const QColor& a, const QColor& b, double t);

// A blank picture to paint on; the painting formats all use premultiplied ARGB.
QImage canvas(QSize size, QColor fill = Qt::transparent);

// A board slab: its top face as four corners (back left, back right, front right, front left) and how
// deep its front face shows.
void paintBoardSlab(QPainter& painter, const QPolygonF& top, double thickness);

// A hollow in the board filling the given strip.
void paintPit(QPainter& painter, const QRectF& strip);

// Warm light falling off away from a centre, as from a lamp over the table.
void paintLamplight(QPainter& painter, const QRectF& area, QPointF centre, double radius, double darkest);

// The outline of a line of text, centred on a point.
QPainterPath centredText(const QString& text, const QFont& font, QPointF centre);

// A font from the first of the families that is installed.
QFont fontOf(const QStringList& families, double pixelSize, int weight = QFont::Normal, bool italic = false);

} // namespace art
