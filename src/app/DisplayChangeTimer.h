#pragma once

#include "platform/Timer.h"

// Watches the screens: after a change every window is kept on a screen and
// the fullscreen window is fitted to its screen again.
class DisplayChangeTimer : public platform::Timer {
 public:
  void Action() override;
};
