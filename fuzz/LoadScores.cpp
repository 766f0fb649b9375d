// The highscore table read from any stored string: reading ends and the
// table stays within its size.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "platform/Alerts.h"
#include "store/HighscoreManager.h"

namespace {

void clearTable() {
  HighscoreManager::ScoreName.clear();
  HighscoreManager::ScoreLevel.clear();
  HighscoreManager::ScoreDate.clear();
  HighscoreManager::ScoreNew.clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::SetMsgBoxHandler([](const std::string&) {});
  clearTable();
  HighscoreManager::LoadScores(std::string(reinterpret_cast<const char*>(data), size));
  const size_t entries = HighscoreManager::ScoreName.size();
  FUZZ_CHECK(entries <= HighscoreManager::MaxEntries);
  FUZZ_CHECK(HighscoreManager::ScoreLevel.size() == entries && HighscoreManager::ScoreDate.size() == entries &&
             HighscoreManager::ScoreNew.size() == entries);
  HighscoreManager::GetScores();
  HighscoreManager::IsAHighscore(7);
  return 0;
}
