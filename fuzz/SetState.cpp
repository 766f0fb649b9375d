// A game given any state text: it ends up playable, and a state it accepted
// reads back the same from its own state text.
#include <QCoreApplication>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "game/GameInstance.h"
#include "platform/Alerts.h"
#include "platform/Sound.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // The game's countdown timer needs an event loop's thread.
  static QCoreApplication app(*argc, *argv);
  platform::SetMsgBoxHandler([](const std::string&) {});
  platform::Sound::SetPlayObserver([](const platform::Sound&) {});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static GameInstance game;
  game.SetState(std::string(reinterpret_cast<const char*>(data), size));
  FUZZ_CHECK(game.BoardSize >= 2 && game.BoardSize <= 1000);
  FUZZ_CHECK(game.AllowedShapes.size() >= 2);
  FUZZ_CHECK(game.Shape.size() == static_cast<size_t>(game.BoardSize) * static_cast<size_t>(game.BoardSize));

  const auto shape = game.Shape;
  const auto allowed = game.AllowedShapes;
  const auto disabled = game.DisabledShapes;
  const int32_t boardSize = game.BoardSize;
  const int32_t score = game.Score;
  game.SetState(game.GetState());
  FUZZ_CHECK(game.Shape == shape && game.AllowedShapes == allowed && game.DisabledShapes == disabled);
  FUZZ_CHECK(game.BoardSize == boardSize && game.Score == score && game.CountDown == 5);
  return 0;
}
