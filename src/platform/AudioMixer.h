#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/AudioDecoding.h"

namespace platform {

// The sounds that are playing, summed into the output as the device asks
// for it. Sounds are added from the event thread and mixed on the audio
// thread; the lock is held only to add or to mix one buffer.
class AudioMixer {
 public:
  // gain: 0 to 1, applied to every sample of the sound.
  // Past kMaxVoices the sound playing longest gives way.
  void Add(std::shared_ptr<const AudioSamples> samples, float gain);
  void Clear();
  // Fills count samples (whole frames) with the sum of every sound at its
  // gain, cut to the 16-bit range, and silence where none plays. Sounds
  // that reach their end drop out.
  void Mix(int16_t* out, size_t count);
  bool Idle() const;

 static constexpr size_t kMaxVoices = 16;

 private:
  struct Voice {
    std::shared_ptr<const AudioSamples> samples;
    size_t position = 0;
    float gain = 1;
  };

  mutable std::mutex mutex;
  std::vector<Voice> voices;
  std::vector<float> sum;
};

}  // namespace platform
