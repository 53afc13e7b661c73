// quillomar-art: draws the game's pictures and shapes at build time.
//   quillomar-art <pictures-dir> <shapes-dir>
//   quillomar-art --preview <out.png>

#include "Art.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QtEndian>
#include <cstdio>

namespace {

bool written(bool ok, const QString& path) {
    if (!ok) std::fprintf(stderr, "quillomar-art: cannot write %s\n", qPrintable(path));
    return ok;
}

bool save(const QImage& image, const QString& path, const char* format) {
    return written(image.save(path, format), path);
}

// The game reads plain 24-bit pictures; an opaque RGB32 image is written as that.
bool savePicture(const QImage& image, const QDir& dir, const QString& name) {
    return save(image.convertToFormat(QImage::Format_RGB32), dir.filePath(name), "BMP");
}

// Shapes keep their transparency: a 32-bit BMP, bottom up, with the standard blue-green-red-alpha masks (a
// version 4 header), which the game reads from inside the program.
bool saveShape(const QImage& shape, const QString& path) {
    const QImage image = shape.convertToFormat(QImage::Format_ARGB32);
    const quint32 header = 108, offset = 14 + header, size = offset + 4 * image.width() * image.height();
    QByteArray bytes(int(size), '\0');
    auto put16 = [&](int at, quint16 value) { qToLittleEndian(value, bytes.data() + at); };
    auto put32 = [&](int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, size);
    put32(10, offset);
    put32(14, header);
    put32(18, quint32(image.width()));
    put32(22, quint32(image.height()));
    put16(26, 1);   // planes
    put16(28, 32);  // bits per pixel
    put32(30, 3);   // bit fields
    put32(34, size - offset);
    for (const auto& [at, mask] : {std::pair{54, 0x00FF0000u}, {58, 0x0000FF00u}, {62, 0x000000FFu}, {66, 0xFF000000u}})
        put32(at, mask);
    put32(70, 0x73524742);  // 'sRGB'
    for (int y = 0; y < image.height(); ++y) {
        const int row = int(offset) + 4 * image.width() * (image.height() - 1 - y);
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) put32(row + 4 * x, line[x]);
    }
    QFile file(path);
    return written(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), path);
}

int writeAll(const QString& picturesDir, const QString& shapesDir) {
    const QDir pictures(picturesDir), shapes(shapesDir);
    if (!pictures.mkpath(".") || !shapes.mkpath(".")) {
        std::fprintf(stderr, "quillomar-art: cannot create the output folders\n");
        return 1;
    }
    bool ok = savePicture(art::drawBoard(), pictures, "Board.bmp") &&
              savePicture(art::drawBanner(), pictures, "GameOver.bmp") &&
              savePicture(art::drawSplash(), pictures, "Splash.bmp") &&
              savePicture(art::drawLogo(), pictures, "MorvLogo2x1.bmp");
    for (int id = art::firstShape; ok && id < art::firstShape + art::shapeCount; ++id)
        ok = saveShape(art::drawShape(id), shapes.filePath(QString("%1.bmp").arg(id)));
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen, so the tool runs the same on a build machine without one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == "--preview")
        return save(art::drawPreviewSheet(), args[1], "PNG") ? 0 : 1;
    if (args.size() == 2 && !args[0].startsWith("--")) return writeAll(args[0], args[1]);
    std::fprintf(stderr, "usage: quillomar-art <pictures-dir> <shapes-dir>\n"
                         "       quillomar-art --preview <out.png>\n");
    return 2;
}
