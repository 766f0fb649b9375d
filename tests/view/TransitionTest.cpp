// The transitions between two captures of the screen: how long they run,
// which part of the view each style moves, and what a frame half-way
// through looks like.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "game/BlankoutTimer.h"
#include "support/DrawingFixture.h"
#include "support/GamePlay.h"

using platform::Picture;

void PrintTo(const FakeCanvas::Rect& r, std::ostream* os) {
  *os << "{" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << "}";
}

namespace {

using Rect = FakeCanvas::Rect;

class TransitionTest : public DrawingTest {
 protected:
  TransitionTest() {
    GameManager::ViewRef = &canvas;
    game.ViewRef = &canvas;
    canvas.onPaint = [this](platform::Graphics& g) {
      GameScreen::Draw(game, g);
      recorders.clock += captureTicks;
      captured = recorders.clock;
    };
    canvas.onFrame = [this](const std::function<void(platform::Graphics&)>& frame) {
      frameTicks.push_back(recorders.clock);
      frame(screen->Graphics());
      if (check) check();
    };
  }

  // The view shows what the game draws now.
  void Show() { GameScreen::Draw(game, screen->Graphics()); }

  // The clock gives these readings one by one, then leaps ahead at every
  // reading, so a transition that starts then shows a single frame.
  void ClockReads(std::deque<int64_t> reads) {
    platform::SetTicksSource([reads, later = int64_t(1) << 40]() mutable {
      if (reads.empty()) return later += 1000;
      const int64_t t = reads.front();
      reads.pop_front();
      return t;
    });
  }
  // Back to the recorders' clock, 4 ticks a reading.
  void UsualClock() {
    platform::SetTicksSource([this] { return recorders.clock += recorders.ticksPerRead; });
  }

  // The frame rectangles, each run of equal ones counted once.
  std::vector<Rect> Regions() const {
    std::vector<Rect> regions;
    for (const Rect& r : canvas.frames)
      if (regions.empty() || !(regions.back() == r)) regions.push_back(r);
    return regions;
  }

  FakeCanvas canvas;
  std::unique_ptr<Picture> screen = Picture::Create(600, 400);
  int64_t captureTicks = 0;  // how long a capture takes
  int64_t captured = 0;      // the clock when the last capture ended
  std::vector<int64_t> frameTicks;
  std::function<void()> check;  // run after each frame
};

// Where a slide frame puts its two pictures: rows top to top + height,
// each picture's columns srcX to srcX + width drawn at its x.
struct Slide {
  int top, height, srcX, width;
  const Picture* first;
  int firstX;
  const Picture* second;
  int secondX;
};

// Counts the pixels of the band that differ from what the slide should show.
int SlideMismatches(const Picture& screen, const Slide& s) {
  int wrong = 0;
  for (int y = s.top; y < s.top + s.height; y += 3) {
    for (int x = 0; x < screen.Width(); ++x) {
      uint32_t expected = 0;
      if (x >= s.secondX && x < s.secondX + s.width)
        expected = s.second->Pixel(s.srcX + x - s.secondX, y);
      else if (x >= s.firstX && x < s.firstX + s.width)
        expected = s.first->Pixel(s.srcX + x - s.firstX, y);
      wrong += screen.Pixel(x, y) != expected;
    }
  }
  return wrong;
}

int RowsChanged(const Picture& screen, const Picture& before, int top, int height) {
  int changed = 0;
  for (int y = top; y < top + height; ++y)
    for (int x = 0; x < screen.Width(); ++x) changed += screen.Pixel(x, y) != before.Pixel(x, y);
  return changed;
}

}  // namespace

