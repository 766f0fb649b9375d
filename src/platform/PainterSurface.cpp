#include "platform/PainterSurface.h"

#include <QPaintDevice>

namespace platform {

PainterSurface::PainterSurface(QPainter& p, QSize s) : painter(p), size(s) {}

QSize PainterSurface::Size() const { return size; }

double PainterSurface::DevicePixelRatio() const {
  return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

QPainter* PainterSurface::Begin() {
  if (!painter.isActive()) return nullptr;
  painter.save();
  return &painter;
}

void PainterSurface::End() { painter.restore(); }

}  // namespace platform
