#include "Art.h"
#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>

namespace art {

// Morv Software: a blue badge with two orange peaks (an M, and the hill the name comes from), then the
// name, on a cream label. The game clears pure white to let the window show through, so nothing in the
// logo is pure white, and the label keeps the letters' soft edges off the cleared white: only the label's
// own light edge meets it.
QImage drawLogo() {
    QImage logo = canvas(QSize(145, 39), Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF label(1, 1, logo.width() - 2, logo.height() - 2);
    QLinearGradient cream(label.topLeft(), label.bottomLeft());
    cream.setColorAt(0, QColor(0xfb, 0xf6, 0xea));
    cream.setColorAt(1, QColor(0xee, 0xe4, 0xcc));
    painter.setPen(QPen(QColor(0xc8, 0xb8, 0x96), 1.0));
    painter.setBrush(cream);
    painter.drawRoundedRect(label.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);

    // Laid out at the left, then the whole is moved to the middle of the picture.
    QPainterPath name;
    name.addText(42, 25, fontOf({"URW Gothic", "DejaVu Sans"}, 28, QFont::DemiBold), "Morv");
    QFont small = fontOf({"URW Gothic", "DejaVu Sans"}, 9, QFont::DemiBold);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2.6);
    QPainterPath trade;
    trade.addText(43, 35, small, "SOFTWARE");
    const double right = std::max(name.boundingRect().right(), trade.boundingRect().right());
    painter.translate(std::round((logo.width() - 3 - right) / 2), 0);

    const QRectF badge(3, 3, 33, 33);
    QLinearGradient blue(badge.topLeft(), badge.bottomRight());
    blue.setColorAt(0, QColor(0x2f, 0x74, 0xc4));
    blue.setColorAt(1, QColor(0x14, 0x32, 0x72));
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    painter.drawRoundedRect(badge, 7, 7);

    QLinearGradient sunset(0, 10, 0, 30);
    sunset.setColorAt(0, QColor(0xff, 0xc8, 0x4a));
    sunset.setColorAt(1, QColor(0xf0, 0x7a, 0x1c));
    painter.setBrush(sunset);
    painter.drawPolygon(QPolygonF{{7, 30},
                                  {15.5, 10},
                                  {19.5, 19},
                                  {23.5, 10},
                                  {32, 30},
                                  {26.5, 30},
                                  {23.5, 22},
                                  {19.5, 30},
                                  {15.5, 22},
                                  {12.5, 30}});

    painter.setBrush(QColor(0x1b, 0x2a, 0x4e));
    painter.drawPath(name);
    painter.setBrush(QColor(0x2f, 0x6a, 0xb4));
    painter.drawPath(trade);
    return logo;
}

} // namespace art
