// Drawing the game screen, one frame of each transition, and the board at
// growing sizes, all onto off-screen pictures with the shipped pictures.
// BM_OpaqueBlit (AssetsBench.cpp) is the reference they are compared with.
#include <benchmark/benchmark.h>

#include <deque>
#include <functional>

#include "game/GameInstance.h"
#include "game/GameManager.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "platform/Resources.h"
#include "platform/Ticks.h"
#include "view/GameScreen.h"

namespace {

void UseShippedPictures() { platform::SetResourcesFolder(PEMOLA_SOURCE_RESOURCES); }

// A view of a fixed size whose captures are real and whose first
// transition frame is the benchmark: it is drawn over and over onto an
// off-screen picture of the view's size, inside the timed loop.
class FrameTimingCanvas : public platform::Canvas {
 public:
  FrameTimingCanvas(benchmark::State& s, GameInstance& g, int w, int h)
      : state(s), game(g), width(w), height(h), target(platform::Picture::Create(w, h)) {}

  int Width() const override { return width; }
  int Height() const override { return height; }
  double DevicePixelRatio() const override { return 1; }
  void Refresh() override {}
  void RefreshRect(int, int, int, int) override {}
  void UpdateNow() override {}
  void Paint(platform::Graphics& g) override { GameScreen::Draw(game, g); }
  void PaintFrame(int, int, int, int, const std::function<void(platform::Graphics&)>& frame) override {
    if (timed) return;
    timed = true;
    for (auto _ : state) frame(target->Graphics());
  }

  bool timed = false;

 private:
  benchmark::State& state;
  GameInstance& game;
  int width, height;
  std::unique_ptr<platform::Picture> target;
};

// The clock reads start, then start + elapsed (the one frame), then far on.
void ClockAt(int64_t elapsed) {
  std::deque<int64_t> reads{1000, 1000 + elapsed};
  platform::SetTicksSource([reads, later = int64_t(1) << 40]() mutable {
    if (reads.empty()) return later += 1000;
    const int64_t t = reads.front();
    reads.pop_front();
    return t;
  });
}

// A game in the countdown on a board of the given side.
void Prepare(GameInstance& game, int32_t boardSize) {
  game.BoardSize = boardSize;
  game.NewBoard(false, false, false);
}

// One full Draw of the game screen: countdown, 4 x 4 board.
void BM_DrawGameScreen(benchmark::State& state) {
  UseShippedPictures();
  const int w = static_cast<int>(state.range(0));
  const int h = static_cast<int>(state.range(1));
  GameInstance game;
  Prepare(game, 4);
  auto target = platform::Picture::Create(w, h);
  GameScreen::Draw(game, target->Graphics());  // the derived pictures are made once
  for (auto _ : state) GameScreen::Draw(game, target->Graphics());
}

// One transition frame half-way through: the style's change is made
// between the two captures, as the game does.
void TimeFrame(benchmark::State& state, int style, int64_t elapsed, const std::function<void(GameInstance&)>& change) {
  UseShippedPictures();
  const int w = static_cast<int>(state.range(0));
  const int h = static_cast<int>(state.range(1));
  GameInstance game;
  Prepare(game, 4);
  FrameTimingCanvas canvas(state, game, w, h);
  game.ViewRef = &canvas;
  ClockAt(elapsed);
  game.AnimSetup();
  change(game);
  game.AnimDo(style, false);
  platform::SetTicksSource(nullptr);
  game.ViewRef = nullptr;
  if (!canvas.timed) state.SkipWithError("no frame was drawn");
}

void BM_FadeFrame(benchmark::State& state) {
  TimeFrame(state, 0, 5, [](GameInstance& g) { g.IsGameOver = g.DoingBlankout = true; });
}

void BM_BoardSlideFrame(benchmark::State& state) {
  TimeFrame(state, 1, 7, [](GameInstance& g) { g.DoingBlankout = true; });
}

void BM_ViewSlideFrame(benchmark::State& state) {
  TimeFrame(state, 2, 7, [](GameInstance& g) {
    g.LastViewMode = g.ViewMode;
    g.ViewMode = ViewModes::About;
  });
}

// DrawBoard alone on a 1920 x 1080 view, the board as Draw lays it out.
void BM_DrawBoard(benchmark::State& state) {
  UseShippedPictures();
  GameInstance game;
  Prepare(game, static_cast<int32_t>(state.range(0)));
  auto target = platform::Picture::Create(1920, 1080);
  GameScreen::Draw(game, target->Graphics());
  platform::Graphics board = target->Graphics().Clip(game.BoardX, game.BoardY, game.BoardWidth, game.BoardHeight);
  for (auto _ : state) GameScreen::DrawBoard(game, board);
  state.counters["cells"] = static_cast<double>(game.BoardSize) * game.BoardSize;
}

#define VIEW_SIZES ArgNames({"w", "h"})->Args({1280, 800})->Args({1920, 1080})->Args({3840, 2160})

BENCHMARK(BM_DrawGameScreen)->VIEW_SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FadeFrame)->VIEW_SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoardSlideFrame)->VIEW_SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewSlideFrame)->VIEW_SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawBoard)->ArgName("side")->Arg(10)->Arg(40)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
