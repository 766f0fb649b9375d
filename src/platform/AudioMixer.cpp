#include "platform/AudioMixer.h"

#include <algorithm>
#include <cmath>

namespace platform {

void AudioMixer::Add(std::shared_ptr<const AudioSamples> samples, float gain) {
  if (!samples || samples->empty() || !(gain > 0)) return;
  const std::lock_guard lock(mutex);
  if (voices.size() >= kMaxVoices) voices.erase(voices.begin());
  voices.push_back({std::move(samples), 0, std::min(gain, 1.0f)});
}

void AudioMixer::Clear() {
  const std::lock_guard lock(mutex);
  voices.clear();
}

void AudioMixer::Mix(int16_t* out, size_t count) {
  sum.assign(count, 0.0f);
  {
    const std::lock_guard lock(mutex);
    for (Voice& v : voices) {
      const size_t n = std::min(count, v.samples->size() - v.position);
      const int16_t* from = v.samples->data() + v.position;
      for (size_t i = 0; i < n; ++i) sum[i] += from[i] * v.gain;
      v.position += n;
    }
    std::erase_if(voices, [](const Voice& v) { return v.position >= v.samples->size(); });
  }
  for (size_t i = 0; i < count; ++i) {
    out[i] = static_cast<int16_t>(std::lround(std::clamp(sum[i], -32768.0f, 32767.0f)));
  }
}

bool AudioMixer::Idle() const {
  const std::lock_guard lock(mutex);
  return voices.empty();
}

}  // namespace platform
