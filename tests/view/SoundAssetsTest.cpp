#include "view/SoundAssets.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Sound.h"
#include "store/Preferences.h"
#include "support/ResourcesFolderScope.h"

namespace {

struct Play {
  std::string path;
  int volume;
};

class SoundAssetsTest : public testing::Test {
 protected:
  void SetUp() override {
    platform::Sound::SetPlayObserver([this](const platform::Sound& s) { plays.push_back({s.Path(), s.Volume()}); });
  }
  void TearDown() override {
    platform::Sound::SetPlayObserver(nullptr);
    Preferences::SoundMute = false;
  }

  ResourcesFolderScope scope{PEMOLA_SOURCE_RESOURCES};
  std::vector<Play> plays;
};

}  // namespace

TEST_F(SoundAssetsTest, MuteIsReadAtTheMomentOfPlaying) {
  platform::Sound* correct = SoundAssets::CorrectSound();
  ASSERT_NE(correct, nullptr);
  correct->SetVolume(100);
  struct Case {
    bool mute;
    int volume;
    bool played;
    int heardAt;
  };
  const Case cases[] = {
      {true, 50, false, 100},  // muted: not played, volume left alone
      {false, 50, true, 50},
      {false, -1, true, 50},   // no volume given: the last one stays
      {true, 12, false, 50},
      {false, 12, true, 12},
  };
  for (const Case& c : cases) {
    plays.clear();
    Preferences::SoundMute = c.mute;
    SoundAssets::PlayUnlessMuted(correct, c.volume);
    EXPECT_EQ(plays.size(), c.played ? 1u : 0u) << c.mute << " " << c.volume;
    EXPECT_EQ(correct->Volume(), c.heardAt);
    if (c.played && !plays.empty()) {
      EXPECT_EQ(plays[0].volume, c.heardAt);
    }
  }
}

TEST_F(SoundAssetsTest, MissingSoundPlaysNothing) {
  SoundAssets::PlayUnlessMuted(nullptr, 50);
  EXPECT_TRUE(plays.empty());
}

TEST_F(SoundAssetsTest, PreloadLoadsAllFourAndKeepsTheirVolumes) {
  SoundAssets::Preload();
  platform::Sound* const sounds[] = {SoundAssets::FlipPiece(), SoundAssets::CorrectSound(),
                                     SoundAssets::FlipBoard(), SoundAssets::GameOver()};
  for (platform::Sound* s : sounds) ASSERT_NE(s, nullptr);
  sounds[2]->SetVolume(12);
  SoundAssets::Preload();
  EXPECT_EQ(sounds[2]->Volume(), 12);
  EXPECT_EQ(sounds[0]->Volume(), 100);
  EXPECT_EQ(SoundAssets::FlipBoard(), sounds[2]);  // the same shared sound
  EXPECT_TRUE(plays.empty());
}
