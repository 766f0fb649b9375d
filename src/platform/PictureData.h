#pragma once

#include <QImage>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/Graphics.h"

namespace platform {

class PictureSurface;

// What to draw for part of a picture: an image, the rectangle of it in
// image pixels, and the opacity to draw it at.
struct DrawSource {
  const QImage* image = nullptr;
  QRect rect;
  double opacity = 1;
};

// The pixels behind a Picture. The colour is an RGB32 image. The mask is
// absent, one level over the whole picture (kept as a number, so a fade
// that fills the whole mask every frame never touches its pixels), or an
// 8-bit grey image. The picture as drawn with a mask image (colour with
// alpha 255 - mask, premultiplied) is composed only when it is drawn, and
// scaled copies are kept for the sizes it is drawn at, so a picture
// drawn at the same size frame after frame is scaled once.
class PictureData {
 public:
  PictureData(int width, int height, QImage colour);
  ~PictureData();
  PictureData(const PictureData&) = delete;
  PictureData& operator=(const PictureData&) = delete;

  int Width() const { return width; }
  int Height() const { return height; }
  double Ratio() const { return colour.devicePixelRatio(); }
  QImage& Colour() { return colour; }
  const QImage& Colour() const { return colour; }

  bool HasMask() const { return hasMask; }
  // Adds an opaque mask when there is none.
  void AddMask();
  void SetMaskImage(QImage grey);
  void SetUniformMask(int level);
  // The mask as an image, made from a uniform level when need be.
  QImage& MaskImage();
  int MaskAt(int x, int y) const;

  // Every write to the colour or to the mask calls one of these first.
  void ColourChanged() { ++colourVersion; }
  void MaskChanged() { ++maskVersion; }

  Graphics& ColourGraphics() { return colourGraphics; }
  Graphics& MaskGraphics() { return maskGraphics; }

  // A 1 x 1 picture's colour and opacity, drawn as a plain fill.
  bool IsSinglePixel() const;
  QColor SinglePixel() const;
  // What to draw for the device rectangle source when it lands on target
  // device pixels of a surface of the given ratio.
  DrawSource Source(const QRect& source, const QSize& target, double targetRatio);
  // The picture with its mask as alpha, premultiplied; the colour alone
  // when it has no mask.
  const QImage& Composed();
  // The picture drawn at tile device pixels, repeated over area device
  // pixels of a surface of the given ratio.
  DrawSource Tiled(const QSize& tile, const QSize& area, double targetRatio);

 private:
  struct Scaled {
    uint64_t colourVersion = 0;
    uint64_t maskVersion = 0;  // 0 when made from the colour alone
    QRect source;
    QSize target;
    QImage image;
  };
  const QImage& ScaledCopy(const QImage& base, uint64_t maskKey, const QRect& source,
                           const QSize& target, double targetRatio);

  int width;
  int height;
  QImage colour;
  bool hasMask = false;
  std::optional<int> uniformMask;
  QImage mask;
  uint64_t colourVersion = 1;
  uint64_t maskVersion = 1;
  QImage composed;
  uint64_t composedColour = 0;
  uint64_t composedMask = 0;
  std::array<Scaled, 4> scaled;
  size_t nextScaled = 0;
  Scaled tiled;  // its source is the tile's device rectangle
  std::shared_ptr<PictureSurface> colourSurface;
  std::shared_ptr<PictureSurface> maskSurface;
  Graphics colourGraphics;
  Graphics maskGraphics;
};

}  // namespace platform
