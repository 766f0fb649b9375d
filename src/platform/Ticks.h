#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// Time since the program started, in ticks of 1/60 second.
int64_t Ticks();

// Gives up the processor for about a millisecond.
void SleepBriefly();

// Tests replace the clock with one of their own; an empty function restores
// the real one.
void SetTicksSource(std::function<int64_t()> source);

}  // namespace platform
