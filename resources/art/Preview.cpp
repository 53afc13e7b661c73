#include "Art.h"
#include "Paint.h"

#include <QPainter>

namespace art {

namespace {

constexpr int margin = 12, cell = 70, labelHeight = 18;
constexpr std::array<int, 3> reviewSizes{64, 50, 30};

QImage shapeAt(int id, int size) {
    return drawShape(id).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// What the game does with the logo at run time: pure white becomes see-through.
QImage withWhiteCleared(QImage image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) image.setPixel(x, y, 0);
    return image;
}

void label(QPainter& painter, int y, const QString& text) {
    painter.setPen(QColor(0x30, 0x30, 0x30));
    painter.setFont(fontOf({"DejaVu Sans"}, 12, QFont::Bold));
    painter.drawText(margin, y + 13, text);
}

// One row per size: all 24 shapes, each over the given background.
int shapeRows(QPainter& painter, int y, const QImage& backdrop, const QString& over) {
    for (int size : reviewSizes) {
        label(painter, y, QString("%1 px over %2").arg(size).arg(over));
        y += labelHeight;
        for (int i = 0; i < shapeCount; ++i) {
            const QRect place(margin + i * cell, y, cell - 4, size + 8);
            painter.drawImage(place, backdrop,
                              QRect(place.x() % 300 + 40, 100, place.width(), place.height()));
            painter.drawImage(place.x() + (place.width() - size) / 2, y + 4, shapeAt(firstShape + i, size));
        }
        y += size + 14;
    }
    return y;
}

// The board as the game shows it: a piece in every pit, both turn markers and the banner.
QImage gameInPlay(const QImage& board) {
    QImage scene = board;
    QPainter painter(&scene);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const std::array<int, 9> pieces{129, 128, 133, 128, 129, 135, 144, 129, 128};
    for (std::size_t cellIndex = 0; cellIndex < pieces.size(); ++cellIndex)
        painter.drawImage(pieceViews[cellIndex], drawShape(pieces[cellIndex]));
    painter.drawImage(turnMarkerPlaces[0], drawShape(129));
    painter.drawImage(turnMarkerPlaces[1], drawShape(128));
    painter.drawImage(bannerPlace.topLeft(), drawBanner());
    return scene;
}

} // namespace

QImage drawPreviewSheet() {
    const QImage board = drawBoard();
    const int width = margin * 2 + shapeCount * cell;
    QImage sheet = canvas(QSize(width, 1000), QColor(0xe8, 0xe4, 0xdc));
    QPainter painter(&sheet);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    int y = margin;
    y = shapeRows(painter, y, board, "the board");
    y = shapeRows(painter, y, canvas(board.size(), Qt::white), "white");

    label(painter, y, "In play; the splash; the logo with its white cleared, over dark, brown and blue");
    y += labelHeight;
    painter.drawImage(margin, y, gameInPlay(board));
    const QImage splash = drawSplash();
    int x = margin + board.width() + 16;
    painter.drawImage(x, y, splash);
    x += splash.width() + 16;
    const QImage logo = withWhiteCleared(drawLogo());
    const std::array<QColor, 3> backgrounds{QColor(0x20, 0x20, 0x24), QColor(0x8a, 0x5a, 0x30),
                                            QColor(0x2a, 0x4a, 0x8a)};
    for (std::size_t i = 0; i < backgrounds.size(); ++i) {
        const QRect behind(x, y + int(i) * (logo.height() + 24), logo.width() + 24, logo.height() + 16);
        painter.fillRect(behind, backgrounds[i]);
        painter.drawImage(behind.x() + 12, behind.y() + 8, logo);
    }
    painter.drawImage(x + logo.width() + 40, y, drawLogo());
    y += std::max(board.height(), splash.height()) + margin;
    painter.end();
    return sheet.copy(0, 0, width, y);
}

} // namespace art
