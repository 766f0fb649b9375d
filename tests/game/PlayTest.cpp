// The countdown, the blankout, answers, pausing, the sounds of play and the
// share prompt.
#include <gtest/gtest.h>

#include <climits>

#include "store/HighscoreManager.h"
#include "support/GamePlay.h"
#include "support/Recorders.h"

namespace {

enum class State { Countdown, Paused, BlankedOut, Lost };

// The board's state read from the fields alone, checking that they agree.
State StateOf(const GameInstance& game) {
  if (game.IsGameOver) {
    EXPECT_TRUE(game.DoingBlankout);
    EXPECT_FALSE(game.tmr);
    return State::Lost;
  }
  if (!game.tmr) {
    EXPECT_EQ(game.CountDown, 0);
    EXPECT_TRUE(game.DoingBlankout);
    return State::BlankedOut;
  }
  EXPECT_FALSE(game.DoingBlankout);
  EXPECT_GE(game.CountDown, 1);
  EXPECT_LE(game.CountDown, 5);
  return game.tmr->Mode() == platform::Timer::Off ? State::Paused : State::Countdown;
}

class PlayTest : public testing::Test {
 protected:
  void SetUp() override { GameManager::ViewRef = nullptr; }

  void PlaySoundless(auto&& step) {
    step();
    recorders.sounds.clear();
  }

  Recorders recorders;
  GameInstance game;
};

PlayedSound Correct{"CorrectSound.mp3", 50};
PlayedSound FlipBoard{"FlipBoard.mp3", 12};

}  // namespace

TEST_F(PlayTest, CountdownTicksThenBlanksOut) {
  FakeCanvas canvas;
  game.ViewRef = &canvas;
  for (int32_t expected = 4; expected >= 1; --expected) {
    game.tmr->Action();
    EXPECT_EQ(game.CountDown, expected);
    EXPECT_EQ(StateOf(game), State::Countdown);
  }
  game.tmr->Action();
  EXPECT_EQ(StateOf(game), State::BlankedOut);
  EXPECT_GE(canvas.refreshes, 5);
  EXPECT_GE(game.BlankoutTargetPiece, 0);
  EXPECT_LT(game.BlankoutTargetPiece, 4);
  EXPECT_TRUE(recorders.sounds.empty()) << "ticks and the blankout are silent";
}

TEST_F(PlayTest, BlankoutMarksEveryCellAlike) {
  game.SkipLevels(3);  // 3 x 3
  std::vector<int> hits(9);
  for (int i = 0; i < 9000; ++i) {
    game.NewBoard(false, false, false);
    game.DoBlankout();
    ++hits.at(static_cast<size_t>(game.BlankoutTargetPiece));
  }
  for (const int h : hits) EXPECT_NEAR(h, 1000, 150);
}

TEST_F(PlayTest, PauseAndResume) {
  game.tmr->Action();
  game.TimerToggle();
  EXPECT_EQ(StateOf(game), State::Paused);
  EXPECT_TRUE(game.IsPaused());
  EXPECT_EQ(game.CountDown, 4);
  game.TimerPause();  // already paused: stays so
  EXPECT_TRUE(game.IsPaused());
  game.TimerToggle();
  EXPECT_EQ(StateOf(game), State::Countdown);
  EXPECT_FALSE(game.IsPaused());
  game.TimerPause();
  EXPECT_EQ(StateOf(game), State::Paused);
}

TEST_F(PlayTest, PausingDoesNothingOnceBlankedOutOrLost) {
  game.DoBlankout();
  for (auto pause : {&GameInstance::TimerToggle, &GameInstance::TimerPause}) {
    (game.*pause)();
    EXPECT_EQ(StateOf(game), State::BlankedOut);
    EXPECT_FALSE(game.IsPaused());
  }

  FakeCanvas canvas;
  GameManager::ViewRef = &canvas;
  game.SkipLevels(1);
  bool dialogShown = false;
  GameManager::ShowHighscoreDialog = [&] { dialogShown = true; };
  Answer(game, false);
  ASSERT_TRUE(dialogShown);
  for (auto pause : {&GameInstance::TimerToggle, &GameInstance::TimerPause}) {
    (game.*pause)();
    EXPECT_EQ(StateOf(game), State::Lost);
    EXPECT_FALSE(game.IsPaused());
  }
}

