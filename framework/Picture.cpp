#include "framework/Picture.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

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
// Qt's own limit on the memory an image read from a file may take, in bytes; 0 when it is lifted.
qint64 AllocationLimit() { return qint64(QImageReader::allocationLimit()) * 1024 * 1024; }

// Our own pictures and shapes are uncompressed BMPs stored bottom up: 24-bit, or 32-bit with the standard
// blue-green-red-alpha masks. Such a file is read in one pass, a third of the general reader's work. It is read
// through the file, never mapped, so a file cut short while it is read is only a short read; cut short, or
// needing more memory than Qt allows an image or than the system gives, it is unreadable (a null image). Any
// other file gives nothing, for the general reader.
std::optional<QImage> ReadPlainBmp(QFile& file) {
    const QByteArray head = file.read(70);
    if (head.size() < 54 || !head.startsWith("BM")) return std::nullopt;
    const auto u16 = [&](qint64 at) { return qFromLittleEndian<quint16>(head.constData() + at); };
    const auto u32 = [&](qint64 at) { return qFromLittleEndian<quint32>(head.constData() + at); };
    const qint64 header = u32(14), offset = u32(10), bits = u16(28);
    const qint64 width = qint32(u32(18)), height = qint32(u32(22)), stride = (width * bits / 8 + 3) & ~3;
    const bool rgb = bits == 24 && u32(30) == 0;
    const bool rgba = bits == 32 && u32(30) == 3 && header >= 108 && head.size() >= 70 && u32(54) == 0x00FF0000 &&
                      u32(58) == 0x0000FF00 && u32(62) == 0x000000FF && u32(66) == 0xFF000000;
    if (header < 40 || u16(26) != 1 || !(rgb || rgba) || width <= 0 || height <= 0 || width > 32767 ||
        height > 32767)
        return std::nullopt;
    const qint64 limit = AllocationLimit();
    if (offset < 14 + header || (limit > 0 && width * height * 4 > limit) || !file.seek(offset)) return QImage();
    QImage image(int(width), int(height), rgba ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    QByteArray row(stride, Qt::Uninitialized);
    for (qint64 y = height - 1; y >= 0; --y) {
        if (file.read(row.data(), stride) != stride) return QImage();
        const auto* in = reinterpret_cast<const uchar*>(row.constData());
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        if (rgba)
            for (qint64 x = 0; x < width; ++x, in += 4) out[x] = qRgba(in[2], in[1], in[0], in[3]);
        else
            for (qint64 x = 0; x < width; ++x, in += 3) out[x] = qRgb(in[2], in[1], in[0]);
    }
    return image;
}

// Opens a picture for reading only if it is a regular file, and without ever waiting: a named pipe, a device or
// a folder in a picture's place is refused at once. The check is made on the handle that is then read, so a
// name swapped after it cannot slip past. The program's own embedded files (":/...") have no handle, and no
// other process can swap them.
bool OpenRegularFile(QFile& file, const QString& path) {
    if (path.startsWith(u':')) {
        file.setFileName(path);
        return file.open(QIODevice::ReadOnly);
    }
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0) return false;
    struct stat status {};
    if (::fstat(handle, &status) == 0 && S_ISREG(status.st_mode) &&
        file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(handle);
    return false;
}
}  // namespace

std::shared_ptr<Picture> ReadPicture(const QString& path, const QByteArray& format) {
    QFile file;
    if (!OpenRegularFile(file, path)) return nullptr;
    const QByteArray kind = format.toLower();
    if (kind == "bmp")
        if (auto image = ReadPlainBmp(file)) return image->isNull() ? nullptr : PictureFromImage(*image);
    // No probing: it would try other decoders, and load their libraries, before settling on the format.
    QImageReader reader(&file, kind);
    reader.setAutoDetectImageFormat(false);
    const QImage image = file.seek(0) ? reader.read() : QImage();
    return image.isNull() ? nullptr : PictureFromImage(image);
}

const QImage& ImageOf(const Picture& picture) { return picture.Image().shown; }

namespace {
constexpr size_t kScaledKept = 8;  // a shape is drawn at a handful of sizes

// A copy is made at the size it covers in the device's own pixels, so that a high-density screen shows it as
// smooth as any other.
const QImage& ScaledCopy(Picture::Pixels& pixels, const QRect& source, const QSize& size, qreal ratio) {
    for (const auto& copy : pixels.scaled)
        if (copy.source == source && copy.size == size && copy.image.devicePixelRatio() == ratio) return copy.image;
    if (pixels.scaled.size() == kScaledKept) pixels.scaled.erase(pixels.scaled.begin());
    // Drawn as a smooth draw would draw it, over transparency, so that the copy looks the same; Qt filters
    // premultiplied pixels at about half the cost, to the same result.
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(image.rect(), pixels.shown.convertToFormat(image.format()), source);
    painter.end();
    image.setDevicePixelRatio(ratio);
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
    const qreal ratio = painter_.device() ? painter_.device()->devicePixelRatio() : 1;
    if (target.size() == source.size() && ratio == 1)
        painter_.drawImage(target.topLeft(), ImageOf(*picture), source);
    else
        painter_.drawImage(target.topLeft(), ScaledCopy(picture->Image(), source, target.size(), ratio));
}
