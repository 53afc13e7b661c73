#pragma once
// The framework's view of its toolkit: Qt types behind the framework's objects. Only framework code and
// the widget tests include this.

#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

#include "framework/Picture.h"

struct Picture::Pixels {
    QImage loaded;  // as read or made
    QImage shown;   // what drawing uses: the loaded image, or with white made transparent
    // Smooth-scaled, premultiplied copies of parts of shown, made at the first draw at each size and device
    // pixel ratio: a paint at a size seen before is then a plain copy. size is in the painter's own pixels.
    struct Scaled {
        QRect source;
        QSize size;
        QImage image;
    };
    std::vector<Scaled> scaled;
};

std::shared_ptr<Picture> PictureFromImage(const QImage& image);
// The picture in the file, read as the format named; nil at once when it is missing, not a regular file or not
// of that format.
std::shared_ptr<Picture> ReadPicture(const QString& path, const QByteArray& format);
const QImage& ImageOf(const Picture& picture);
// Draws a backdrop at the widget's origin over the region being painted.
void DrawBackdrop(QPainter& painter, const QImage& image, const QRegion& region);

class Window;
// The window's content area (Width by Height; the controls' parent) and its top-level widget.
QWidget* ContentOf(const Window& window);
QWidget* TopLevelOf(const Window& window);
