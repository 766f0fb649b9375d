#pragma once

#include <functional>

namespace platform {

class Graphics;

// What the game needs of the drawing-canvas control that shows it. The Qt
// widget that hosts the game implements it; tests use a fake.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Size in logical pixels, and device pixels per logical pixel.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual double DevicePixelRatio() const = 0;

  // Schedules a repaint of the whole canvas.
  virtual void Refresh() = 0;
  // Schedules a repaint of a rectangle, its background erased first.
  virtual void RefreshRect(int x, int y, int width, int height) = 0;
  // Carries out the pending repaints at once.
  virtual void UpdateNow() = 0;

  // The canvas's own paint routine, run on any surface of its size (an
  // off-screen capture, say).
  virtual void Paint(Graphics& g) = 0;
  // Shows one transition frame at once: frame draws onto the canvas's own
  // surface, and only the given rectangle changes on screen.
  virtual void PaintFrame(int x, int y, int width, int height, const std::function<void(Graphics&)>& frame) = 0;
};

}  // namespace platform
