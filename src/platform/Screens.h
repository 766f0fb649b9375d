#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace platform {

struct Rect {
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const Rect&) const = default;
};

// A screen's whole rectangle and its usable area (without panels and docks),
// in global pixels.
struct Screen {
  Rect Whole;
  Rect Available;
};

// The screens in the platform's order; index 0 is the first screen.
std::vector<Screen> Screens();

// Tests describe screens of their own; an empty function restores the real ones.
void SetScreensSource(std::function<std::vector<Screen>()> source);

}  // namespace platform
