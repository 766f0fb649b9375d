#include "platform/Window.h"

#include <algorithm>

namespace platform {
namespace {

std::vector<Window*>& openWindows() {
  static std::vector<Window*> windows;
  return windows;
}

std::function<std::vector<Window*>()>& source() {
  static std::function<std::vector<Window*>()> fn;
  return fn;
}

}  // namespace

std::vector<Window*> Window::OpenWindows() { return source() ? source()() : openWindows(); }

void Window::SetOpenWindowsSource(std::function<std::vector<Window*>()> fn) { source() = std::move(fn); }

void Window::Opened(Window* window) {
  auto& list = openWindows();
  if (std::find(list.begin(), list.end(), window) == list.end()) list.push_back(window);
}

void Window::Closed(Window* window) { std::erase(openWindows(), window); }

}  // namespace platform
