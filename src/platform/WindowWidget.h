#pragma once

#include <QWidget>

#include "platform/Window.h"

namespace platform {

// A top-level window: its bounds are those of its content area, it enters
// the list of open windows when it first shows and leaves it when it
// closes, and it is deleted once closed. Subclasses handle Event_Open,
// Event_CancelClose and Event_MouseMove (for the whole window, the
// controls in it included).
class WindowWidget : public QWidget, public Window {
 public:
  explicit WindowWidget(QWidget* parent = nullptr);
  ~WindowWidget() override;

  int32_t Left() const override { return geometry().x(); }
  int32_t Top() const override { return geometry().y(); }
  int32_t Width() const override { return geometry().width(); }
  int32_t Height() const override { return geometry().height(); }
  void SetLeft(int32_t value) override;
  void SetTop(int32_t value) override;
  void SetWidth(int32_t value) override;
  void SetHeight(int32_t value) override;
  int32_t MinWidth() const override { return minimumWidth(); }
  int32_t MinHeight() const override { return minimumHeight(); }
  int32_t MaxWidth() const override { return maximumWidth(); }
  int32_t MaxHeight() const override { return maximumHeight(); }
  void Close() override { close(); }

  // Reports pointer moves over this control to Event_MouseMove too.
  void WatchMouseMoves(QWidget* control);

 protected:
  virtual void Event_Open() {}
  // quitting tells whether the application is ending.
  virtual void Event_CancelClose(bool /*quitting*/) {}
  virtual void Event_MouseMove(int /*x*/, int /*y*/) {}

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool opened = false;
};

}  // namespace platform
