#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The settings that outlive a run, read and written directly by the rest of
// the program, and the preferences file they are kept in.
namespace Preferences {

inline int32_t LaunchCount = 0;
inline bool Fullscreen = true;
inline int32_t KeyboardHint = 0;
inline std::string UserName;
inline bool SoundMute = false;
inline std::string GameData;

// Reads the preferences file into the variables above; also hands the stored
// window bounds and highscores on to their modules.
void Load();
// Rewrites the whole preferences file from the variables above.
void Save();
// Where the preferences file lies, or nothing when its folders are missing;
// with create, the missing folders are made first.
std::optional<std::string> GetPrefFile(bool create);

}  // namespace Preferences
