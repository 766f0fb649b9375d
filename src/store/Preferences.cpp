#include "store/Preferences.h"

#include <limits>

#include "app/WindowManager.h"
#include "platform/Files.h"
#include "store/HighscoreManager.h"
#include "store/KeyList.h"

namespace Preferences {
namespace {

Variant LoadItem(KeyList& list, const std::string& key, const Variant& defaultValue);

// The child folder `name` of folder, made when create is set; nothing when
// it is not a folder afterwards.
std::optional<std::string> childFolder(const std::string& folder, const std::string& name, bool create) {
  const std::string path = folder + "/" + name;
  if (!platform::IsFolder(path) && create) platform::CreateFolder(path);
  if (!platform::IsFolder(path)) return std::nullopt;
  return path;
}

std::string readFile() {
  const std::optional<std::string> file = GetPrefFile(false);
  if (!file || !platform::ItemExists(*file)) return {};
  return platform::ReadWholeFile(*file).value_or(std::string());
}

int32_t oneMore(int32_t count) {
  return count < std::numeric_limits<int32_t>::max() ? count + 1 : count;
}

}  // namespace

void Load() {
  KeyList list;
  list.BinaryFormat = true;
  const std::string bytes = readFile();
  if (!bytes.empty()) list.AddData(bytes);
  LaunchCount = oneMore(LoadItem(list, "LaunchCount", 0).IntegerValue());
  Fullscreen = LoadItem(list, "Fullscreen", true).BooleanValue();
  KeyboardHint = LoadItem(list, "KeyboardHint", 0).IntegerValue();
  UserName = LoadItem(list, "UserName", "").StringValue();
  SoundMute = LoadItem(list, "SoundMute", "").BooleanValue();
  GameData = LoadItem(list, "GameData", "").StringValue();
  WindowManager::WindowBoundsFromString(LoadItem(list, "WindowBounds", "").StringValue());
  HighscoreManager::LoadScores(LoadItem(list, "Scores", "").StringValue());
}

void Save() {
  KeyList list;
  list.BinaryFormat = true;
  list.OptimizeBinaryLengthData = true;
  list.AddItem("LaunchCount", LaunchCount);
  list.AddItem("Fullscreen", Fullscreen);
  list.AddItem("KeyboardHint", KeyboardHint);
  list.AddItem("UserName", UserName);
  list.AddItem("SoundMute", SoundMute);
  list.AddItem("GameData", GameData);
  list.AddItem("WindowBounds", WindowManager::WindowBoundsString());
  list.AddItem("Scores", HighscoreManager::GetScores());
  const std::optional<std::string> file = GetPrefFile(true);
  if (file) platform::WriteFileAtomically(*file, list.GetData());
}

std::optional<std::string> GetPrefFile(bool create) {
  const std::string library = platform::LibraryFolder();
  if (library.empty()) return std::nullopt;
  // Unlike a Mac's Library folder, ~/.local/share may not exist yet.
  if (create && !platform::IsFolder(library)) platform::CreateFolder(library);
  const auto support = childFolder(library, "Application Support", create);
  if (!support) return std::nullopt;
  const auto own = childFolder(*support, "com.larkfen.pemola", create);
  if (!own) return std::nullopt;
  return *own + "/preferences";
}

namespace {

// A record that has only begun to arrive counts as present but holds no
// content yet; it takes the default like a missing one.
Variant LoadItem(KeyList& list, const std::string& key, const Variant& defaultValue) {
  if (!list.HasItem(key)) return defaultValue;
  bool found = false;
  const std::string content = list.GetItem(key, found);
  return found ? Variant(content) : defaultValue;
}

}  // namespace

}  // namespace Preferences
