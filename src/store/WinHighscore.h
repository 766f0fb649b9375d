#pragma once

#include <memory>

namespace platform {
class Dialog;
}

// Asks for a name after a game that earned a place in the highscore table.
// Add enters the result and shows the table; Skip starts a new game.
class WinHighscore {
 public:
  // Shows a fresh dialog within the game window; does not wait.
  static void Show();
  // The dialog on screen, or nullptr.
  static WinHighscore* IfOpen();

  platform::Dialog& Window() { return *dialog; }

  void Event_Open();
  void btnAdd_Action();
  void btnCancel_Action();

 private:
  WinHighscore();
  void Close();

  std::unique_ptr<platform::Dialog> dialog;
};
