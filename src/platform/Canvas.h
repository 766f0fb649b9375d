#pragma once

namespace platform {

// What the game needs of the drawing-canvas control that shows it. The Qt
// widget that hosts the game implements it; tests use a fake.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Schedules a repaint of the whole canvas.
  virtual void Refresh() = 0;
};

}  // namespace platform
