#include "store/HighscoreManager.h"

namespace HighscoreManager {

bool IsAHighscore(int32_t value) {
  if (ScoreLevel.size() < MaxEntries) return true;
  return ScoreLevel.front() < value;
}

}  // namespace HighscoreManager
