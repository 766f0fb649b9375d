#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class Graphics;
class PictureData;

// An off-screen picture of 32 bits per pixel with its own drawing surface
// and an optional grey mask with a surface of its own. A mask level v
// gives its pixel the opacity (255 - v) / 255: black is opaque, white
// invisible. A picture may have more device pixels than logical ones (a
// device pixel ratio) for high-density screens; its surfaces are drawn on
// in logical pixels, direct pixel access is in device pixels.
class Picture {
 public:
  // A black, opaque picture, or nothing when one of that size cannot be made.
  static std::unique_ptr<Picture> Create(int width, int height, double devicePixelRatio = 1);
  // The picture in a PNG or BMP file, or nothing when it cannot be read. A
  // PNG with transparency gets a mask of 255 - alpha.
  static std::unique_ptr<Picture> Open(const std::string& path);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int Width() const;
  int Height() const;
  double DevicePixelRatio() const;
  int PixelWidth() const;
  int PixelHeight() const;

  platform::Graphics& Graphics();
  bool HasMask() const;
  // The mask's surface; a picture without a mask gets an opaque one first.
  platform::Graphics& MaskGraphics();

  // &hRRGGBB of a device pixel; 0 outside the picture.
  uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, uint32_t rgb);
  // The mask level of a device pixel; 0 (opaque) without a mask or outside.
  int MaskPixel(int x, int y) const;
  void SetMaskPixel(int x, int y, int level);

  // The pixels themselves, for the platform's own drawing code.
  PictureData& Data() const;

 private:
  explicit Picture(std::unique_ptr<PictureData> data);

  std::unique_ptr<PictureData> data;
};

}  // namespace platform