TEST_F(PlayTest, ResumingFromAnotherScreenReturnsToTheGame) {
  game.TimerPause();
  game.ViewMode = 1;
  game.TimerToggle();
  EXPECT_EQ(game.ViewMode, 0);
  EXPECT_EQ(game.LastViewMode, 1);
  EXPECT_EQ(StateOf(game), State::Countdown);
}

TEST_F(PlayTest, RightAnswerDealsTheNextLevel) {
  Answer(game, true);
  EXPECT_EQ(game.Score, 1);
  EXPECT_EQ(StateOf(game), State::Countdown);
  EXPECT_EQ(game.CountDown, 5);
}

TEST_F(PlayTest, WrongAnswerWithoutViewStartsANewGame) {
  game.SkipLevels(30);
  Answer(game, false);
  EXPECT_EQ(game.Score, 0);
  EXPECT_EQ(game.BoardSize, 2);
  EXPECT_FALSE(game.IsGameOver);
  EXPECT_EQ(StateOf(game), State::Countdown);
}

TEST_F(PlayTest, QualifyingLossWaitsForTheHighscoreDialog) {
  struct Case {
    int32_t score;
    bool withView;
    bool dialog;
  };
  for (const Case c : {Case{0, true, false}, Case{1, false, false}, Case{1, true, true}, Case{9, true, true}}) {
    SCOPED_TRACE(c.score);
    FakeCanvas canvas;
    GameManager::ViewRef = c.withView ? &canvas : nullptr;
    game.NewGame(false);
    game.SkipLevels(c.score);
    int shown = 0;
    GameManager::ShowHighscoreDialog = [&] { ++shown; };
    Answer(game, false);
    EXPECT_EQ(shown, c.dialog ? 1 : 0);
    EXPECT_EQ(StateOf(game), c.dialog ? State::Lost : State::Countdown);
    EXPECT_EQ(game.GameEndDate.has_value(), c.dialog);
    if (c.dialog) {
      EXPECT_EQ(game.Score, c.score);
    }
  }
}

TEST_F(PlayTest, FullTableTurnsAwayALowResult) {
  HighscoreManager::ScoreLevel.assign(20, 10);
  FakeCanvas canvas;
  GameManager::ViewRef = &canvas;
  game.SkipLevels(10);  // level 11, but IsAHighscore is asked with 10
  int shown = 0;
  GameManager::ShowHighscoreDialog = [&] { ++shown; };
  Answer(game, false);
  EXPECT_EQ(shown, 0);
  HighscoreManager::ScoreLevel.clear();
}

TEST_F(PlayTest, AnswerOutsideTheSelectorOnlyBeeps) {
  for (const bool muted : {false, true}) {
    Preferences::SoundMute = muted;
    game.DoBlankout();
    const auto board = game.Shape;
    const int32_t target = game.BlankoutTargetPiece;
    recorders.beeps = 0;
    for (const int32_t index : {-1, 2, 3, 5, 1000, INT_MAX, INT_MIN}) game.ClickSelector(index);
    EXPECT_EQ(recorders.beeps, 7);
    EXPECT_EQ(StateOf(game), State::BlankedOut);
    EXPECT_EQ(game.Shape, board);
    EXPECT_EQ(game.BlankoutTargetPiece, target);
    EXPECT_EQ(game.Score, 0);
    EXPECT_TRUE(recorders.sounds.empty());
    game.NewBoard(false, false, false);
  }
}

