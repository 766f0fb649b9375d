// Presses on the header buttons and the selector row, and their tracking.
#include <gtest/gtest.h>

#include "support/GamePlay.h"
#include "support/Recorders.h"

namespace {

// The layout of a 600 x 400 view whose text is 18 high at size 15.
class PointerTest : public testing::Test {
 protected:
  PointerTest() {
    GameManager::ViewRef = &canvas;
    game.NewGame(false);
    game.HeaderHeight = 22;
    game.SelectorX = 161;
    game.SelectorY = 300;
    game.SelectorMaxX = 439;
    game.ButtonHelpX = 20;
    game.ButtonHighscoreX = 41;
    game.ButtonReloadX = 530;
    game.ButtonNewX = 552;
  }

  Recorders recorders;
  FakeCanvas canvas;
  GameInstance game;
};

}  // namespace

TEST_F(PointerTest, HitTestColumnsAtTheButtonEdges) {
  struct Case {
    int x, y;
    int32_t button;
  };
  const Case cases[] = {
      {553, 0, HeaderButton::New},        {599, 21, HeaderButton::New},   {552, 0, HeaderButton::Reload},
      {531, 10, HeaderButton::Reload},    {530, 10, HeaderButton::None},  {300, 10, HeaderButton::None},
      {41, 10, HeaderButton::None},       {40, 10, HeaderButton::Highscore}, {20, 10, HeaderButton::Highscore},
      {19, 10, HeaderButton::Help},       {0, 0, HeaderButton::Help},     {553, 22, HeaderButton::None},
      {553, -300, HeaderButton::New},     {5, -1, HeaderButton::Help},
  };
  for (const Case& c : cases) EXPECT_EQ(game.MouseInButton(c.x, c.y), c.button) << c.x << "," << c.y;
}

TEST_F(PointerTest, SelectorPressesAnswerTheirSlot) {
  struct Case {
    int x, y;
    int slot;  // -1: no answer
  };
  const Case cases[] = {{161, 300, 0}, {299, 399, 0}, {300, 300, 1}, {438, 350, 1},
                        {439, 350, -1}, {160, 350, -1}, {200, 299, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    game.NewGame(false);
    game.SkipLevels(5);
    game.DoBlankout();
    game.Shape[static_cast<size_t>(game.BlankoutTargetPiece)] = game.AllowedShapes[0];
    EXPECT_FALSE(game.CallMouseDown(c.x, c.y));
    const int32_t expectedScore = c.slot == 0 ? 6 : c.slot == 1 ? 0 : 5;
    EXPECT_EQ(game.Score, expectedScore);
    EXPECT_EQ(game.DoingBlankout, c.slot == -1);
  }
}

TEST_F(PointerTest, PressesOutsideTheBlankoutOrOnTheBoardDoNothing) {
  const auto board = game.Shape;
  EXPECT_FALSE(game.CallMouseDown(200, 350));  // selector, countdown
  EXPECT_FALSE(game.CallMouseDown(300, 150));  // board
  game.DoBlankout();
  EXPECT_FALSE(game.CallMouseDown(300, 150));
  EXPECT_TRUE(game.DoingBlankout);
  EXPECT_EQ(game.Shape, board);
  EXPECT_EQ(recorders.beeps, 0);
}

TEST_F(PointerTest, NewButtonActsOnlyWhenReleasedOnIt) {
  struct Case {
    std::vector<std::pair<int, int>> drags;
    int upX, upY;
    bool newGame;
  };
  const Case cases[] = {
      {{}, 560, 10, true},
      {{{300, 10}}, 300, 10, false},           // drag off, release off
      {{{300, 10}, {570, 5}}, 570, 5, true},   // drag back before release
      {{{560, 200}}, 560, 10, true},           // below the bar and back up
      {{{560, 200}}, 560, 200, false},         // released below the bar
      {{}, 540, 10, false},                    // released on Reload
  };
  for (const Case& c : cases) {
    game.NewGame(false);
    game.SkipLevels(3);
    recorders.sounds.clear();
    ASSERT_TRUE(game.CallMouseDown(560, 10));
    EXPECT_EQ(game.iButtonDown, HeaderButton::New);
    for (const auto& [x, y] : c.drags) game.CallMouseDrag(x, y);
    game.CallMouseUp(c.upX, c.upY);
    EXPECT_EQ(game.Score, c.newGame ? 0 : 3);
    EXPECT_EQ(recorders.sounds.size(), c.newGame ? 1u : 0u);
    EXPECT_EQ(game.iButtonDown, HeaderButton::None);
  }
}

TEST_F(PointerTest, PressedLookFollowsThePointer) {
  ASSERT_TRUE(game.CallMouseDown(30, 10));
  EXPECT_EQ(game.iMouseInButton, HeaderButton::Highscore);
  EXPECT_EQ(game.iButtonDown, HeaderButton::Highscore);
  EXPECT_EQ(canvas.rectRefreshes, 1);
  EXPECT_EQ(canvas.updates, 1);
  game.CallMouseDrag(35, 12);  // still on it: no repaint
  EXPECT_EQ(canvas.rectRefreshes, 1);
  game.CallMouseDrag(300, 12);
  EXPECT_EQ(game.iButtonDown, HeaderButton::None);
  game.CallMouseDrag(400, 12);
  EXPECT_EQ(canvas.rectRefreshes, 2);
  game.CallMouseDrag(30, -40);  // above the view still counts
  EXPECT_EQ(game.iButtonDown, HeaderButton::Highscore);
  EXPECT_EQ(canvas.rectRefreshes, 3);
  game.CallMouseUp(30, -40);
  EXPECT_EQ(game.ViewMode, ViewModes::Highscore);
  EXPECT_EQ(game.iMouseInButton, HeaderButton::None);
}

TEST_F(PointerTest, HeaderButtonsWhilePausedActAsButtons) {
  game.TimerPause();
  ASSERT_TRUE(game.IsPaused());
  ASSERT_TRUE(game.CallMouseDown(10, 10));
  game.CallMouseUp(10, 10);
  EXPECT_EQ(game.ViewMode, ViewModes::About);
  EXPECT_TRUE(game.IsPaused());
  EXPECT_FALSE(game.CallMouseDown(300, 200));  // any press leaves the screen
  EXPECT_EQ(game.ViewMode, ViewModes::Game);
  EXPECT_TRUE(game.IsPaused());
  EXPECT_FALSE(game.CallMouseDown(300, 200));  // and another resumes
  EXPECT_FALSE(game.IsPaused());
}

TEST_F(PointerTest, ReloadButtonDealsTheSameLevel) {
  game.SkipLevels(7);
  ASSERT_TRUE(game.CallMouseDown(540, 5));
  game.CallMouseUp(540, 5);
  EXPECT_EQ(game.Score, 7);
  EXPECT_EQ(recorders.sounds, (std::vector<PlayedSound>{{"FlipPiece.mp3", 100}}));
}