TEST_F(TransitionTest, EachStyleMovesItsOwnRegion) {
  const Rect whole{0, 0, 600, 400};
  const Rect band{0, 24, 600, 278};
  const Rect belowHeader{0, 22, 600, 378};
  struct Case {
    const char* change;
    std::function<void(GameInstance&)> before, act;
    std::vector<Rect> regions;
  };
  const auto none = [](GameInstance&) {};
  const Case cases[] = {
      {"new board", none, [](GameInstance& g) { g.NewBoard(true, true, false); }, {band}},
      {"blankout", none, [](GameInstance& g) { g.DoBlankout(); }, {band}},
      {"pause", none, [](GameInstance& g) { g.TimerPause(); }, {whole}},
      {"resume", [](GameInstance& g) { g.TimerPause(); }, [](GameInstance& g) { g.TimerToggle(); }, {whole}},
      {"blankout, wrong answer, new game", none, [](GameInstance& g) { Answer(g, false); },
       {band, whole, belowHeader}},
      {"new game on the game screen", none, [](GameInstance& g) { g.NewGame(true); }, {belowHeader}},
      {"open about", none, [](GameInstance& g) { g.ToggleAbout(); }, {whole}},
      {"close about", [](GameInstance& g) { g.ToggleAbout(); }, [](GameInstance& g) { g.ToggleAbout(); }, {whole}},
      {"open highscores", none, [](GameInstance& g) { g.ToggleHighscore(); }, {whole}},
      {"close highscores", [](GameInstance& g) { g.ToggleHighscore(); },
       [](GameInstance& g) { g.ToggleHighscore(); }, {whole}},
      {"about to highscores", [](GameInstance& g) { g.ToggleAbout(); },
       [](GameInstance& g) { g.ToggleHighscore(); }, {whole}},
      {"resume from about", [](GameInstance& g) { g.ToggleAbout(); }, [](GameInstance& g) { g.TimerToggle(); },
       {whole}},
      {"new game from highscores", [](GameInstance& g) { g.ToggleHighscore(); },
       [](GameInstance& g) { g.NewGame(true); }, {whole}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    game.NewGame(false);
    c.before(game);
    canvas.frames.clear();
    const int refreshes = canvas.refreshes;
    c.act(game);
    EXPECT_EQ(Regions(), c.regions);
    EXPECT_EQ(canvas.refreshes, refreshes + static_cast<int>(c.regions.size()));
    EXPECT_FALSE(game.pAnimStart);
    EXPECT_FALSE(game.pAnimEnd);
  }
}

TEST_F(TransitionTest, LengthCountsFromAfterTheSecondCapture) {
  struct Case {
    const char* style;
    std::function<void(GameInstance&)> act;
    int64_t length;
  };
  const Case cases[] = {
      {"fade", [](GameInstance& g) { g.TimerPause(); }, 10},
      {"board slide", [](GameInstance& g) { g.DoBlankout(); }, 15},
      {"view slide", [](GameInstance& g) { g.ToggleAbout(); }, 15},
  };
  recorders.ticksPerRead = 1;
  captureTicks = 100;  // captures much slower than the transition itself
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    game.NewGame(false);
    frameTicks.clear();
    c.act(game);
    ASSERT_FALSE(frameTicks.empty());
    // One frame per tick from just after the capture to the last tick
    // before the end, however long the capture took.
    EXPECT_LE(frameTicks.front() - captured, 2);
    EXPECT_EQ(frameTicks.back() - captured, c.length);
    EXPECT_EQ(static_cast<int64_t>(frameTicks.size()), c.length - 1);
  }
}

