#pragma once

// The game's pictures, drawn in code so that the art is reproducible and reviewable.

#include <QImage>
#include <QRect>
#include <array>

namespace art {

// The pieces: shapes 128..151, each 64 by 64 and transparent around the shape.
constexpr int firstShape = 128;
constexpr int shapeCount = 24;
constexpr int shapeSize = 64;
QImage drawShape(int id);

// Where the game lets a player click a pit, and where it stands a piece in it:
// front row (cells 1-3), middle row (4-6), back row (7-9).
constexpr std::array<QRect, 9> pitStrips{{
    {46, 145, 95, 24},
    {171, 145, 120, 24},
    {317, 145, 92, 24},
    {86, 117, 71, 22},
    {188, 117, 82, 22},
    {290, 117, 80, 22},
    {116, 93, 67, 16},
    {193, 93, 72, 16},
    {279, 93, 61, 16},
}};
constexpr std::array<QRect, 9> pieceViews{{
    {46, 82, 80, 80},
    {185, 82, 80, 80},
    {322, 82, 80, 80},
    {86, 68, 64, 64},
    {193, 68, 64, 64},
    {306, 68, 64, 64},
    {116, 52, 50, 50},
    {201, 52, 50, 50},
    {285, 52, 50, 50},
}};
// Places on the board that the game draws over, so the board keeps them plain.
constexpr QRect bannerPlace{77, 1, 297, 46};
constexpr std::array<QRect, 2> turnMarkerPlaces{{{8, 6, 30, 30}, {416, 6, 30, 30}}};

QImage drawBoard();  // 454 x 215, the backdrop of the game window
QImage drawBanner(); // 297 x 46, "Game Over", laid over the board at bannerPlace
QImage drawSplash(); // 256 x 256
QImage drawLogo();   // 145 x 39, on pure white, which the game makes transparent

// A sheet for reviewing the art: the shapes at the sizes the game uses, over the board and over white.
QImage drawPreviewSheet();

} // namespace art
