#pragma once

#include <memory>

#include "platform/AudioDecoding.h"

namespace platform {

// The one sound output of the program. Every sound started mixes into it,
// so sounds overlap. The output device is opened, fed and closed on a
// thread of its own: Start only queues the sound and returns. Without an
// audio device nothing is heard and nothing is reported.
class AudioOutput {
 public:
  static AudioOutput& Instance();

  // gain: 0 (silent) to 1 (as recorded), applied to the samples.
  void Start(std::shared_ptr<const AudioSamples> samples, float gain);

 private:
  AudioOutput();
  ~AudioOutput();
  static void Shutdown();

  struct Engine;
  std::unique_ptr<Engine> engine;
};

}  // namespace platform
