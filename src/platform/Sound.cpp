#include "platform/Sound.h"

#include <algorithm>

#include "platform/AudioOutput.h"

namespace platform {
namespace {

std::function<void(const Sound&)>& observer() {
  static std::function<void(const Sound&)> fn;
  return fn;
}

}  // namespace

std::unique_ptr<Sound> Sound::Open(const std::string& path) {
  auto samples = DecodeAudioFile(path);
  if (!samples) return nullptr;
  AudioOutput::Instance();  // its thread starts now rather than at the first play
  return std::unique_ptr<Sound>(new Sound(path, std::move(samples)));
}

Sound::Sound(std::string p, std::shared_ptr<const AudioSamples> s)
    : path(std::move(p)), samples(std::move(s)) {}

Sound::~Sound() = default;

void Sound::Play() {
  if (observer()) {
    observer()(*this);
    return;
  }
  AudioOutput::Instance().Start(samples, volume / 100.0f);
}

void Sound::SetVolume(int value) { volume = std::clamp(value, 0, 100); }

double Sound::Duration() const {
  return static_cast<double>(samples->size()) / (kAudioRate * kAudioChannels);
}

void Sound::SetPlayObserver(std::function<void(const Sound&)> fn) { observer() = std::move(fn); }

}  // namespace platform
