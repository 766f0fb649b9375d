// Dealing a board must stay linear in its cells.
#include <benchmark/benchmark.h>

#include "game/GameInstance.h"

namespace {

void BM_NewBoard(benchmark::State& state) {
  GameInstance game;
  game.BoardSize = static_cast<int32_t>(state.range(0));
  game.AllowedShapes = {2, 1, 5, 4, 3};
  for (auto _ : state) {
    game.NewBoard(false, false, false);
    benchmark::DoNotOptimize(game.Shape.data());
  }
  state.SetComplexityN(state.range(0) * state.range(0));
}
BENCHMARK(BM_NewBoard)->Arg(2)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN);

}  // namespace
