#pragma once

class GameInstance;
namespace platform {
class Graphics;
}

// The about and help screen: the icon, name, version and maker line, and a
// short "How to Play".
namespace AboutScreen {

inline constexpr const char* MakerLine = "A game by Larkfen";

void DrawAbout(GameInstance& game, platform::Graphics& g);

}  // namespace AboutScreen
