#pragma once
// Pictures and the drawing surface handed to Paint handlers.

#include <cstdint>
#include <memory>

#include "framework/Object.h"

class QPainter;

class Picture : public Object {
public:
    Picture();
    ~Picture() override;
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    int32_t Width() const;
    int32_t Height() const;
    // 1: pure white pixels are drawn transparent; 0: the picture as loaded.
    int32_t Transparent() const { return transparent_; }
    void SetTransparent(int32_t mode);

    struct Pixels;  // the toolkit's image, private to the framework
    Pixels& Image() const { return *pixels_; }

private:
    std::unique_ptr<Pixels> pixels_;
    int32_t transparent_ = 0;
};

class Graphics {
public:
    // A value of -10000 for a size means the picture's own width or height.
    static constexpr int32_t kOwnSize = -10000;

    Graphics(QPainter& painter, int32_t width, int32_t height) : painter_(painter), width_(width), height_(height) {}

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }

    // Draws the source rectangle of the picture scaled into the destination rectangle. A nil picture, or
    // an empty rectangle, draws nothing.
    void DrawPicture(const std::shared_ptr<Picture>& picture, int32_t x, int32_t y, int32_t width = kOwnSize,
                     int32_t height = kOwnSize, int32_t sourceX = 0, int32_t sourceY = 0,
                     int32_t sourceWidth = kOwnSize, int32_t sourceHeight = kOwnSize);

private:
    QPainter& painter_;
    int32_t width_, height_;
};
