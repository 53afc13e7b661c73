#pragma once
// The four pictures of the bundle's resources folder, each read once and kept.

#include <memory>

class Picture;

std::shared_ptr<Picture> Board();        // "Board.bmp": the game window's backdrop
std::shared_ptr<Picture> pGameOver();    // "GameOver.bmp": the game-over banner
std::shared_ptr<Picture> Splash();       // "Splash.bmp": the splash window's backdrop
std::shared_ptr<Picture> MorvLogo2x1();  // "MorvLogo2x1.bmp": the maker's logo, white made transparent
