#pragma once

#include <memory>

namespace platform {

// A timer driven by the application's event loop. Mode 0 is off, 1 fires
// once and then turns itself off, 2 fires every period. Setting a mode above
// 0 (re)starts the timer. Subclasses override Action; tests may call it
// directly to drive a tick without waiting.
class Timer {
 public:
  static constexpr int Off = 0;
  static constexpr int Single = 1;
  static constexpr int Multiple = 2;

  Timer();
  virtual ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  int Period() const;
  void SetPeriod(int milliseconds);
  int Mode() const;
  void SetMode(int mode);

  virtual void Action() {}

 private:
  struct Impl;
  std::unique_ptr<Impl> impl;
};

}  // namespace platform
