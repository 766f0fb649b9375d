// The header bar of a 600 x 400 view (HeaderHeight 22): button geometry,
// the edges the hit test reads, and the title with its countdown marks.
#include "view/HeaderBar.h"

#include <gtest/gtest.h>

#include "game/BlankoutTimer.h"
#include "support/DrawingFixture.h"
#include "support/RecordingSurface.h"

namespace {

using HeaderBarTest = DrawingTest;

// The stand-in glyphs are solid, so each icon is a solid white square
// (slightly darkened where the gloss covers the lower half of the bar).
bool IsIcon(uint32_t rgb) { return Red(rgb) >= 0xE0; }

// The rows of a column where an icon is, as first and last row.
std::pair<int, int> IconRows(const platform::Picture& p, int x) {
  int first = -1, last = -1;
  for (int y = 0; y < 22; ++y) {
    if (!IsIcon(p.Pixel(x, y))) continue;
    if (first < 0) first = y;
    last = y;
  }
  return {first, last};
}

}  // namespace

TEST_F(HeaderBarTest, ButtonsAndTheirEdges) {
  auto screen = Render();
  ASSERT_EQ(game.HeaderHeight, 22);
  // Help: a 17 x 17 icon 2 in; Highscore: 17 x 17 with margin 2; New: the
  // label " New " (37.5 wide) ends 1 before the edge, its button 4 before
  // it; Reload: 22 wide, icon 19 x 19 one pixel in.
  EXPECT_EQ(game.ButtonHelpX, 21);
  EXPECT_EQ(game.ButtonHighscoreX, 42);
  EXPECT_EQ(game.ButtonNewX, 557);
  EXPECT_EQ(game.ButtonReloadX, 535);

  const uint32_t ground = screen->Pixel(0, 5);  // the gradient, plain in this row
  const uint32_t edge = 0x3F3F3F;
  const uint32_t white = 0xFFFFFF;
  using Runs_ = std::vector<std::pair<int, uint32_t>>;
  EXPECT_EQ(Runs(*screen, 5, 0, 60), (Runs_{{0, ground},
                                            {2, white},
                                            {19, ground},
                                            {21, edge},
                                            {22, ground},
                                            {23, white},
                                            {40, ground},
                                            {42, edge},
                                            {43, ground}}));
  EXPECT_EQ(Runs(*screen, 5, 520, 560),
            (Runs_{{520, ground}, {535, edge}, {536, white}, {555, ground}, {557, edge}, {558, ground}}));
  EXPECT_EQ(IconRows(*screen, 10), std::make_pair(2, 18));   // Help
  EXPECT_EQ(IconRows(*screen, 30), std::make_pair(2, 18));   // Highscore
  EXPECT_EQ(IconRows(*screen, 545), std::make_pair(1, 19));  // Reload

  // The edges run the bar's height and one row past it.
  for (const int x : {21, 42, 535, 557}) {
    SCOPED_TRACE(x);
    EXPECT_EQ(screen->Pixel(x, 0), edge);
    EXPECT_EQ(screen->Pixel(x, 22), edge);
    EXPECT_EQ(screen->Pixel(x, 23), 0u);
  }
}

TEST_F(HeaderBarTest, PressedButtonIsDarkenedOverItsOwnArea) {
  struct Case {
    int32_t button;
    int left, right;  // columns of the darkened area
  };
  const Case cases[] = {{HeaderButton::Help, 0, 20},
                        {HeaderButton::Highscore, 21, 41},
                        {HeaderButton::Reload, 535, 555},
                        {HeaderButton::New, 557, 599}};
  auto plain = Render();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    game.iButtonDown = c.button;
    auto pressed = Render();
    for (int x = 0; x < 600; ++x) {
      const bool inside = x >= c.left && x <= c.right;
      const uint32_t before = plain->Pixel(x, 3);
      const uint32_t after = pressed->Pixel(x, 3);
      if (!inside) {
        EXPECT_EQ(after, before) << x;
      } else if (Red(before) > 0x50 && before != 0x3F3F3F) {
        EXPECT_LT(Red(after), Red(before)) << x;
      }
    }
  }
}

TEST_F(HeaderBarTest, TitleCarriesTheCountdownMarks) {
  struct Case {
    int32_t countDown, score;
    const char* title;
  };
  const Case cases[] = {
      {5, 0, " \u2784 Level 1 \u2784 "}, {3, 0, " \u2782 Level 1 \u2782 "}, {1, 11, " \u2780 Level 12 \u2780 "},
      {0, 0, "Level 1"},                 {6, 4, "Level 5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    game.CountDown = c.countDown;
    game.Score = c.score;
    Recording rec(600, 400);
    GameScreen::Draw(game, rec.g);
    const auto& texts = rec.drawing().texts;
    // Its shadow in black one row down, then the title in white, centred.
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, c.title);
    EXPECT_EQ(texts[0].colour, 0x000000u);
    EXPECT_EQ(texts[1].text, c.title);
    EXPECT_EQ(texts[1].colour, 0xFFFFFFu);
    EXPECT_EQ(texts[0].y, texts[1].y + 1);
    EXPECT_EQ(texts[1].y, 15);  // trunc(10.5 - 9 + 13.5)
    EXPECT_EQ(texts[1].pixelSize, 15);
  }
}

TEST_F(HeaderBarTest, PausedTitleIsGreyAndTheButtonsStayAsTheyAre) {
  auto running = Render();
  game.tmr->SetMode(platform::Timer::Off);
  ASSERT_TRUE(game.IsPaused());
  auto paused = Render();

  Recording rec(600, 400);
  GameScreen::Draw(game, rec.g);
  EXPECT_EQ(rec.drawing().TextsIn(0xBFBFBF), std::vector<std::string>{" \u2784 Level 1 \u2784 "});
  EXPECT_EQ(rec.drawing().TextsIn(0xFFFFFF), (std::vector<std::string>{" New ", "PAUSED"}));

  // On the pixels: the title's upper half (clear of the gloss) peaks at
  // &hBF instead of white; the button area is unchanged.
  EXPECT_EQ(BrightestRed(*running, 200, 0, 200, 10), 0xFFu);
  EXPECT_EQ(BrightestRed(*paused, 200, 0, 200, 10), 0xBFu);
  for (int x = 0; x < 60; ++x) EXPECT_EQ(paused->Pixel(x, 5), running->Pixel(x, 5)) << x;
}

TEST_F(HeaderBarTest, HeaderGradientIsRemadeOnlyWhenTheBarGrows) {
  Render(600, 400);
  ASSERT_TRUE(game.pHeader);
  EXPECT_EQ(game.pHeader->Height(), 22);
  Render(1200, 900);  // size 31.5: text height 37.8, bar 41
  EXPECT_EQ(game.HeaderHeight, 41);
  EXPECT_EQ(game.pHeader->Height(), 41);
  const platform::Picture* tall = game.pHeader.get();
  auto squeezed = Render(600, 400);
  EXPECT_EQ(game.pHeader.get(), tall);
  // Squeezed into 22 rows, the whole gradient still runs from light to dark.
  EXPECT_GT(Red(squeezed->Pixel(100, 0)), 0x90u);
  EXPECT_LT(Red(squeezed->Pixel(100, 21)), 0x48u);
}
