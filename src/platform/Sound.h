#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/AudioDecoding.h"

namespace platform {

// A sound loaded from a file, with a volume from 0 to 100 that stays set
// between plays. The file is decoded when it is opened, so Play only hands
// the samples to the output and returns at once; a sound played again
// while it still plays overlaps itself.
class Sound {
 public:
  // The sound in the file at path, or nothing when it cannot be decoded.
  static std::unique_ptr<Sound> Open(const std::string& path);
  ~Sound();

  void Play();
  int Volume() const { return volume; }
  void SetVolume(int value);
  const std::string& Path() const { return path; }
  // Seconds of sound.
  double Duration() const;

  // Tests see every play (the sound and its volume at that moment) and
  // silence the real output; an empty observer restores it.
  static void SetPlayObserver(std::function<void(const Sound&)> observer);

 private:
  Sound(std::string path, std::shared_ptr<const AudioSamples> samples);

  std::string path;
  std::shared_ptr<const AudioSamples> samples;
  int volume = 100;
};

}  // namespace platform
