#pragma once

#include <QRegion>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/Canvas.h"

namespace platform {

// The drawing-canvas control: a widget that accepts the keyboard focus and
// hands its events on as the Event_ operations below, with keys as
// one-character strings and positions in logical pixels.
class CanvasWidget : public QWidget, public Canvas {
 public:
  explicit CanvasWidget(QWidget* parent = nullptr);

  int Width() const override { return width(); }
  int Height() const override { return height(); }
  double DevicePixelRatio() const override { return devicePixelRatioF(); }
  void Refresh() override { update(); }
  void RefreshRect(int x, int y, int width, int height) override;
  void UpdateNow() override;
  void PaintFrame(int x, int y, int width, int height, const std::function<void(Graphics&)>& frame) override;

 protected:
  // When the control first shows.
  virtual void Event_Open() {}
  virtual void Event_KeyDown(const std::string& /*key*/) {}
  // True asks for the drag and release events of this press.
  virtual bool Event_MouseDown(int /*x*/, int /*y*/) { return false; }
  virtual void Event_MouseDrag(int /*x*/, int /*y*/) {}
  virtual void Event_MouseUp(int /*x*/, int /*y*/) {}
  virtual void Event_MouseMove(int /*x*/, int /*y*/) {}

  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool opened = false;
  bool tracking = false;
  QRegion pending;
  const std::function<void(Graphics&)>* frame = nullptr;
};

}  // namespace platform
