// The preferences file at its fullest (20 highscores, a saved 100 x 100
// board) and the KeyList reader on 1 MiB, whole and in 4-byte pieces: the
// pieces must stay linear in the data, also when it is one single record.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/WindowManager.h"
#include "game/GameInstance.h"
#include "store/HighscoreManager.h"
#include "store/KeyList.h"
#include "store/Preferences.h"

namespace {

// The benchmarks write their preferences into a temporary library folder.
struct TemporaryLibrary {
  TemporaryLibrary() {
    char name[] = "/tmp/pemola-bench-XXXXXX";
    if (!mkdtemp(name)) std::abort();
    folder = name;
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
  }
  ~TemporaryLibrary() { std::filesystem::remove_all(folder); }
  std::string folder;
};
const TemporaryLibrary library;

constexpr size_t MiB = 1 << 20;

void fillPreferences() {
  HighscoreManager::ScoreName.clear();
  HighscoreManager::ScoreLevel.clear();
  HighscoreManager::ScoreDate.clear();
  HighscoreManager::ScoreNew.clear();
  for (int32_t i = 0; i < HighscoreManager::MaxEntries; ++i)
    HighscoreManager::AddScore("Player number " + std::to_string(i), 10 + i, 3500000000.0 + i);
  WindowManager::sKey.assign(1, "main");
  WindowManager::iLeft.assign(1, 120);
  WindowManager::iTop.assign(1, 80);
  WindowManager::iWidth.assign(1, 600);
  WindowManager::iHeight.assign(1, 400);
  GameInstance game;
  game.BoardSize = 100;
  game.AllowedShapes = {2, 1, 5, 4, 3};
  game.DisabledShapes.clear();
  game.Score = 990;
  game.NewBoard(false, false, false);
  Preferences::GameData = game.GetState();
  Preferences::UserName = "Player number 7";
}

void clearLoadedTables() {
  HighscoreManager::ScoreName.clear();
  HighscoreManager::ScoreLevel.clear();
  HighscoreManager::ScoreDate.clear();
  HighscoreManager::ScoreNew.clear();
  WindowManager::sKey.clear();
  WindowManager::iLeft.clear();
  WindowManager::iTop.clear();
  WindowManager::iWidth.clear();
  WindowManager::iHeight.clear();
}

void BM_PreferencesSave(benchmark::State& state) {
  fillPreferences();
  for (auto _ : state) Preferences::Save();
  state.counters["GameData bytes"] = static_cast<double>(Preferences::GameData.size());
}
BENCHMARK(BM_PreferencesSave)->Unit(benchmark::kMicrosecond);

void BM_PreferencesLoad(benchmark::State& state) {
  fillPreferences();
  Preferences::Save();
  for (auto _ : state) {
    clearLoadedTables();
    Preferences::Load();
    benchmark::DoNotOptimize(Preferences::GameData.data());
  }
}
BENCHMARK(BM_PreferencesLoad)->Unit(benchmark::kMicrosecond);

// About 1 MiB of binary KeyList: many 100-byte records, or one record.
std::string binaryData(bool oneRecord) {
  KeyList list;
  list.BinaryFormat = true;
  list.OptimizeBinaryLengthData = true;
  if (oneRecord) {
    list.AddItem("k", std::string(MiB - 8, 'c'));
  } else {
    while (list.ItemCount() * 106 < static_cast<int32_t>(MiB)) list.AddItem("key", std::string(100, 'c'));
  }
  return list.GetData();
}

// The data cut into pieces of the given size; 0 gives it whole.
std::vector<std::string> piecesOf(const std::string& data, size_t size) {
  if (size == 0) return {data};
  std::vector<std::string> pieces;
  for (size_t at = 0; at < data.size(); at += size) pieces.push_back(data.substr(at, size));
  return pieces;
}

// range(0): 1 for a single record, 0 for many; range(1): piece size, 0 for one piece.
// The pieces are cut beforehand, so only the reader is timed.
void BM_KeyListParse(benchmark::State& state) {
  const std::string data = binaryData(state.range(0) == 1);
  const std::vector<std::string> pieces = piecesOf(data, static_cast<size_t>(state.range(1)));
  for (auto _ : state) {
    KeyList list;
    list.BinaryFormat = true;
    for (const std::string& piece : pieces) list.AddData(piece);
    benchmark::DoNotOptimize(list.ItemCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_KeyListParse)
    ->ArgNames({"single", "piece"})
    ->Args({0, 0})
    ->Args({0, 4})
    ->Args({1, 0})
    ->Args({1, 4})
    ->Unit(benchmark::kMillisecond);

// One record of range(0) bytes in 4-byte pieces: the time must grow with
// the size, not with its square.
void BM_KeyListOneRecordInPieces(benchmark::State& state) {
  KeyList writer;
  writer.BinaryFormat = true;
  writer.OptimizeBinaryLengthData = true;
  writer.AddItem("k", std::string(static_cast<size_t>(state.range(0)), 'c'));
  const std::vector<std::string> pieces = piecesOf(writer.GetData(), 4);
  for (auto _ : state) {
    KeyList list;
    list.BinaryFormat = true;
    for (const std::string& piece : pieces) list.AddData(piece);
    benchmark::DoNotOptimize(list.ItemCount());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_KeyListOneRecordInPieces)
    ->RangeMultiplier(4)
    ->Range(256 << 10, 4 << 20)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace
