#include "platform/AudioMixer.h"

#include <gtest/gtest.h>

using platform::AudioMixer;
using platform::AudioSamples;

namespace {

std::shared_ptr<const AudioSamples> Samples(std::vector<int16_t> values) {
  return std::make_shared<const AudioSamples>(std::move(values));
}

std::vector<int16_t> Mixed(AudioMixer& mixer, size_t count) {
  std::vector<int16_t> out(count, 1234);
  mixer.Mix(out.data(), count);
  return out;
}

}  // namespace

TEST(AudioMixerTest, SoundsStartedTogetherAreHeardTogether) {
  AudioMixer mixer;
  mixer.Add(Samples({1000, 1000, -2000, -2000}), 0.5f);
  mixer.Add(Samples({100, 200, 300, 400, 500, 600}), 1.0f);
  EXPECT_EQ(Mixed(mixer, 4), (std::vector<int16_t>{600, 700, -700, -600}));
  // The first has ended; the second goes on where it was, then silence.
  EXPECT_FALSE(mixer.Idle());
  EXPECT_EQ(Mixed(mixer, 4), (std::vector<int16_t>{500, 600, 0, 0}));
  EXPECT_TRUE(mixer.Idle());
  EXPECT_EQ(Mixed(mixer, 2), (std::vector<int16_t>{0, 0}));
}

TEST(AudioMixerTest, SumIsCutToTheSixteenBitRange) {
  AudioMixer mixer;
  mixer.Add(Samples({30000, -30000}), 1.0f);
  mixer.Add(Samples({30000, -30000}), 1.0f);
  EXPECT_EQ(Mixed(mixer, 2), (std::vector<int16_t>{32767, -32768}));
}

TEST(AudioMixerTest, GainScalesAndSilentSoundsAreNotKept) {
  struct Case {
    float gain;
    int16_t heard;
  };
  const Case cases[] = {{1.0f, 10000}, {0.5f, 5000}, {0.12f, 1200}, {2.0f, 10000}, {0.0f, 0}, {-1.0f, 0}};
  for (const Case& c : cases) {
    AudioMixer mixer;
    mixer.Add(Samples({10000, 10000}), c.gain);
    EXPECT_EQ(mixer.Idle(), c.heard == 0) << c.gain;
    EXPECT_EQ(Mixed(mixer, 2), (std::vector<int16_t>{c.heard, c.heard})) << c.gain;
  }
  AudioMixer mixer;
  mixer.Add(nullptr, 1.0f);
  mixer.Add(Samples({}), 1.0f);
  EXPECT_TRUE(mixer.Idle());
}

TEST(AudioMixerTest, TooManySoundsDropTheOldest) {
  AudioMixer mixer;
  mixer.Add(Samples({1, 1}), 1.0f);
  for (size_t i = 1; i < AudioMixer::kMaxVoices; ++i) mixer.Add(Samples({10, 10}), 1.0f);
  mixer.Add(Samples({100, 100}), 1.0f);
  const int16_t expected = 10 * (AudioMixer::kMaxVoices - 1) + 100;
  EXPECT_EQ(Mixed(mixer, 2), (std::vector<int16_t>{expected, expected}));
  mixer.Add(Samples({5, 5}), 1.0f);
  mixer.Clear();
  EXPECT_TRUE(mixer.Idle());
}
