#include "game/GameManager.h"

namespace GameManager {

void NewGame() {
  if (game)
    game->NewGame(true);
  else
    game = std::make_unique<GameInstance>();
}

}  // namespace GameManager
