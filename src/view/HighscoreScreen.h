#pragma once

class GameInstance;
namespace platform {
class Graphics;
}

// The table of the best results, best at the top, under a bar of its own
// with a back arrow.
namespace HighscoreScreen {

void DrawHighscore(GameInstance& game, platform::Graphics& g);

}  // namespace HighscoreScreen
