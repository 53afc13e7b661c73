#include "Art.h"
#include "Paint.h"
#include "Wood.h"

#include <QLinearGradient>
#include <QPainter>

namespace art {

namespace {

constexpr QPointF vanishingPoint(128, 30);

// A small board in a game under way: the rows of pits follow the board's own perspective.
void paintSmallBoard(QPainter& painter) {
    const QPolygonF top{{62, 112}, {194, 112}, {240, 194}, {16, 194}};
    paintBoardSlab(painter, top, 11);
    QTransform onTop;
    QTransform::quadToQuad(QPolygonF{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, top, onTop);

    // Pieces by cell, back row first: 0 for an empty pit.
    constexpr std::array<int, 9> pieces{128, 0, 129, 0, 129, 0, 128, 0, 0};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF cell(0.08 + column * 0.28, 0.1 + row * 0.27, 0.28, 0.27);
            const QRectF strip =
                onTop.map(QPolygonF(cell.adjusted(0.035, 0.06, -0.035, -0.06))).boundingRect();
            paintPit(painter, strip);
            if (const int id = pieces[std::size_t(row * 3 + column)]) {
                const double size = strip.width() * 0.95;
                const QRectF view(strip.center().x() - size / 2, strip.bottom() - strip.height() * 0.3 - size,
                                  size, size);
                painter.drawImage(view, drawShape(id));
            }
        }
    }
}

void paintTitle(QPainter& painter, const QPainterPath& title) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    painter.drawPath(title.translated(2, 3));
    const QRectF box = title.boundingRect();
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0, QColor(0xff, 0xf0, 0xb0));
    gold.setColorAt(0.55, QColor(0xe8, 0xb0, 0x40));
    gold.setColorAt(1, QColor(0xa8, 0x66, 0x1a));
    painter.setBrush(gold);
    painter.setPen(QPen(QColor(0x3a, 0x1c, 0x06), 1.2));
    painter.drawPath(title);
}

} // namespace

QImage drawSplash() {
    QImage splash = canvas(QSize(256, 256));
    QPainter painter(&splash);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    paintTable(painter, vanishingPoint);
    paintSmallBoard(painter);
    paintLamplight(painter, splash.rect(), QPointF(128, 150), 200, 0.25);

    paintTitle(painter,
               centredText("Quillomar", fontOf({"URW Bookman", "C059", "DejaVu Serif"}, 44, QFont::DemiBold),
                           {128, 48}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf6, 0xe6, 0xc0));
    painter.drawPath(centredText("Click to play",
                                 fontOf({"URW Bookman", "P052", "DejaVu Serif"}, 16, QFont::Light, true),
                                 {128, 230}));
    return splash;
}

} // namespace art
