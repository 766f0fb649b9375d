#pragma once

class GameInstance;
namespace platform {
class Graphics;
}

// The bar across the top of the game screen: a grey gradient with the level
// title and countdown in the middle, Help and Highscore buttons at the left
// end, Reload and New at the right. Drawing it records the button edges
// that the hit test reads.
namespace HeaderBar {

// Draws the bar HeaderHeight tall, in the font and size Draw has set.
void Draw(GameInstance& game, platform::Graphics& g);
// The gradient strip alone, shared with the highscore screen.
void DrawBackground(GameInstance& game, platform::Graphics& g, int width, int height);
// Darkens the lower half of a bar and lays the faint noise over it.
void DrawGlossAndNoise(GameInstance& game, platform::Graphics& g, int width, int height);
// Lays the noise tile over a rectangle of g.
void DrawHeaderNoise(GameInstance& game, platform::Graphics& g, int x, int y, int w, int h);

}  // namespace HeaderBar
