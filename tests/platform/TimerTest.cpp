// Timers on the real event loop, and a headless game counting down on its
// own one-second timer.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "platform/Ticks.h"
#include "platform/Timer.h"
#include "support/Recorders.h"

namespace {

class CountingTimer : public platform::Timer {
 public:
  void Action() override { ++fired; }
  int fired = 0;
};

// Spins the event loop for about the given time.
void RunEventLoopFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

TEST(TimerTest, ModesOffSingleAndMultiple) {
  CountingTimer single, multiple, off;
  for (CountingTimer* t : {&single, &multiple, &off}) t->SetPeriod(10);
  single.SetMode(platform::Timer::Single);
  multiple.SetMode(platform::Timer::Multiple);
  off.SetMode(platform::Timer::Multiple);
  off.SetMode(platform::Timer::Off);
  RunEventLoopFor(200);
  EXPECT_EQ(single.fired, 1);
  EXPECT_EQ(single.Mode(), platform::Timer::Off) << "a single timer turns itself off";
  EXPECT_GE(multiple.fired, 3);
  EXPECT_EQ(off.fired, 0);
}

TEST(TimerTest, ATimerMayBeDroppedFromItsOwnAction) {
  struct SelfDropping : platform::Timer {
    std::unique_ptr<SelfDropping>* owner = nullptr;
    void Action() override { owner->reset(); }
  };
  auto timer = std::make_unique<SelfDropping>();
  timer->owner = &timer;
  timer->SetPeriod(5);
  timer->SetMode(platform::Timer::Multiple);
  RunEventLoopFor(50);
  EXPECT_FALSE(timer);
}

TEST(TimerTest, TicksCountSixtiethsOfASecond) {
  const int64_t start = platform::Ticks();
  QElapsedTimer clock;
  clock.start();
  RunEventLoopFor(250);
  const double expected = clock.elapsed() * 60.0 / 1000.0;
  EXPECT_NEAR(static_cast<double>(platform::Ticks() - start), expected, 2.0);

  platform::SetTicksSource([] { return int64_t{42}; });
  EXPECT_EQ(platform::Ticks(), 42);
  platform::SetTicksSource(nullptr);
  EXPECT_GE(platform::Ticks(), start);
}

// The only test that waits for real seconds: the game's own timer must blank
// the board out after five one-second ticks, with no window anywhere.
TEST(HeadlessGameTest, RealCountdownBlanksOutAfterFiveTicks) {
  Recorders recorders;
  FakeCanvas canvas;
  GameManager::ViewRef = &canvas;
  GameInstance game;
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (game.DoingBlankout || clock.elapsed() > 8000) loop.quit();
  });
  poll.start(20);
  loop.exec();
  ASSERT_TRUE(game.DoingBlankout);
  EXPECT_EQ(game.CountDown, 0);
  EXPECT_FALSE(game.tmr);
  EXPECT_GE(clock.elapsed(), 4900);
  EXPECT_LE(clock.elapsed(), 6500);
  EXPECT_GE(canvas.refreshes, 5);
}
