// Preferences::Load from a preferences file holding any bytes. The file lies
// in a temporary library folder, never in the user's own.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzSupport.h"
#include "app/WindowManager.h"
#include "platform/Alerts.h"
#include "store/HighscoreManager.h"
#include "store/Preferences.h"

namespace {

std::string home;
std::string prefFile;

void removeHome() { std::filesystem::remove_all(home); }

void clearTables() {
  HighscoreManager::ScoreName.clear();
  HighscoreManager::ScoreLevel.clear();
  HighscoreManager::ScoreDate.clear();
  HighscoreManager::ScoreNew.clear();
  WindowManager::sKey.clear();
  WindowManager::iLeft.clear();
  WindowManager::iTop.clear();
  WindowManager::iWidth.clear();
  WindowManager::iHeight.clear();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char folder[] = "/tmp/pemola-fuzz-XXXXXX";
  if (!mkdtemp(folder)) std::abort();
  home = folder;
  std::atexit(removeHome);
  setenv("HOME", folder, 1);
  setenv("XDG_DATA_HOME", (home + "/share").c_str(), 1);
  platform::SetMsgBoxHandler([](const std::string&) {});
  const auto file = Preferences::GetPrefFile(true);
  if (!file) std::abort();
  prefFile = *file;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    std::ofstream file(prefFile, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    FUZZ_CHECK(file.good());
  }
  clearTables();
  Preferences::Load();
  FUZZ_CHECK(HighscoreManager::ScoreName.size() <= HighscoreManager::MaxEntries);
  return 0;
}
