// Until the game has its windows, `make run` shows a game that plays itself
// in the terminal: the real countdown, the blankout, and answers, right for a
// few levels and then wrong on purpose.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "game/GameManager.h"
#include "platform/Canvas.h"

namespace {

constexpr int RightAnswers = 4;

const char* shapeName(int32_t code) {
  static const char* const names[] = {"?", ".", "square", "circle", "triangle", "diamond", "octagon"};
  return code >= -1 && code <= 5 ? names[code + 1] : "bad";
}

char shapeLetter(int32_t code) { return "?.SCTDO"[code + 1]; }

// Prints the game whenever it asks to be redrawn.
class TerminalCanvas : public platform::Canvas {
 public:
  int Width() const override { return 600; }
  int Height() const override { return 400; }
  double DevicePixelRatio() const override { return 1; }
  void Paint(platform::Graphics&) override {}
  void PaintFrame(int, int, int, int, const std::function<void(platform::Graphics&)>&) override {}
  void Refresh() override {
    const GameInstance* game = GameManager::game.get();
    if (!game) return;
    if (!game->DoingBlankout) {
      if (game->CountDown > 0) std::printf("  %d…\n", game->CountDown);
    } else if (!announced) {
      announced = true;
      std::printf("  board blanked out; which shape stood in cell %d?\n", game->BlankoutTargetPiece);
    }
    std::fflush(stdout);
  }
  void RefreshRect(int, int, int, int) override {}
  void UpdateNow() override {}
  bool announced = false;
};

void printBoard(const GameInstance& game) {
  std::printf("Level %d: %d x %d board, shapes in play:", game.Score + 1, game.BoardSize, game.BoardSize);
  for (const int32_t s : game.AllowedShapes) std::printf(" %s", shapeName(s));
  std::printf("\n");
  for (int32_t row = 0; row < game.BoardSize; ++row) {
    std::printf("    ");
    for (int32_t column = 0; column < game.BoardSize; ++column)
      std::printf("%c ", shapeLetter(game.Shape[static_cast<size_t>(row * game.BoardSize + column)]));
    std::printf("\n");
  }
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  TerminalCanvas canvas;
  GameManager::ViewRef = &canvas;
  GameManager::NewGame();
  GameInstance& game = *GameManager::game;
  game.SkipLevels(2);  // start where the board grows on the next answer
  printBoard(game);

  int answers = 0;
  QTimer answerer;
  QObject::connect(&answerer, &QTimer::timeout, [&] {
    if (!game.DoingBlankout) return;
    const int32_t truth = game.Shape[static_cast<size_t>(game.BlankoutTargetPiece)];
    const bool right = answers++ < RightAnswers;
    size_t index = 0;
    while (index < game.AllowedShapes.size() && (game.AllowedShapes[index] == truth) != right) ++index;
    std::printf("  answering %s: %s\n", shapeName(game.AllowedShapes[index]), right ? "right" : "wrong");
    canvas.announced = false;
    const int32_t scoreBefore = game.Score;
    game.ClickSelector(static_cast<int32_t>(index));
    if (!right) {
      std::printf("Game over at level %d. A new game begins; bye.\n", scoreBefore + 1);
      app.quit();
      return;
    }
    printBoard(game);
  });
  answerer.start(300);
  return app.exec();
}
