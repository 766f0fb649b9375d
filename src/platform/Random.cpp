#include "platform/Random.h"

#include <QRandomGenerator>

namespace platform {

Random::Random() : engine(QRandomGenerator::global()->generate64()) {}

int Random::InRange(int low, int high) {
  if (high <= low) return low;
  std::uniform_int_distribution<int> pick(low, high);
  return pick(engine);
}

}  // namespace platform
