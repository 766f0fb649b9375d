#include "view/SoundAssets.h"

#include <array>
#include <memory>
#include <string>

#include "platform/Resources.h"
#include "platform/Sound.h"
#include "store/Preferences.h"

namespace SoundAssets {
namespace {

// A sound file is tried once; whatever that gave stays for the run.
struct CachedSound {
  const char* file;
  bool tried = false;
  std::unique_ptr<platform::Sound> sound;

  platform::Sound* get() {
    if (!tried) {
      tried = true;
      const std::string folder = platform::ResourcesFolder();
      if (!folder.empty()) sound = platform::Sound::Open(folder + "/" + file);
    }
    return sound.get();
  }
};

std::array<CachedSound, 4>& Cached() {
  static std::array<CachedSound, 4> sounds = {
      CachedSound{"FlipPiece.mp3", false, nullptr}, CachedSound{"CorrectSound.mp3", false, nullptr},
      CachedSound{"FlipBoard.mp3", false, nullptr}, CachedSound{"GameOver.mp3", false, nullptr}};
  return sounds;
}

}  // namespace

platform::Sound* FlipPiece() { return Cached()[0].get(); }

platform::Sound* CorrectSound() { return Cached()[1].get(); }

platform::Sound* FlipBoard() { return Cached()[2].get(); }

platform::Sound* GameOver() { return Cached()[3].get(); }

void PlayUnlessMuted(platform::Sound* sound, int volume) {
  if (Preferences::SoundMute || !sound) return;
  if (volume >= 0) sound->SetVolume(volume);
  sound->Play();
}

void Preload() {
  for (platform::Sound* sound : {CorrectSound(), FlipPiece(), GameOver(), FlipBoard()}) {
    if (sound) sound->SetVolume(sound->Volume());
  }
}

void Forget() {
  for (CachedSound& cached : Cached()) {
    cached.tried = false;
    cached.sound.reset();
  }
}

}  // namespace SoundAssets
