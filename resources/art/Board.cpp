#include "Art.h"
#include "Paint.h"
#include "Wood.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace art {

namespace {

// The pits were placed by hand long ago; their outer edges run back towards this point, so the board's
// sides do too, and the tabletop's perspective matches.
constexpr QPointF vanishingPoint(228, 10);

QPolygonF boardTop() {
    constexpr double backY = 87, frontY = 179, spread = 1.321; // spread: sideways run per pixel down
    const auto edgeAt = [&](double y, int side) {
        return QPointF(vanishingPoint.x() + side * spread * (y - vanishingPoint.y()), y);
    };
    return {edgeAt(backY, -1), edgeAt(backY, 1), edgeAt(frontY, 1), edgeAt(frontY, -1)};
}

// A small brass dish behind each turn marker, so the marker sits on something calm; the left one is
// player 1's, the right one player 2's.
void paintMarkerDish(QPainter& painter, const QRect& place, const QString& player) {
    const QPointF centre = QRectF(place).center();
    const double radius = place.width() / 2.0 + 3;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawEllipse(centre + QPointF(0.8, 1.5), radius + 0.5, radius + 0.5);

    QLinearGradient brass(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    brass.setColorAt(0, QColor(0xf0, 0xd4, 0x8a));
    brass.setColorAt(0.5, QColor(0xb0, 0x84, 0x3a));
    brass.setColorAt(1, QColor(0x5e, 0x40, 0x16));
    painter.setBrush(brass);
    painter.drawEllipse(centre, radius, radius);

    QRadialGradient felt(centre + QPointF(0, 2), radius);
    felt.setColorAt(0, QColor(0x3a, 0x2a, 0x22));
    felt.setColorAt(1, QColor(0x1a, 0x10, 0x0b));
    painter.setBrush(felt);
    painter.drawEllipse(centre, radius - 2.6, radius - 2.6);

    // The player's number beside the dish, stamped in brass.
    const double side = centre.x() < 227 ? 1 : -1;
    painter.setBrush(QColor(0xc8, 0x9c, 0x50));
    painter.drawPath(centredText(player, fontOf({"P052", "DejaVu Serif"}, 13, QFont::Bold),
                                 centre + QPointF(side * (radius + 9), 0)));
    painter.restore();
}

} // namespace

QImage drawBoard() {
    QImage board = canvas(QSize(454, 215));
    QPainter painter(&board);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    paintTable(painter, vanishingPoint);
    paintBoardSlab(painter, boardTop(), 14);
    for (const QRect& strip : pitStrips)
        paintPit(painter, strip);
    paintLamplight(painter, board.rect(), QPointF(228, 150), 340, 0.28);
    paintMarkerDish(painter, turnMarkerPlaces[0], "1");
    paintMarkerDish(painter, turnMarkerPlaces[1], "2");
    return board;
}

} // namespace art
