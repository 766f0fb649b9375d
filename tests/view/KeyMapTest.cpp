// The key map, row by row, on each screen and in each board state.
#include <gtest/gtest.h>

#include "support/GamePlay.h"
#include "support/Recorders.h"
#include "view/KeyMap.h"

namespace {

enum class Start { Countdown, Paused, BlankedOut, About, Highscore };

struct Outcome {
  int32_t viewMode;
  bool paused;
  bool blankedOut;
  int32_t score = 0;
  int32_t keyboardHint = 0;
  int beeps = 0;
  int fullscreenToggles = 0;
};

struct Case {
  const char* key;
  Start setup;
  Outcome expected;
  bool fullscreen = true;
};

const char* StartName(Start s) {
  static const char* const names[] = {"countdown", "paused", "blanked out", "about", "highscore"};
  return names[static_cast<int>(s)];
}

class KeyMapTest : public testing::TestWithParam<Case> {
 protected:
  void Prepare(Start setup) {
    game.tmr->Action();  // the countdown is under way
    switch (setup) {
      case Start::Countdown:
        break;
      case Start::Paused:
        game.TimerToggle();
        break;
      case Start::BlankedOut:
        game.DoBlankout();
        // Make the second selector slot the right answer.
        game.Shape[static_cast<size_t>(game.BlankoutTargetPiece)] = game.AllowedShapes[1];
        break;
      case Start::About:
        game.ToggleAbout();
        break;
      case Start::Highscore:
        game.ToggleHighscore();
        break;
    }
  }

  Recorders recorders;
  GameInstance game;
};

}  // namespace

TEST_P(KeyMapTest, KeyActsByState) {
  const Case& c = GetParam();
  Preferences::Fullscreen = c.fullscreen;
  Prepare(c.setup);
  KeyMap::KeyDown(game, c.key);
  const int fullscreenToggles = Preferences::Fullscreen != c.fullscreen ? 1 : 0;

  const Outcome& want = c.expected;
  EXPECT_EQ(game.ViewMode, want.viewMode);
  EXPECT_EQ(game.IsPaused(), want.paused);
  EXPECT_EQ(game.DoingBlankout, want.blankedOut);
  EXPECT_EQ(game.Score, want.score);
  EXPECT_EQ(Preferences::KeyboardHint, want.keyboardHint);
  EXPECT_EQ(recorders.beeps, want.beeps);
  EXPECT_EQ(fullscreenToggles, want.fullscreenToggles);
}

const std::string Escape(1, KeyMap::Escape);

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyMapTest,
    testing::Values(
        // "p" pauses and resumes, in either case, from any screen.
        Case{"p", Start::Countdown, {0, true, false}}, Case{"P", Start::Countdown, {0, true, false}},
        Case{"p", Start::Paused, {0, false, false}}, Case{"p", Start::About, {0, false, false}},
        Case{"p", Start::Highscore, {0, false, false}},
        // "h" and "i" open, leave and switch between the screens; opening pauses.
        Case{"h", Start::Countdown, {2, true, false}}, Case{"H", Start::Highscore, {0, true, false}},
        Case{"i", Start::Countdown, {1, true, false}}, Case{"I", Start::About, {0, true, false}},
        Case{"h", Start::About, {2, true, false}}, Case{"i", Start::Highscore, {1, true, false}},
        Case{"h", Start::BlankedOut, {2, false, true}},
        // Any other key leaves a screen, or resumes a paused game.
        Case{"x", Start::About, {0, true, false}}, Case{"\xc3\xa9", Start::About, {0, true, false}},
        Case{" ", Start::Highscore, {0, true, false}}, Case{"x", Start::Paused, {0, false, false}},
        Case{"r", Start::Paused, {0, false, false}}, Case{"1", Start::Paused, {0, false, false}},
        // Escape toggles fullscreen only from the fullscreen game screen.
        Case{Escape.c_str(), Start::Countdown, {0, false, false, 0, 0, 0, 1}},
        Case{Escape.c_str(), Start::Countdown, {0, false, false, 0, 0, 0, 0}, false},
        Case{Escape.c_str(), Start::About, {0, true, false, 0, 0, 0, 0}},
        // Digits answer during the blankout only, counting towards the hint.
        Case{"2", Start::BlankedOut, {0, false, false, 1, 1}}, Case{"5", Start::BlankedOut, {0, false, true, 0, 1, 1}},
        Case{"1", Start::Countdown, {0, false, false}},
        // Space cuts the countdown short, or deals another board.
        Case{" ", Start::Countdown, {0, false, true}}, Case{" ", Start::BlankedOut, {0, false, false}},
        Case{"r", Start::Countdown, {0, false, false}}, Case{"q", Start::Countdown, {0, false, false}},
        Case{"", Start::About, {1, true, false}}),
    [](const testing::TestParamInfo<Case>& info) {
      std::string name = std::to_string(info.index) + "_" + StartName(info.param.setup);
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(KeyMapSoundTest, SpaceDuringTheBlankoutIsSilentAndReloadFlips) {
  Recorders recorders;
  GameInstance game;
  game.DoBlankout();
  KeyMap::KeyDown(game, " ");
  EXPECT_TRUE(recorders.sounds.empty());
  EXPECT_EQ(game.CountDown, 5);
  KeyMap::KeyDown(game, "R");
  EXPECT_EQ(recorders.sounds, (std::vector<PlayedSound>{{"FlipPiece.mp3", 100}}));
}

TEST(KeyMapSoundTest, TwoDigitAnswersRaiseTheHintTwice) {
  Recorders recorders;
  GameInstance game;
  for (int i = 0; i < 2; ++i) {
    game.DoBlankout();
    game.Shape[static_cast<size_t>(game.BlankoutTargetPiece)] = game.AllowedShapes[0];
    KeyMap::KeyDown(game, "1");
  }
  EXPECT_EQ(Preferences::KeyboardHint, 2);
  EXPECT_EQ(game.Score, 2);
}
