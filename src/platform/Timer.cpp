#include "platform/Timer.h"

#include <QTimer>

namespace platform {

struct Timer::Impl {
  QTimer timer;
  int mode = Off;
};

Timer::Timer() : impl(std::make_unique<Impl>()) {
  impl->timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&impl->timer, &QTimer::timeout, [this] {
    if (impl->mode == Single) SetMode(Off);
    Action();
  });
}

Timer::~Timer() = default;

int Timer::Period() const { return impl->timer.interval(); }

void Timer::SetPeriod(int milliseconds) { impl->timer.setInterval(milliseconds < 0 ? 0 : milliseconds); }

int Timer::Mode() const { return impl->mode; }

void Timer::SetMode(int mode) {
  impl->mode = mode;
  if (mode == Off) {
    impl->timer.stop();
    return;
  }
  impl->timer.setSingleShot(mode == Single);
  impl->timer.start();
}

}  // namespace platform
