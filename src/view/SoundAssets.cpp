#include "view/SoundAssets.h"

#include <memory>
#include <string>

#include "platform/Resources.h"
#include "platform/Sound.h"
#include "store/Preferences.h"

namespace SoundAssets {
namespace {

// A sound file is tried once; whatever that gave stays for the run.
class CachedSound {
 public:
  explicit CachedSound(const char* fileName) : file(fileName) {}

  platform::Sound* get() {
    if (!tried) {
      tried = true;
      const std::string folder = platform::ResourcesFolder();
      if (!folder.empty()) sound = platform::Sound::Open(folder + "/" + file);
    }
    return sound.get();
  }

 private:
  const char* file;
  bool tried = false;
  std::unique_ptr<platform::Sound> sound;
};

}  // namespace

platform::Sound* FlipPiece() {
  static CachedSound cached("FlipPiece.mp3");
  return cached.get();
}

platform::Sound* CorrectSound() {
  static CachedSound cached("CorrectSound.mp3");
  return cached.get();
}

platform::Sound* FlipBoard() {
  static CachedSound cached("FlipBoard.mp3");
  return cached.get();
}

platform::Sound* GameOver() {
  static CachedSound cached("GameOver.mp3");
  return cached.get();
}

void PlayUnlessMuted(platform::Sound* sound, int volume) {
  if (Preferences::SoundMute || !sound) return;
  if (volume >= 0) sound->SetVolume(volume);
  sound->Play();
}

}  // namespace SoundAssets
