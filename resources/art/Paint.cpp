#include "Paint.h"

#include "Wood.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace art {

namespace {

// A soft copy of an image; scaling down and back up is blur enough for shadows.
QImage blurred(const QImage& image, int factor) {
    const QSize small = image.size() / factor;
    return image.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QColor blend(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(
        float(std::lerp(a.redF(), b.redF(), t)), float(std::lerp(a.greenF(), b.greenF(), t)),
        float(std::lerp(a.blueF(), b.blueF(), t)), float(std::lerp(a.alphaF(), b.alphaF(), t)));
}

QImage canvas(QSize size, QColor fill) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void paintBoardSlab(QPainter& painter, const QPolygonF& top, double thickness) {
    const QPointF down(0, thickness);
    const QPolygonF face{top[3], top[2], top[2] + down, top[3] + down};
    const QSize deviceSize(painter.device()->width(), painter.device()->height());

    // The shadow the board throws on the table, mostly forwards, away from the lamp.
    QImage shadow = canvas(deviceSize);
    {
        QPainter sp(&shadow);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(0, 0, 0, 200));
        sp.drawPolygon(QPolygonF{top[0] + QPointF(-4, -2), top[1] + QPointF(4, -2),
                                 top[2] + down + QPointF(6, 8), top[3] + down + QPointF(-6, 8)});
    }
    painter.drawImage(0, 0, blurred(shadow, 8));

    const QImage texture = woodTexture(QSize(720, 300), boardWood);
    QTransform onTop;
    const QRectF t(texture.rect());
    QTransform::quadToQuad(QPolygonF{t.topLeft(), t.topRight(), t.bottomRight(), t.bottomLeft()}, top, onTop);
    QBrush topBrush(texture);
    topBrush.setTransform(onTop);
    painter.setPen(Qt::NoPen);
    painter.setBrush(topBrush);
    painter.drawPolygon(top);

    // The front face shows side grain, in shade because it faces away from the lamp.
    QBrush faceBrush(texture);
    faceBrush.setTransform(QTransform::fromTranslate(face[0].x(), face[0].y()));
    painter.setBrush(faceBrush);
    painter.drawPolygon(face);
    QLinearGradient faceShade(face[0], face[3]);
    faceShade.setColorAt(0, QColor(40, 16, 0, 110));
    faceShade.setColorAt(1, QColor(20, 8, 0, 190));
    painter.setBrush(faceShade);
    painter.drawPolygon(face);

    // Edges: the rounded front edge catches the light; the back and sides fall away darker.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 236, 196, 170), 1.4));
    painter.drawLine(top[3] + QPointF(1, 0.6), top[2] + QPointF(-1, 0.6));
    painter.setPen(QPen(QColor(60, 30, 10, 150), 1.0));
    painter.drawPolyline(QPolygonF{top[3], top[0], top[1], top[2]});
    painter.setPen(QPen(QColor(20, 8, 0, 200), 1.2));
    painter.drawLine(face[3], face[2]);

    // A dark inlaid line just inside the edge, as on a crafted board.
    QPolygonF inlay;
    const QRectF inset = t.adjusted(9, 14, -9, -14);
    for (QPointF corner : {inset.topLeft(), inset.topRight(), inset.bottomRight(), inset.bottomLeft()})
        inlay << onTop.map(corner);
    inlay << inlay.first();
    painter.setPen(QPen(QColor(255, 230, 180, 70), 1.0));
    painter.drawPolyline(inlay.translated(0, 0.9));
    painter.setPen(QPen(QColor(70, 35, 12, 170), 1.0));
    painter.drawPolyline(inlay);
}

void paintPit(QPainter& painter, const QRectF& strip) {
    painter.save();
    painter.setPen(Qt::NoPen);

    // The board surface dips a little towards the hollow.
    QRadialGradient dip(QPointF(0, 0), 1.0);
    dip.setColorAt(0.75, QColor(60, 30, 10, 110));
    dip.setColorAt(1.0, QColor(60, 30, 10, 0));
    QBrush dipBrush(dip);
    const QRectF dipArea = strip.adjusted(-5, -3, 5, 3);
    dipBrush.setTransform(QTransform::fromTranslate(dipArea.center().x(), dipArea.center().y())
                              .scale(dipArea.width() / 2, dipArea.height() / 2));
    painter.setBrush(dipBrush);
    painter.drawEllipse(dipArea);

    // The front lip catches the lamp.
    painter.setBrush(QColor(255, 226, 170, 120));
    painter.drawEllipse(strip.adjusted(-0.5, 0.3, 0.5, 1.6));

    // Inside, seen from the front: the far wall faces the lamp and shows as a lit crescent; the floor
    // below it lies in the shadow of the front lip.
    QPainterPath hollow;
    hollow.addEllipse(strip);
    QLinearGradient floorShade(strip.topLeft(), strip.bottomLeft());
    floorShade.setColorAt(0, QColor(0x2a, 0x15, 0x07));
    floorShade.setColorAt(1, QColor(0x0e, 0x06, 0x02));
    painter.fillPath(hollow, floorShade);

    QPainterPath floor;
    floor.addEllipse(strip.adjusted(strip.width() * 0.07, strip.height() * 0.42, -strip.width() * 0.07,
                                    strip.height() * 0.42));
    QLinearGradient wallShade(strip.topLeft(), QPointF(strip.left(), strip.top() + strip.height() * 0.5));
    wallShade.setColorAt(0, QColor(0x3a, 0x1e, 0x0a));
    wallShade.setColorAt(0.25, QColor(0x8a, 0x55, 0x28));
    wallShade.setColorAt(1, QColor(0x4a, 0x28, 0x10));
    painter.fillPath(hollow.subtracted(floor), wallShade);

    // The back rim is a crisp dark edge.
    painter.setPen(QPen(QColor(20, 8, 0, 170), 1.0));
    painter.drawArc(strip.adjusted(0.5, 0.5, -0.5, -0.5), 15 * 16, 150 * 16);
    painter.restore();
}

void paintLamplight(QPainter& painter, const QRectF& area, QPointF centre, double radius, double darkest) {
    QRadialGradient light(centre, radius);
    light.setColorAt(0.0, QColor(255, 250, 240));
    light.setColorAt(0.45, QColor(240, 228, 210));
    const int d = int(darkest * 255);
    light.setColorAt(1.0, QColor(d, d * 9 / 10, d * 8 / 10));
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.fillRect(area, light);
    painter.restore();
}

QPainterPath centredText(const QString& text, const QFont& font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.translated(centre - path.boundingRect().center());
}

QFont fontOf(const QStringList& families, double pixelSize, int weight, bool italic) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setWeight(QFont::Weight(weight));
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace art
