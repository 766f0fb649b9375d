#pragma once

#include "platform/Surface.h"

namespace platform {

// A surface over a painter that someone else holds, such as the game
// view's painter during its paint event. The painter must outlive every
// Graphics drawing on it.
class PainterSurface : public Surface {
 public:
  PainterSurface(QPainter& painter, QSize size);

  QSize Size() const override;
  double DevicePixelRatio() const override;
  QPainter* Begin() override;
  void End() override;

 private:
  QPainter& painter;
  QSize size;
};

}  // namespace platform
