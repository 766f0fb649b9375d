#include "platform/Ticks.h"

#include <QElapsedTimer>
#include <QThread>

namespace platform {
namespace {

std::function<int64_t()>& source() {
  static std::function<int64_t()> fn;
  return fn;
}

const QElapsedTimer& startClock() {
  static const QElapsedTimer clock = [] {
    QElapsedTimer c;
    c.start();
    return c;
  }();
  return clock;
}

}  // namespace

int64_t Ticks() {
  if (source()) return source()();
  return startClock().nsecsElapsed() * 60 / 1'000'000'000;
}

void SleepBriefly() {
  QThread::usleep(1000);
}

void SetTicksSource(std::function<int64_t()> fn) { source() = std::move(fn); }

}  // namespace platform
