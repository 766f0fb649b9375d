#pragma once

#include <cstdint>

class GameInstance;
namespace platform {
class Graphics;
}

// The game's one paint routine and the game screen: the board, its pieces,
// the selector row and the pause screen. The layout is worked out afresh
// from the surface's size on every call and left in the game's layout fields.
namespace GameScreen {

inline constexpr const char* FontName = "Arial Rounded MT Bold";

// The whole view: the game screen, the about screen or the highscore screen.
void Draw(GameInstance& game, platform::Graphics& g);
// g is the board square, with its origin at the board's top-left corner.
void DrawBoard(const GameInstance& game, platform::Graphics& g);
// One piece picture: on the board its top square, in the selector the
// whole picture, scaled to size pixels wide.
void DrawPiece(platform::Graphics& g, int32_t piece, int x, int y, int size, bool fullHeight);
// g is the selector row, with its origin at the row's top-left corner.
void DrawSelector(const GameInstance& game, platform::Graphics& g);

}  // namespace GameScreen
