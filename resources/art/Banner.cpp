#include "Art.h"
#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>

namespace art {

namespace {

const QColor ribbonRed(0xb8, 0x1c, 0x26);
const QColor ribbonShade(0x6e, 0x0b, 0x14);

// One swallow-tailed end of the ribbon, drawn for the left side and mirrored for the right.
void paintTail(QPainter& painter) {
    QLinearGradient cloth(0, 12, 0, 44);
    cloth.setColorAt(0, ribbonRed.darker(115));
    cloth.setColorAt(1, ribbonShade);
    painter.setPen(QPen(QColor(0x40, 0x05, 0x0a), 1.0));
    painter.setBrush(cloth);
    painter.drawPolygon(QPolygonF{{3, 13}, {46, 13}, {46, 43}, {3, 43}, {14, 28}});
    // Where the tail folds under the band.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x02, 0x06));
    painter.drawPolygon(QPolygonF{{34, 37}, {46, 37}, {46, 43}});
}

} // namespace

QImage drawBanner() {
    // The banner lies over the top of the board, so it starts from the very same backdrop and blends in.
    QImage banner = drawBoard().copy(bannerPlace);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRect(QRectF(36, 6, 230, 36));

    paintTail(painter);
    painter.save();
    painter.translate(banner.width(), 0);
    painter.scale(-1, 1);
    paintTail(painter);
    painter.restore();

    // The band itself, curved a little towards the light along its middle.
    const QRectF band(34, 3, banner.width() - 68, 34);
    QLinearGradient cloth(band.topLeft(), band.bottomLeft());
    cloth.setColorAt(0, ribbonRed.darker(120));
    cloth.setColorAt(0.3, ribbonRed.lighter(125));
    cloth.setColorAt(0.6, ribbonRed);
    cloth.setColorAt(1, ribbonShade);
    painter.setPen(QPen(QColor(0x40, 0x05, 0x0a), 1.0));
    painter.setBrush(cloth);
    painter.drawRect(band);
    painter.setPen(QPen(QColor(0xf0, 0xc8, 0x6a, 200), 1.2));
    painter.drawLine(band.topLeft() + QPointF(0, 3), band.topRight() + QPointF(0, 3));
    painter.drawLine(band.bottomLeft() - QPointF(0, 3), band.bottomRight() - QPointF(0, 3));

    const QPainterPath words =
        centredText("Game Over", fontOf({"P052", "C059", "DejaVu Serif"}, 27, QFont::Bold),
                    band.center() + QPointF(0, 0.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x00, 0x04, 170));
    painter.drawPath(words.translated(1.2, 1.6));
    QLinearGradient gold(0, band.top() + 6, 0, band.bottom() - 6);
    gold.setColorAt(0, QColor(0xff, 0xf4, 0xc8));
    gold.setColorAt(1, QColor(0xf2, 0xc2, 0x58));
    painter.setBrush(gold);
    painter.setPen(QPen(QColor(0x50, 0x08, 0x0c), 0.8));
    painter.drawPath(words);
    return banner;
}

} // namespace art
