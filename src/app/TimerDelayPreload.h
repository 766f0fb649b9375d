#pragma once

#include "platform/Timer.h"

// Loads the four sounds shortly after launch, so that none waits for its
// file when it is first played.
class TimerDelayPreload : public platform::Timer {
 public:
  void Action() override;
};
