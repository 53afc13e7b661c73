#pragma once
// The framework's view of its toolkit: Qt types behind the framework's objects. Only framework code and
// the widget tests include this.

#include <QImage>
#include <QWidget>
#include <memory>

#include "framework/Picture.h"

struct Picture::Pixels {
    QImage loaded;  // as read or made
    QImage shown;   // what drawing uses: the loaded image, or with white made transparent
};

std::shared_ptr<Picture> PictureFromImage(const QImage& image);
const QImage& ImageOf(const Picture& picture);

class Window;
// The window's content area (Width by Height; the controls' parent) and its top-level widget.
QWidget* ContentOf(const Window& window);
QWidget* TopLevelOf(const Window& window);
