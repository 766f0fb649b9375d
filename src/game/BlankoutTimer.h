#pragma once

#include "platform/Timer.h"

class GameInstance;

// Drives a board's countdown: one tick a second, blanking the board out when
// the count reaches zero.
class BlankoutTimer : public platform::Timer {
 public:
  void Action() override;

  GameInstance* ref = nullptr;
};