TEST_F(PlayTest, SoundsOfPlay) {
  struct Case {
    const char* event;
    int32_t score;
    void (*act)(GameInstance&);
    std::vector<PlayedSound> expected;
  };
  const std::vector<Case> cases = {
      {"right answer that grows the board", 2, [](GameInstance& g) { Answer(g, true); }, {Correct, FlipBoard}},
      {"right answer that brings in a shape", 11, [](GameInstance& g) { Answer(g, true); }, {Correct, FlipBoard}},
      {"plain right answer", 3, [](GameInstance& g) { Answer(g, true); }, {Correct}},
      {"wrong answer", 3, [](GameInstance& g) { Answer(g, false); }, {{"GameOver.mp3", 100}}},
      {"reload", 3, [](GameInstance& g) { g.BoardReload(); }, {{"FlipPiece.mp3", 100}}},
      {"space during the blankout", 3,
       [](GameInstance& g) {
         g.DoBlankout();
         g.NewBoard(false, true, false);
       },
       {}},
      {"pause and resume", 3,
       [](GameInstance& g) {
         g.TimerToggle();
         g.TimerToggle();
       },
       {}},
  };
  for (const bool muted : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.event);
      game.NewGame(false);
      game.SkipLevels(c.score);
      Preferences::SoundMute = muted;
      recorders.sounds.clear();
      c.act(game);
      EXPECT_EQ(recorders.sounds, muted ? std::vector<PlayedSound>{} : c.expected) << (muted ? "muted" : "");
      Preferences::SoundMute = false;
    }
  }
}

TEST_F(PlayTest, MuteIsReadAtTheMomentOfPlaying) {
  Preferences::SoundMute = true;
  Answer(game, true);
  EXPECT_TRUE(recorders.sounds.empty());
  Preferences::SoundMute = false;
  Answer(game, true);
  EXPECT_EQ(recorders.sounds, (std::vector<PlayedSound>{Correct}));
}

TEST_F(PlayTest, ConstructorOnTheAboutScreenReturnsToTheGame) {
  game.ViewMode = 1;
  game.Constructor();
  EXPECT_EQ(game.LastViewMode, 1);
  EXPECT_EQ(game.ViewMode, 0);
}

TEST_F(PlayTest, ReloadWhilePausedRunsANewCountdown) {
  game.SkipLevels(7);
  game.TimerPause();
  game.BoardReload();
  EXPECT_EQ(StateOf(game), State::Countdown);
  EXPECT_EQ(game.Score, 7);
  EXPECT_EQ(game.BoardSize, 4);
}

namespace {

class SharePromptTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    Preferences::LaunchCount = 3;
  }
};

}  // namespace

TEST_F(SharePromptTest, FourthRightAnswerOfTheThirdLaunchAsksOnce) {
  for (int i = 0; i < 3; ++i) Answer(game, true);
  EXPECT_TRUE(recorders.dialogs.empty());
  Answer(game, true);
  ASSERT_EQ(recorders.dialogs.size(), 1u);
  const platform::MessageDialog& d = recorders.dialogs[0];
  EXPECT_EQ(d.Message,
            "Thank you for purchasing Pemola.\n\nPlease take a quick moment to let others know how you like the game.");
  EXPECT_EQ(d.Explanation,
            "You won't see this message again. You can always share later via the Help menu. Thank you!");
  EXPECT_EQ(d.ActionCaption, "Share on Facebook");
  EXPECT_TRUE(d.CancelVisible);
  EXPECT_TRUE(App::DisplayedReviewDialog);
  EXPECT_EQ(game.Score, 4);
  EXPECT_EQ(StateOf(game), State::Paused) << "the new board waits behind the prompt";
  EXPECT_TRUE(recorders.urls.empty()) << "cancel shares nothing";

  game.TimerToggle();
  for (int i = 0; i < 5; ++i) Answer(game, true);
  game.NewGame(false);
  for (int i = 0; i < 5; ++i) Answer(game, true);
  EXPECT_EQ(recorders.dialogs.size(), 1u) << "once per run";
}

TEST_F(SharePromptTest, ShareButtonOpensTheSharePage) {
  recorders.dialogAnswer = platform::MessageDialog::Button::Action;
  for (int i = 0; i < 4; ++i) Answer(game, true);
  EXPECT_EQ(recorders.urls,
            std::vector<std::string>{"https://www.facebook.com/sharer.php?u=http%3A%2F%2Fwww.larkfen.com%2Fpemola%2F"});
}

TEST_F(SharePromptTest, OnlyInTheThirdLaunch) {
  for (const int32_t launches : {0, 1, 2, 4, 100}) {
    Preferences::LaunchCount = launches;
    game.NewGame(false);
    for (int i = 0; i < 6; ++i) Answer(game, true);
  }
  EXPECT_TRUE(recorders.dialogs.empty());
}
