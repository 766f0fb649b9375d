#pragma once

// Small moves on a game that tests share.
#include <algorithm>
#include <cstdint>

#include "game/BlankoutTimer.h"
#include "game/GameInstance.h"

// Runs the countdown to its end through the timer's own ticks.
inline void RunCountdown(GameInstance& game) {
  while (game.tmr) game.tmr->Action();
}

// The selector position of the shape under the marked cell, or of another
// shape when wrong is asked for.
inline int32_t AnswerIndex(const GameInstance& game, bool right) {
  const int32_t truth = game.Shape.at(static_cast<size_t>(game.BlankoutTargetPiece));
  const auto& shapes = game.AllowedShapes;
  const auto it = std::find_if(shapes.begin(), shapes.end(), [&](int32_t s) { return (s == truth) == right; });
  return static_cast<int32_t>(it - shapes.begin());
}

inline void Answer(GameInstance& game, bool right) {
  if (!game.DoingBlankout) game.DoBlankout();
  game.ClickSelector(AnswerIndex(game, right));
}
