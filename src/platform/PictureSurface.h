#pragma once

#include <optional>

#include "platform/Surface.h"

namespace platform {

class PictureData;

// The colour or the mask of a picture as a surface. A Graphics may outlive
// its picture (a clipped part kept by a caller); once the picture is gone
// the surface draws nothing.
class PictureSurface : public Surface {
 public:
  PictureSurface(PictureData* data, bool isMask);

  void Detach() { data = nullptr; }

  QSize Size() const override;
  double DevicePixelRatio() const override;
  QPainter* Begin() override;
  void End() override;
  // A whole mask filled with one grey becomes a uniform level.
  bool FillWhole(QRgb colour) override;

 private:
  PictureData* data;
  bool isMask;
  std::optional<QPainter> painter;
};

}  // namespace platform
