#pragma once

#include <cstdint>
#include <memory>

namespace platform {
class Picture;
}

// The game's pictures, each loaded by its file name from the resources
// folder and kept for the run. An accessor whose file cannot be loaded
// returns nullptr and tries again at its next call, so a file put in place
// later is picked up.
namespace PictureAssets {

platform::Picture* PieceSquare();
platform::Picture* PieceCircle();
platform::Picture* PieceTriangle();
platform::Picture* PieceDiamond();
platform::Picture* PieceOctagon();
platform::Picture* PieceEmpty();
platform::Picture* PieceUnknown();
platform::Picture* LargeHelp();
platform::Picture* LargeHighscore();
platform::Picture* LargeReloadImage();
platform::Picture* LargeArrowLeft();
platform::Picture* LargeClose();
platform::Picture* HeaderNoise();
platform::Picture* Icon();

// A picture of the glyph's size filled with the tint (&hRRGGBB), whose
// mask is the glyph composited over white at (0, 0): black parts of the
// glyph become opaque tint, white or transparent parts invisible.
std::unique_ptr<platform::Picture> TintedIcon(const platform::Picture& glyph, uint32_t tint);

// Drops every kept picture, so the next calls load their files afresh.
// For tests that change the resources folder.
void Forget();

}  // namespace PictureAssets