TEST_F(TransitionTest, LateFirstFrameShowsTheNewScreen) {
  // The second reading after the capture is already past the end (by 6
  // ticks of the fade, 1 of a slide).
  struct Case {
    const char* style;
    std::function<void(GameInstance&)> act;
    int top, height;
  };
  const Case cases[] = {
      {"fade", [](GameInstance& g) { g.TimerPause(); }, 0, 400},
      {"board slide", [](GameInstance& g) { g.DoBlankout(); }, 24, 278},
      {"view slide", [](GameInstance& g) { g.NewGame(true); }, 22, 378},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    UsualClock();
    check = nullptr;  // the last case's check looks at its own locals
    game.NewGame(false);
    Show();
    ClockReads({1000, 1016});
    int wrong = -1;
    check = [&] { wrong = RowsChanged(*screen, *game.pAnimEnd, c.top, c.height); };
    canvas.frames.clear();
    c.act(game);
    EXPECT_EQ(canvas.frames.size(), 1u);
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(TransitionTest, SecondSetupKeepsTheFirstCapture) {
  game.AnimSetup();
  ASSERT_TRUE(game.pAnimStart);
  const Picture* first = game.pAnimStart.get();
  const int paints = canvas.paints;
  game.DoingBlankout = true;
  game.AnimSetup();
  EXPECT_EQ(game.pAnimStart.get(), first);
  EXPECT_EQ(canvas.paints, paints);
  // Still the countdown's board: square in the first cell, not an empty one.
  EXPECT_EQ(first->Pixel(161 + 3 + 34, 24 + 3 + 34), Stand::Square);
  game.AnimDo(0, false);
  EXPECT_FALSE(game.pAnimStart);
  EXPECT_FALSE(game.pAnimEnd);
}

TEST_F(TransitionTest, FadeFrameBlendsTheNewScreenOverTheOld) {
  struct Case {
    bool reverse;
    int64_t elapsed;  // of 10 ticks
    double oldShare;
  };
  const Case cases[] = {
      {false, 2, 204 / 255.0}, {true, 2, 204 / 255.0}, {false, 5, 127 / 255.0}, {true, 5, 128 / 255.0},
      {false, 8, 51 / 255.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.reverse << " " << c.elapsed);
    UsualClock();
    check = nullptr;  // the last case's check looks at its own locals
    game.NewGame(false);
    ClockReads({1000, 1000 + c.elapsed, 1010});
    int wrong = 0, compared = 0;
    check = [&] {
      for (int y = 0; y < 400; y += 2) {
        for (int x = 0; x < 600; x += 2) {
          const uint32_t before = game.pAnimStart->Pixel(x, y), after = game.pAnimEnd->Pixel(x, y);
          const uint32_t shown = screen->Pixel(x, y);
          for (const int shift : {0, 8, 16}) {
            const double o = (before >> shift) & 0xFF, n = (after >> shift) & 0xFF;
            const double s = (shown >> shift) & 0xFF;
            wrong += std::abs(s - (o * c.oldShare + n * (1 - c.oldShare))) > 1.6;
          }
          compared += before != after;
        }
      }
    };
    game.AnimSetup();
    game.tmr->SetMode(platform::Timer::Off);  // the pause screen comes in
    game.AnimDo(0, c.reverse);
    EXPECT_EQ(canvas.frames.back(), (Rect{0, 0, 600, 400}));
    EXPECT_GT(compared, 10000);
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(TransitionTest, SlideFramesHalfWay) {
  // Seven ticks of fifteen gone: e = 7/15, or 8/15 reversed.
  const auto none = [](GameInstance&) {};
  struct Case {
    const char* change;
    std::function<void(GameInstance&)> before, act;
    bool board, reverse;
    int top, height;
    int firstX, secondX;
  };
  const Case cases[] = {
      // Board: old at trunc(161 x 8/15 - 278 x 7/15), new at trunc(600 x 8/15 + 161 x 7/15).
      {"blankout", none, [](GameInstance& g) { g.DoBlankout(); }, true, false, 24, 278, -43, 395},
      {"board slide reversed", none,
       [](GameInstance& g) {
         g.AnimSetup();
         g.DoingBlankout = true;
         g.AnimDo(1, true);
       },
       true, true, 24, 278, -73, 365},
      // View: old at trunc(-600 x 7/15), new at trunc(600 - 600 x 7/15).
      {"new game", none, [](GameInstance& g) { g.NewGame(true); }, false, false, 22, 378, -280, 320},
      {"open about", none, [](GameInstance& g) { g.ToggleAbout(); }, false, false, 0, 400, -280, 320},
      {"close about", [](GameInstance& g) { g.ToggleAbout(); }, [](GameInstance& g) { g.ToggleAbout(); }, false,
       true, 0, 400, -320, 280},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    UsualClock();
    check = nullptr;  // the last case's check looks at its own locals
    game.NewGame(false);
    c.before(game);
    canvas.frames.clear();
    Show();
    auto before = Picture::Create(600, 400);
    GameScreen::Draw(game, before->Graphics());
    ClockReads({1000, 1007, 1015});
    int wrong = -1, outside = -1;
    check = [&] {
      const Picture* start = game.pAnimStart.get();
      const Picture* end = game.pAnimEnd.get();
      const Picture* first = c.reverse ? end : start;
      const Picture* second = c.reverse ? start : end;
      const Slide s = c.board ? Slide{c.top, c.height, 161, 278, first, c.firstX, second, c.secondX}
                              : Slide{c.top, c.height, 0, 600, first, c.firstX, second, c.secondX};
      wrong = SlideMismatches(*screen, s);
      outside = RowsChanged(*screen, *before, 0, c.top) +
                RowsChanged(*screen, *before, c.top + c.height, 400 - c.top - c.height);
    };
    c.act(game);
    EXPECT_EQ(canvas.frames.size(), 1u);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(outside, 0);  // the header and selector keep what was shown
  }
}

TEST_F(TransitionTest, HighDensityCaptureHasTwiceThePixelsAndLogicalLayout) {
  canvas.ratio = 2;
  game.AnimSetup();
  ASSERT_TRUE(game.pAnimStart);
  const Picture& capture = *game.pAnimStart;
  EXPECT_EQ(capture.Width(), 600);
  EXPECT_EQ(capture.PixelWidth(), 1200);
  EXPECT_EQ(capture.PixelHeight(), 800);
  EXPECT_EQ(game.HeaderHeight, 22);
  EXPECT_EQ(game.BoardX, 161);
  EXPECT_EQ(game.BoardY, 24);
  EXPECT_EQ(game.BoardWidth, 278);
  EXPECT_EQ(game.SelectorY, 300);
  // The cells in device pixels: square from 2 x 164, circle from 2 x 232.
  const int y = 2 * (24 + 3 + 34);
  EXPECT_EQ(capture.Pixel(327, y), 0u);
  EXPECT_EQ(capture.Pixel(328, y), Stand::Square);
  EXPECT_EQ(capture.Pixel(463, y), Stand::Square);
  EXPECT_EQ(capture.Pixel(464, y), Stand::Circle);

  screen = Picture::Create(600, 400, 2);
  game.DoingBlankout = true;
  game.AnimDo(1, false);
  EXPECT_FALSE(canvas.frames.empty());
  EXPECT_EQ(canvas.frames.front(), (Rect{0, 24, 600, 278}));
  EXPECT_FALSE(game.pAnimStart);
}
