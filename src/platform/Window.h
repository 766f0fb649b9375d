#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace platform {

// A window as the placement memory sees it: the bounds of its content area
// in global pixels, its size limits, and the list of open windows.
class Window {
 public:
  virtual ~Window() = default;

  virtual int32_t Left() const = 0;
  virtual int32_t Top() const = 0;
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  virtual void SetLeft(int32_t value) = 0;
  virtual void SetTop(int32_t value) = 0;
  virtual void SetWidth(int32_t value) = 0;
  virtual void SetHeight(int32_t value) = 0;
  virtual int32_t MinWidth() const = 0;
  virtual int32_t MinHeight() const = 0;
  virtual int32_t MaxWidth() const = 0;
  virtual int32_t MaxHeight() const = 0;
  // Offers the window its close; it never refuses.
  virtual void Close() = 0;

  // The open windows, in the order they opened.
  static std::vector<Window*> OpenWindows();
  // Tests list windows of their own; an empty function restores the real list.
  static void SetOpenWindowsSource(std::function<std::vector<Window*>()> source);

 protected:
  // Windows enter the list when they open and leave it when they close.
  static void Opened(Window* window);
  static void Closed(Window* window);
};

}  // namespace platform
