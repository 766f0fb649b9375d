#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Every sound is kept and played as interleaved 16-bit stereo at 44.1 kHz.
constexpr int kAudioRate = 44100;
constexpr int kAudioChannels = 2;

using AudioSamples = std::vector<int16_t>;

// The samples of the audio file at path, or nothing when it cannot be read
// or decoded. Decoding runs on a thread of its own and this waits for it,
// so the caller's event loop is not re-entered.
std::shared_ptr<const AudioSamples> DecodeAudioFile(const std::string& path);

}  // namespace platform
