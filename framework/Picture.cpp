#include "framework/Picture.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <optional>

#include "framework/qt/Bridge.h"

Picture::Picture() : pixels_(std::make_unique<Pixels>()) {}
Picture::~Picture() = default;

const ClassInfo& Picture::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("Picture", &Object::Lookup()));
    return record;
}

int32_t Picture::Width() const { return pixels_->loaded.width(); }
int32_t Picture::Height() const { return pixels_->loaded.height(); }

void Picture::SetTransparent(int32_t mode) {
    transparent_ = mode;
    pixels_->scaled.clear();
    if (mode != 1) {
        pixels_->shown = pixels_->loaded;
        return;
    }
    QImage image = pixels_->loaded.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == 0x00FFFFFF) line[x] = 0;
    }
    pixels_->shown = image;
}

std::shared_ptr<Picture> PictureFromImage(const QImage& image) {
    auto picture = std::make_shared<Picture>();
    picture->Image().loaded = image;
    picture->Image().shown = image;
    return picture;
}

namespace {
// An uncompressed 24-bit BMP stored bottom up, as our pictures are, read in one pass: the general reader
// takes three times the work. Such a file cut short is unreadable (a null image); a file of another kind
// gives nothing, for the reader.
std::optional<QImage> ReadPlainBmp(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray data = file.readAll();
    if (data.size() < 54 || !data.startsWith("BM")) return std::nullopt;
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(data.constData() + at); };
    const auto i32 = [&](int at) { return qFromLittleEndian<qint32>(data.constData() + at); };
    const qint64 offset = i32(10), width = i32(18), height = i32(22), stride = (width * 3 + 3) & ~3;
    if (i32(14) < 40 || u16(26) != 1 || u16(28) != 24 || i32(30) != 0 || width <= 0 || height <= 0 ||
        width > 32767 || height > 32767)
        return std::nullopt;
    if (offset < 54 || offset + stride * height > data.size()) return QImage();
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (qint64 row = 0; row < height; ++row) {
        const auto* in = reinterpret_cast<const uchar*>(data.constData() + offset + stride * row);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(height - 1 - row)));
        for (qint64 x = 0; x < width; ++x, in += 3) out[x] = qRgb(in[2], in[1], in[0]);
    }
    return image;
}
}  // namespace

std::shared_ptr<Picture> ReadPicture(const QString& path, const QByteArray& format) {
    const QByteArray kind = format.toLower();
    if (kind == "bmp")
        if (auto image = ReadPlainBmp(path)) return image->isNull() ? nullptr : PictureFromImage(*image);
    // No probing: it would try other decoders, and load their libraries, before settling on the format.
    QImageReader reader(path, kind);
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    return image.isNull() ? nullptr : PictureFromImage(image);
}

const QImage& ImageOf(const Picture& picture) { return picture.Image().shown; }

namespace {
constexpr size_t kScaledKept = 8;  // a shape is drawn at a handful of sizes

const QImage& ScaledCopy(Picture::Pixels& pixels, const QRect& source, const QSize& size) {
    for (const auto& copy : pixels.scaled)
        if (copy.source == source && copy.size == size) return copy.image;
    if (pixels.scaled.size() == kScaledKept) pixels.scaled.erase(pixels.scaled.begin());
    // Drawn as a smooth draw would draw it, over transparency, so that the copy looks the same; Qt filters
    // premultiplied pixels at about half the cost, to the same result.
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), pixels.shown.convertToFormat(image.format()), source);
    painter.end();
    pixels.scaled.push_back({source, size, std::move(image)});
    return pixels.scaled.back().image;
}
}  // namespace

void DrawBackdrop(QPainter& painter, const QImage& image, const QRegion& region) {
    // Rectangle by rectangle, each a plain copy: under a clip of several rectangles Qt blends span by span,
    // and starts threads to do it.
    painter.save();
    for (const QRect& rect : region) {
        painter.setClipRect(rect);
        painter.drawImage(rect.topLeft(), image, rect);
    }
    painter.restore();
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& picture, int32_t x, int32_t y, int32_t width,
                           int32_t height, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                           int32_t sourceHeight) {
    if (!picture) return;
    auto own = [](int32_t size, int32_t pictureSize) { return size == kOwnSize ? pictureSize : size; };
    const QRect target(x, y, own(width, picture->Width()), own(height, picture->Height()));
    const QRect source(sourceX, sourceY, own(sourceWidth, picture->Width()), own(sourceHeight, picture->Height()));
    if (target.width() <= 0 || target.height() <= 0 || source.width() <= 0 || source.height() <= 0) return;
    if (target.size() == source.size())
        painter_.drawImage(target.topLeft(), ImageOf(*picture), source);
    else
        painter_.drawImage(target.topLeft(), ScaledCopy(picture->Image(), source, target.size()));
}
