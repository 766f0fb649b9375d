#include "platform/Timer.h"

#include <QTimer>

namespace platform {

struct Timer::Impl {
  QTimer* timer = new QTimer;
  int mode = Off;
  bool firing = false;
  std::shared_ptr<int> alive = std::make_shared<int>();
};

Timer::Timer() : impl(std::make_unique<Impl>()) {
  impl->timer->setTimerType(Qt::PreciseTimer);
  QObject::connect(impl->timer, &QTimer::timeout, [this] {
    if (impl->mode == Single) SetMode(Off);
    const std::weak_ptr<int> alive = impl->alive;
    impl->firing = true;
    Action();  // may destroy this timer
    if (!alive.expired()) impl->firing = false;
  });
}

Timer::~Timer() {
  impl->timer->stop();
  QObject::disconnect(impl->timer, nullptr, nullptr, nullptr);
  // A timer dropped from inside its own Action is still emitting its signal.
  if (impl->firing)
    impl->timer->deleteLater();
  else
    delete impl->timer;
}

int Timer::Period() const { return impl->timer->interval(); }

void Timer::SetPeriod(int milliseconds) { impl->timer->setInterval(milliseconds < 0 ? 0 : milliseconds); }

int Timer::Mode() const { return impl->mode; }

void Timer::SetMode(int mode) {
  impl->mode = mode;
  if (mode == Off) {
    impl->timer->stop();
    return;
  }
  impl->timer->setSingleShot(mode == Single);
  impl->timer->start();
}

}  // namespace platform
