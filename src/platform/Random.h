#pragma once

#include <cstdint>
#include <random>

namespace platform {

// A source of uniform random integers. Each object starts from a fresh seed
// taken from the system's generator; the game never sets one. It is also a
// standard random bit generator, so std::shuffle can use it.
class Random {
 public:
  using result_type = uint64_t;

  Random();

  // An integer from low to high, both included; low when high < low.
  int InRange(int low, int high);

  static constexpr result_type min() { return std::mt19937_64::min(); }
  static constexpr result_type max() { return std::mt19937_64::max(); }
  result_type operator()() { return engine(); }

 private:
  std::mt19937_64 engine;
};

}  // namespace platform
