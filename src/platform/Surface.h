#pragma once

#include <QColor>
#include <QPainter>
#include <QSize>

namespace platform {

// What a Graphics draws on. Each drawing operation takes a painter from
// Begin and hands it back with End.
class Surface {
 public:
  virtual ~Surface() = default;

  // Size in logical pixels.
  virtual QSize Size() const = 0;
  virtual double DevicePixelRatio() const = 0;
  // Nullptr when nothing can be drawn (the picture behind is gone).
  virtual QPainter* Begin() = 0;
  virtual void End() = 0;
  // Fills the whole surface with one colour. True when done without
  // painting; false asks the caller to paint the fill itself.
  virtual bool FillWhole(QRgb /*colour*/) { return false; }
};

}  // namespace platform
