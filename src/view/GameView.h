#pragma once

#include "platform/CanvasWidget.h"

// The control that shows the game and hands it paint, key and pointer
// events. It holds no game logic.
class GameView : public platform::CanvasWidget {
 public:
  using CanvasWidget::CanvasWidget;

  void Paint(platform::Graphics& g) override;

 protected:
  void Event_Open() override;
  void Event_KeyDown(const std::string& key) override;
  bool Event_MouseDown(int x, int y) override;
  void Event_MouseDrag(int x, int y) override;
  void Event_MouseUp(int x, int y) override;
  void Event_MouseMove(int x, int y) override;
};
