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
  // Schedules a repaint of a rectangle, its background erased first.
  virtual void RefreshRect(int x, int y, int width, int height) = 0;
  // Carries out the pending repaints at once.
  virtual void UpdateNow() = 0;
};

}  // namespace platform
