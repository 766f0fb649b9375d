#include "app/WindowManager.h"

#include <algorithm>

#include "platform/Screens.h"
#include "platform/Window.h"
#include "store/Variant.h"

namespace WindowManager {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) return parts;
    start = at + 1;
  }
}

int32_t field(const std::vector<std::string>& fields, size_t index) {
  return index < fields.size() ? Variant::ReadInteger(fields[index]) : 0;
}

void appendEntry(const std::string& piece) {
  const std::vector<std::string> fields = split(piece, ' ');
  sKey.push_back(fields[0]);
  iLeft.push_back(field(fields, 1));
  iTop.push_back(field(fields, 2));
  iWidth.push_back(field(fields, 3));
  iHeight.push_back(field(fields, 4));
}

// Room for the title bar above a window's content area.
constexpr int32_t TitleBarHeight = 22;

std::string keyOf(std::string key) {
  std::replace(key.begin(), key.end(), ' ', '_');
  return key;
}

// The first entry with the key, or -1.
int findEntry(const std::string& key) {
  const auto it = std::find(sKey.begin(), sKey.end(), key);
  return it == sKey.end() ? -1 : static_cast<int>(it - sKey.begin());
}

int64_t overlap(int64_t start1, int64_t length1, int64_t start2, int64_t length2) {
  return std::max<int64_t>(0, std::min(start1 + length1, start2 + length2) - std::max(start1, start2));
}

}  // namespace

void StoreBounds(const platform::Window* window, const std::string& key) {
  if (!window) return;
  const std::string k = keyOf(key);
  const int i = findEntry(k);
  if (i < 0) {
    sKey.push_back(k);
    iLeft.push_back(window->Left());
    iTop.push_back(window->Top());
    iWidth.push_back(window->Width());
    iHeight.push_back(window->Height());
    return;
  }
  iLeft[i] = window->Left();
  iTop[i] = window->Top();
  iWidth[i] = window->Width();
  iHeight[i] = window->Height();
}

void GetBounds(platform::Window* window, const std::string& key) {
  if (!window) return;
  const int i = findEntry(keyOf(key));
  const int32_t left = i < 0 ? window->Left() : iLeft[i];
  const int32_t top = i < 0 ? window->Top() : iTop[i];
  int32_t width = i < 0 ? window->Width() : iWidth[i];
  int32_t height = i < 0 ? window->Height() : iHeight[i];
  width = std::min(std::max(width, window->MinWidth()), window->MaxWidth());
  height = std::min(std::max(height, window->MinHeight()), window->MaxHeight());
  window->SetLeft(left);
  window->SetTop(top);
  window->SetWidth(width);
  window->SetHeight(height);
  CheckWindowBounds(window);
}

std::string WindowBoundsString() {
  std::string text;
  for (size_t i = 0; i < sKey.size(); ++i) {
    if (i > 0) text += ",";
    text += sKey[i] + " " + std::to_string(iLeft[i]) + " " + std::to_string(iTop[i]) + " " +
            std::to_string(iWidth[i]) + " " + std::to_string(iHeight[i]);
  }
  return text;
}

void WindowBoundsFromString(const std::string& text) {
  if (text.empty()) return;
  for (const std::string& piece : split(text, ',')) appendEntry(piece);
}

void CheckWindowBounds(platform::Window* window) {
  if (!window) return;
  const std::vector<platform::Screen> screens = platform::Screens();
  if (screens.empty()) return;
  const int32_t s = std::max(0, GetScreenForWindow(window));
  const platform::Rect area = screens[static_cast<size_t>(std::min<int32_t>(s, int32_t(screens.size()) - 1))].Available;
  const int32_t L = area.Left, T = area.Top, W = area.Width, H = area.Height;
  if (window->Left() < L) window->SetLeft(L);
  if (window->Top() < T + TitleBarHeight) window->SetTop(T + TitleBarHeight);
  if (window->Width() > W) window->SetWidth(W);
  if (window->Height() > H - TitleBarHeight) window->SetHeight(H - TitleBarHeight);
  if (window->Left() > L + W - window->Width()) window->SetLeft(L + W - window->Width());
  if (window->Top() > T + H - window->Height()) window->SetTop(T + H - window->Height());
}

bool CheckDisplayChange() {
  const std::vector<platform::Screen> screens = platform::Screens();
  const size_t n = screens.size();
  for (auto* list : {&iLastX, &iLastY, &iLastWidth, &iLastHeight}) list->resize(n, 0);
  bool changed = false;
  for (size_t i = n; i-- > 0;) {
    const platform::Rect& a = screens[i].Available;
    if (a.Left != iLastX[i] || a.Top != iLastY[i] || a.Width != iLastWidth[i] || a.Height != iLastHeight[i]) {
      iLastX[i] = a.Left;
      iLastY[i] = a.Top;
      iLastWidth[i] = a.Width;
      iLastHeight[i] = a.Height;
      changed = true;
    }
  }
  if (changed) {
    const std::vector<platform::Window*> windows = platform::Window::OpenWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) CheckWindowBounds(*it);
  }
  return changed;
}

int32_t GetScreenForWindow(const platform::Window* window) {
  if (!window) return -1;
  const std::vector<platform::Screen> screens = platform::Screens();
  int64_t best = 0;
  int32_t found = 0;
  for (size_t i = 0; i < screens.size(); ++i) {
    const platform::Rect& r = screens[i].Whole;
    const int64_t area = overlap(window->Left(), window->Width(), r.Left, r.Width) *
                         overlap(window->Top(), window->Height(), r.Top, r.Height);
    if (area > best) {
      best = area;
      found = static_cast<int32_t>(i);
    }
  }
  return found;
}

}  // namespace WindowManager
