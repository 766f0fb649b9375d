#pragma once

#include <functional>
#include <memory>

#include "game/GameInstance.h"

namespace platform {
class Canvas;
class Window;
}

// Owns the one game for the whole run and remembers the view that opened last.
namespace GameManager {

inline std::unique_ptr<GameInstance> game;
inline platform::Canvas* ViewRef = nullptr;

// Called when a lost game qualifies for the highscore table and has a view:
// it asks for the player's name. Until it is set, a lost game starts anew.
inline std::function<void()> ShowHighscoreDialog;

// Starts a new game: the first one creates the game object.
void NewGame();

// The window that shows the game, created when it is not open: the
// fullscreen one while that preference is set, else the normal one. The
// shell supplies it; without windows there is none.
platform::Window* GetGameWindow();
inline std::function<platform::Window*()> GameWindowSource;

}  // namespace GameManager
