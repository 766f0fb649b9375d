#pragma once

#include "platform/WindowWidget.h"

class GameView;

// The normal game window: resizable, with the menu bar, remembering its
// bounds under "main". Closing it while it is the game window quits.
class WinGame : public platform::WindowWidget {
 public:
  static constexpr const char* BoundsKey = "main";

  // The open window, created when there is none.
  static WinGame* Instance();
  // The open window, or nullptr.
  static WinGame* IfOpen();

  GameView* view() const { return gameView; }

 protected:
  void Event_Open() override;
  void Event_CancelClose(bool quitting) override;

 private:
  WinGame();
  ~WinGame() override;
  void Layout();
  void CreateControls();

  GameView* gameView = nullptr;
};
