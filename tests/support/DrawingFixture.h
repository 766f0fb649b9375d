#pragma once

// What the drawing tests share: fixed text metrics (text height 18 at size
// 15), a resources folder of plain stand-in pictures whose colours are easy
// to find on a render, and a game laid out on a known board.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "game/GameInstance.h"
#include "platform/FixedTextMetrics.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "support/Recorders.h"
#include "support/ResourcesFolderScope.h"
#include "view/GameScreen.h"
#include "view/PictureAssets.h"

// Colours of the stand-in pieces: each piece's top square is one colour,
// the strip below it (seen only in the selector) is Foot.
namespace Stand {
inline constexpr uint32_t Empty = 0x404040;
inline constexpr uint32_t Square = 0xFF0000;
inline constexpr uint32_t Circle = 0x00FF00;
inline constexpr uint32_t Triangle = 0x0000FF;
inline constexpr uint32_t Diamond = 0xFFFF00;
inline constexpr uint32_t Octagon = 0xFF00FF;
inline constexpr uint32_t Unknown = 0x00FFFF;  // left half only; the right half is transparent
inline constexpr uint32_t Foot = 0xFFFFFF;
inline constexpr int PieceWidth = 20;
inline constexpr int PieceHeight = 26;
}  // namespace Stand

class StandInAssets {
 public:
  StandInAssets() {
    Piece("PieceEmpty.png", Stand::Empty);
    Piece("PieceSquare.png", Stand::Square);
    Piece("PieceCircle.png", Stand::Circle);
    Piece("PieceTriangle.png", Stand::Triangle);
    Piece("PieceDiamond.png", Stand::Diamond);
    Piece("PieceOctagon.png", Stand::Octagon);
    QImage unknown(Stand::PieceWidth, Stand::PieceHeight, QImage::Format_ARGB32);
    unknown.fill(Qt::transparent);
    for (int y = 0; y < Stand::PieceHeight; ++y)
      for (int x = 0; x < Stand::PieceWidth / 2; ++x) unknown.setPixel(x, y, 0xFF000000u | Stand::Unknown);
    Save(unknown, "PieceUnknown.png");
    // Solid black glyphs: their tinted icons are solid squares.
    for (const char* glyph : {"LargeHelp.png", "LargeHighscore.png", "LargeReloadImage.png", "LargeArrowLeft.png",
                              "LargeClose.png"})
      Plain(glyph, 8, 8, 0x000000);
    Plain("Icon.png", 512, 512, 0x808080);
  }
  // Takes a picture away, as if it had not shipped.
  void Remove(const std::string& file) {
    QDir(dir.path()).remove(QString::fromStdString(file));
    PictureAssets::Forget();
  }

 private:
  void Save(const QImage& image, const char* file) {
    EXPECT_TRUE(image.save(dir.filePath(file))) << file;
  }
  void Plain(const char* file, int w, int h, uint32_t rgb) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(0xFF000000u | rgb);
    Save(image, file);
  }
  void Piece(const char* file, uint32_t rgb) {
    QImage image(Stand::PieceWidth, Stand::PieceHeight, QImage::Format_RGB32);
    image.fill(0xFF000000u | Stand::Foot);
    for (int y = 0; y < Stand::PieceWidth; ++y)
      for (int x = 0; x < Stand::PieceWidth; ++x) image.setPixel(x, y, 0xFF000000u | rgb);
    Save(image, file);
  }

  QTemporaryDir dir;
  ResourcesFolderScope scope{dir.path().toStdString()};
};

class FixedMetricsScope {
 public:
  FixedMetricsScope() {
    platform::Graphics::SetDefaultTextMetrics(std::make_shared<platform::FixedTextMetrics>());
  }
  ~FixedMetricsScope() { platform::Graphics::SetDefaultTextMetrics(nullptr); }
  FixedMetricsScope(const FixedMetricsScope&) = delete;
  FixedMetricsScope& operator=(const FixedMetricsScope&) = delete;
};

// A game on a 4 x 4 board in the countdown, each row the one above moved
// left by one (square, circle, triangle, diamond, then circle, ...), with
// square and circle in the selector.
class DrawingTest : public testing::Test {
 protected:
  DrawingTest() {
    game.BoardSize = 4;
    game.Shape = {1, 2, 3, 4, 2, 3, 4, 1, 3, 4, 1, 2, 4, 1, 2, 3};
    game.AllowedShapes = {ShapeCode::Square, ShapeCode::Circle};
    game.BlankoutTargetPiece = 5;  // column 2, row 2: a triangle
  }

  std::unique_ptr<platform::Picture> Render(int w = 600, int h = 400) {
    auto picture = platform::Picture::Create(w, h);
    GameScreen::Draw(game, picture->Graphics());
    return picture;
  }

  Recorders recorders;
  FixedMetricsScope metrics;
  StandInAssets assets;
  GameInstance game;
};

// Pixel helpers.
inline uint32_t Red(uint32_t rgb) { return (rgb >> 16) & 0xFF; }

// Whether every pixel of the rectangle is the colour.
inline bool AllOf(const platform::Picture& p, int x, int y, int w, int h, uint32_t rgb) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i)
      if (p.Pixel(i, j) != rgb) return false;
  return true;
}

inline int CountOf(const platform::Picture& p, int x, int y, int w, int h, uint32_t rgb) {
  int count = 0;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) count += p.Pixel(i, j) == rgb;
  return count;
}

// The brightest red channel of a rectangle.
inline uint32_t BrightestRed(const platform::Picture& p, int x, int y, int w, int h) {
  uint32_t best = 0;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) best = std::max(best, Red(p.Pixel(i, j)));
  return best;
}

// One row of a render as the colours met from left to right, each with the
// column where it begins: {{x, colour}, ...}.
inline std::vector<std::pair<int, uint32_t>> Runs(const platform::Picture& p, int y, int x0, int x1) {
  std::vector<std::pair<int, uint32_t>> runs;
  for (int x = x0; x < x1; ++x) {
    const uint32_t c = p.Pixel(x, y);
    if (runs.empty() || runs.back().second != c) runs.push_back({x, c});
  }
  return runs;
}
