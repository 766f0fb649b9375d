#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/TextMetrics.h"

namespace platform {

class Picture;
class Surface;

// A top-left corner, for drawing one picture at many places.
struct Place {
  int x;
  int y;
};

// A drawing surface: a picture's colour or mask, or the game view during a
// paint. Coordinates are logical pixels with y downwards; the surface maps
// them to device pixels on high-density screens. The pen colour fills,
// draws lines and text. A clipped part (Clip) has its origin at its own
// top-left corner and cannot draw outside itself.
class Graphics {
 public:
  explicit Graphics(std::shared_ptr<Surface> surface);
  Graphics(const Graphics& other);
  Graphics& operator=(const Graphics& other);
  Graphics(Graphics&& other) noexcept;
  Graphics& operator=(Graphics&& other) noexcept;
  ~Graphics();

  int Width() const;
  int Height() const;
  // Device pixels per logical pixel of the surface beneath.
  double DevicePixelRatio() const;

  // The pen colour, &hRRGGBB.
  uint32_t ForeColor() const;
  void SetForeColor(uint32_t rgb);

  const std::string& TextFont() const;
  void SetTextFont(const std::string& name);
  double TextSize() const;
  void SetTextSize(double size);
  bool Bold() const;
  void SetBold(bool bold);

  // Measurements in the current font.
  double TextHeight() const;
  double TextAscent() const;
  double StringWidth(const std::string& text) const;

  void FillRect(int x, int y, int width, int height);
  // Both end points are drawn; the line is one logical pixel wide.
  void DrawLine(int x1, int y1, int x2, int y2);
  // Text with its first baseline at y. Line ends always start a new line,
  // one text height further down. With a wrap width above 0, lines also
  // break between words to fit it; with condense, the text stays on one
  // line and is shortened with an ellipsis to fit the wrap width instead.
  void DrawString(const std::string& text, double x, double y, double wrapWidth = 0,
                  bool condense = false);

  // The whole picture at its own size.
  void DrawPicture(const Picture& picture, int x, int y);
  // The source rectangle sx, sy, sw, sh of the picture (its logical
  // pixels) scaled into x, y, width, height, honouring the picture's mask.
  void DrawPicture(const Picture& picture, int x, int y, int width, int height, int sx, int sy,
                   int sw, int sh);
  // The same, at each of the places in turn, as one drawing operation: many
  // small copies of one picture (the cells of a large board) cost little
  // more than the pixels they cover.
  void DrawPictureAt(const Picture& picture, const std::vector<Place>& places, int width, int height,
                     int sx, int sy, int sw, int sh);

  // The whole picture at its own size, repeated from x, y across width by
  // height and cut off at the edges. The repeated strip is made once per
  // size, so a wide row of small tiles is one drawing operation.
  void DrawPictureTiled(const Picture& picture, int x, int y, int width, int height);

  // The part at x, y, width by height, with the pen and font of this one.
  Graphics Clip(int x, int y, int width, int height) const;

  // The lines DrawString would draw, and the text it would draw condensed.
  std::vector<std::string> WrapLines(const std::string& text, double wrapWidth) const;
  std::string Condensed(const std::string& text, double width) const;

  // Measure through these metrics instead of the installed fonts; clipped
  // parts made afterwards inherit them. Null restores the default.
  void SetTextMetrics(std::shared_ptr<const TextMetrics> metrics);
  // The metrics of every surface that has none of its own; null restores
  // the installed fonts' metrics. For tests.
  static void SetDefaultTextMetrics(std::shared_ptr<const TextMetrics> metrics);

 private:
  struct Impl;
  const TextMetrics& Metrics() const;
  // Fills a rectangle given in the surface's coordinates, within the clip.
  void Fill(int left, int top, int width, int height);
  void DrawPictures(const Picture& picture, const Place* places, size_t count, int width, int height,
                    int sx, int sy, int sw, int sh);

  std::unique_ptr<Impl> impl;
};

}  // namespace platform
