#pragma once

#include <functional>
#include <memory>
#include <string>

namespace platform {

// A sound loaded from a file, with a volume from 0 to 100 that stays set
// between plays. Play starts playback and returns at once.
class Sound {
 public:
  // The sound in the file at path, or nothing when it cannot be read.
  static std::unique_ptr<Sound> Open(const std::string& path);
  ~Sound();

  void Play();
  int Volume() const { return volume; }
  void SetVolume(int value);
  const std::string& Path() const { return path; }

  // Tests see every play (the sound and its volume at that moment) and
  // silence the real output; an empty observer restores it.
  static void SetPlayObserver(std::function<void(const Sound&)> observer);

 private:
  explicit Sound(std::string path);

  std::string path;
  int volume = 100;
};

}  // namespace platform
