#include "game/GameManager.h"

namespace GameManager {

void NewGame() {
  if (game)
    game->NewGame(true);
  else
    game = std::make_unique<GameInstance>();
}

platform::Window* GetGameWindow() { return GameWindowSource ? GameWindowSource() : nullptr; }

}  // namespace GameManager
