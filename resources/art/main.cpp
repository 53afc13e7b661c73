// quillomar-art: draws the game's pictures and shapes at build time.
//   quillomar-art <pictures-dir> <shapes-dir>
//   quillomar-art --preview <out.png>

#include "Art.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool save(const QImage& image, const QString& path, const char* format) {
    if (image.save(path, format)) return true;
    std::fprintf(stderr, "quillomar-art: cannot write %s\n", qPrintable(path));
    return false;
}

// The game reads plain 24-bit pictures; an opaque RGB32 image is written as that.
bool savePicture(const QImage& image, const QDir& dir, const QString& name) {
    return save(image.convertToFormat(QImage::Format_RGB32), dir.filePath(name), "BMP");
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
        ok = save(art::drawShape(id).convertToFormat(QImage::Format_ARGB32),
                  shapes.filePath(QString("%1.png").arg(id)), "PNG");
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
