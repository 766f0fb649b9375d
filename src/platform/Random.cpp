#include "platform/Random.h"

#include <QRandomGenerator>

namespace platform {

int Random::InRange(int low, int high) const {
  if (high <= low) return low;
  return static_cast<int>(QRandomGenerator::global()->bounded(qint64(low), qint64(high) + 1));
}

}  // namespace platform
