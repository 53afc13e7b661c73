#include "Art.h"
#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>
#include <functional>

namespace art {

namespace {

using Outline = std::function<QPainterPath()>;

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

// A star with the given number of points; with equal radii it is a regular polygon.
QPainterPath star(int points, double outer, double inner, double turnDegrees = 0) {
    QPolygonF corners;
    const int steps = inner == outer ? points : points * 2;
    for (int i = 0; i < steps; ++i) {
        const double radius = (inner == outer || i % 2 == 0) ? outer : inner;
        const double angle = qDegreesToRadians(turnDegrees - 90 + 360.0 * i / steps);
        corners << QPointF(32 + radius * std::cos(angle), 32 + radius * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

QPainterPath bar(double length, double thickness, double degrees) {
    QPainterPath path;
    path.addRoundedRect(QRectF(-length / 2, -thickness / 2, length, thickness), 2.5, 2.5);
    return QTransform().translate(32, 32).rotate(degrees).map(path);
}

QPainterPath heart() {
    QPainterPath path;
    path.moveTo(32, 58);
    path.cubicTo(14, 44, 4, 34, 4, 21);
    path.cubicTo(4, 11, 11, 5, 19, 5);
    path.cubicTo(25, 5, 30, 9, 32, 14);
    path.cubicTo(34, 9, 39, 5, 45, 5);
    path.cubicTo(53, 5, 60, 11, 60, 21);
    path.cubicTo(60, 34, 50, 44, 32, 58);
    path.closeSubpath();
    return path;
}

QPainterPath spade() {
    const QPainterPath leaf = QTransform(1, 0, 0, -0.86, 0, 50).map(heart());
    return leaf.united(polygon({{29, 36}, {35, 36}, {42, 60}, {22, 60}}));
}

QPainterPath drop() {
    QPainterPath path;
    path.moveTo(32, 2);
    path.cubicTo(36, 14, 53, 26, 53, 41);
    path.arcTo(QRectF(11, 20, 42, 42), 0, -180);
    path.cubicTo(11, 26, 28, 14, 32, 2);
    path.closeSubpath();
    return path;
}

QPainterPath shield() {
    QPainterPath path;
    path.moveTo(8, 6);
    path.quadTo(32, 12, 56, 6);
    path.lineTo(56, 28);
    path.cubicTo(56, 46, 42, 54, 32, 60);
    path.cubicTo(22, 54, 8, 46, 8, 28);
    path.closeSubpath();
    return path;
}

// A half-disc raised on a band: a flat half-disc would all but vanish behind a tall piece in front of it.
QPainterPath dome() {
    QPainterPath path;
    path.moveTo(4, 44);
    path.arcTo(QRectF(4, 4, 56, 56), 180, -180);
    path.lineTo(60, 44);
    path.closeSubpath();
    return path;
}

QPainterPath crown() {
    QPainterPath body = polygon({{8, 54}, {56, 54}, {56, 20}, {44, 36}, {32, 14}, {20, 36}, {8, 20}});
    for (QPointF tip : {QPointF(8, 18), QPointF(32, 12), QPointF(56, 18)})
        body = body.united(circle(tip, 5));
    return body;
}

QPainterPath club() {
    QPainterPath path = circle({32, 18}, 12).united(circle({19, 36}, 12)).united(circle({45, 36}, 12));
    return path.united(circle({32, 32}, 8)).united(polygon({{29, 38}, {35, 38}, {41, 60}, {23, 60}}));
}

QPainterPath flower() {
    QPainterPath path = circle({32, 32}, 12);
    for (QPointF petal : {QPointF(32, 18), QPointF(46, 32), QPointF(32, 46), QPointF(18, 32)})
        path = path.united(circle(petal, 13));
    return path;
}

struct Shape {
    QColor colour;
    Outline outline;
};

// Each shape has its own outline and its own colour, so a player can tell any two apart by either; two
// colours of nearly one hue differ in lightness, a dark and a light one. No colour is so pale that it fades
// on white, nor so dark that it fades on the dark turn-indicator dish.
// 129 and 128, a red cross and a blue ring, are the players' defaults.
const std::array<Shape, shapeCount>& shapes() {
    static const std::array<Shape, shapeCount> table{{
        {QColor(0x42, 0x82, 0xff),
         [] {
             return circle({32, 32}, 26).subtracted(circle({32, 32}, 14));
         }},
        {QColor(0xf3, 0x0a, 0x21), [] { return bar(62, 14, 45).united(bar(62, 14, -45)); }},
        {QColor(0xff, 0xc5, 0x26),
         [] {
             return polygon({{32, 5}, {60, 56}, {4, 56}});
         }},
        {QColor(0x0b, 0x7b, 0x13),
         [] {
             QPainterPath p;
             p.addRoundedRect(8, 8, 48, 48, 6, 6);
             return p;
         }},
        {QColor(0xff, 0xa5, 0x63),
         [] {
             return polygon({{32, 2}, {56, 32}, {32, 62}, {8, 32}});
         }},
        {QColor(0xdb, 0x3e, 0xe3), [] { return star(5, 30, 13.5); }},
        {QColor(0xff, 0x95, 0xc2), heart},
        {QColor(0x14, 0xf4, 0xff),
         [] {
             return circle({32, 32}, 27).subtracted(circle({44, 24}, 22));
         }},
        {QColor(0xbd, 0xd0, 0x00), [] { return star(6, 28, 28, 30); }},
        {QColor(0x86, 0x5e, 0xef), [] { return bar(54, 18, 0).united(bar(54, 18, 90)); }},
        {QColor(0x7c, 0xd1, 0xff),
         [] {
             return polygon({{32, 4}, {60, 32}, {42, 32}, {42, 60}, {22, 60}, {22, 32}, {4, 32}});
         }},
        {QColor(0x10, 0xa0, 0x92),
         [] {
             return polygon({{33, 2}, {7, 38}, {25, 38}, {15, 62}, {57, 21}, {38, 21}, {52, 2}});
         }},
        {QColor(0x00, 0x74, 0xaa), club},
        {QColor(0xd7, 0x37, 0x83), spade},
        {QColor(0xe9, 0x89, 0xef), drop},
        {QColor(0x8c, 0xa0, 0x99), shield},
        {QColor(0xca, 0x56, 0x00), dome},
        {QColor(0x09, 0xff, 0xc5),
         [] {
             return polygon({{4, 38}, {32, 10}, {60, 38}, {60, 56}, {32, 28}, {4, 56}});
         }},
        {QColor(0xcc, 0xba, 0xff), [] { return star(4, 31, 12); }},
        {QColor(0xfd, 0xaa, 0xa0),
         [] {
             return polygon({{8, 4}, {56, 4}, {37, 32}, {56, 60}, {8, 60}, {27, 32}});
         }},
        {QColor(0x88, 0x98, 0x00), crown},
        {QColor(0x67, 0xa6, 0x64), flower},
        {QColor(0xae, 0x75, 0x00),
         [] {
             return circle({32, 22}, 15).united(polygon({{26, 28}, {38, 28}, {47, 60}, {17, 60}}));
         }},
        {QColor(0x60, 0xe3, 0x60), [] { return star(5, 30, 30); }},
    }};
    return table;
}

// Every outline is scaled to one size and stood on the foot of its icon, centred across: the game stands the
// bottom of a piece's view in its pit, so the icon's foot is where the piece stands. At 40 of the 64 pixels,
// and with no shape much flatter than 24, nearer pieces leave a back-row piece three tenths in sight.
QPainterPath fitted(const QPainterPath& outline) {
    constexpr double size = 40, foot = 60;
    const QRectF box = outline.boundingRect();
    const double scale = size / std::max(box.width(), box.height());
    return QTransform()
        .translate(shapeSize / 2.0, foot)
        .scale(scale, scale)
        .translate(-box.center().x(), -box.bottom())
        .map(outline);
}

} // namespace

QImage drawShape(int id) {
    const Shape& shape = shapes().at(std::size_t(id - firstShape));
    const QPainterPath path = fitted(shape.outline());
    const QRectF box = path.boundingRect();
    QImage image = canvas(QSize(shapeSize, shapeSize));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient body(box.topLeft(), box.bottomRight());
    body.setColorAt(0, blend(shape.colour, QColor(Qt::white), 0.28));
    body.setColorAt(0.5, shape.colour);
    body.setColorAt(1, blend(shape.colour, QColor(Qt::black), 0.3));
    painter.fillPath(path, body);

    // Bevel: light along the upper-left inner edge, shade along the lower-right, as on a moulded token.
    painter.save();
    painter.setClipPath(path);
    painter.strokePath(path.translated(1.6, 1.8), QPen(QColor(255, 255, 255, 120), 3.2));
    painter.strokePath(path.translated(-1.6, -1.8), QPen(QColor(0, 0, 0, 80), 3.2));
    painter.restore();

    // A dark rim edges the shape on white and, unlike a pale one, leaves no fringe on the dark board.
    painter.strokePath(path, QPen(blend(shape.colour, QColor(Qt::black), 0.62), 1.8, Qt::SolidLine,
                                  Qt::RoundCap, Qt::RoundJoin));
    return image;
}

} // namespace art
