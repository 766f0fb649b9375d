#pragma once

#include <string>

class GameInstance;

// What a key does in the game view. A key arrives as a one-character
// string; letters match without regard to case. Every key is handled.
namespace KeyMap {

inline constexpr char Escape = 27;

void KeyDown(GameInstance& game, const std::string& key);

}  // namespace KeyMap
