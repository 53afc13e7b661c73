#include "framework/Picture.h"

#include <QPainter>

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

const QImage& ImageOf(const Picture& picture) { return picture.Image().shown; }

void Graphics::DrawPicture(const std::shared_ptr<Picture>& picture, int32_t x, int32_t y, int32_t width,
                           int32_t height, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                           int32_t sourceHeight) {
    if (!picture) return;
    auto own = [](int32_t size, int32_t pictureSize) { return size == kOwnSize ? pictureSize : size; };
    const QRect target(x, y, own(width, picture->Width()), own(height, picture->Height()));
    const QRect source(sourceX, sourceY, own(sourceWidth, picture->Width()), own(sourceHeight, picture->Height()));
    if (target.width() <= 0 || target.height() <= 0 || source.width() <= 0 || source.height() <= 0) return;
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawImage(target, ImageOf(*picture), source);
}
