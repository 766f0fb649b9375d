#pragma once

#include <QImage>

// The header and screen glyphs: black shapes on a transparent ground,
// 256 x 256, which the game turns into tinted icons. Also the header's
// noise tile.
namespace GlyphArt {

constexpr int kSide = 256;

QImage Help();
QImage Highscore();
QImage Reload();
QImage ArrowLeft();
QImage Close();
QImage HeaderNoise();

}  // namespace GlyphArt
