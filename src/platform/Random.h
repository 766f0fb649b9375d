#pragma once

namespace platform {

// Uniform random integers from the system's generator (seeded by the
// platform, not by the game).
class Random {
 public:
  // An integer from low to high, both included; low when high < low.
  int InRange(int low, int high) const;
};

}  // namespace platform
