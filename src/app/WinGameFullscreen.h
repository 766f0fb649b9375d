#pragma once

#include "platform/WindowWidget.h"

class GameView;
class QMenuBar;

// The fullscreen game window: no title bar, no shadow, covering its screen.
// Its menu bar lies over the top of the view and shows while the pointer
// touches an edge of the window (always, on any screen but the first).
class WinGameFullscreen : public platform::WindowWidget {
 public:
  static WinGameFullscreen* Instance();
  static WinGameFullscreen* IfOpen();

  GameView* view() const { return gameView; }
  bool MenuBarVisible() const;
  void SetMenuBarVisible(bool visible);
  // Covers the screen the window is on, again.
  void FitToScreen();
  // Shows the window on the screen of the window in front.
  void ShowOnFrontScreen();

 protected:
  void Event_Open() override;
  void Event_MouseMove(int x, int y) override;
  void Event_CancelClose(bool quitting) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  WinGameFullscreen();
  ~WinGameFullscreen() override;
  void Layout();
  void CreateControls();
  bool MenuBarWanted() const;

  GameView* gameView = nullptr;
  QMenuBar* menuBar = nullptr;
};
