#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class Window;
}

// Remembers the bounds of windows under a text key: five parallel lists,
// entry i being (sKey[i], iLeft[i], iTop[i], iWidth[i], iHeight[i]). Keys
// carry "_" in place of every space. The whole table travels through the
// preferences as one line of text.
namespace WindowManager {

inline std::vector<std::string> sKey;
inline std::vector<int32_t> iLeft;
inline std::vector<int32_t> iTop;
inline std::vector<int32_t> iWidth;
inline std::vector<int32_t> iHeight;

// The usable area of each screen as last seen, by screen index.
inline std::vector<int32_t> iLastX;
inline std::vector<int32_t> iLastY;
inline std::vector<int32_t> iLastWidth;
inline std::vector<int32_t> iLastHeight;

// Remembers the window's bounds under key.
void StoreBounds(const platform::Window* window, const std::string& key);
// Gives the window the bounds remembered under key (or keeps its own),
// within its size limits and on a screen.
void GetBounds(platform::Window* window, const std::string& key);
// "key left top width height" for every entry, joined with ",".
std::string WindowBoundsString();
// Appends the entries of such a text; unreadable numbers count as 0.
void WindowBoundsFromString(const std::string& text);
// Keeps the window inside the usable area of its screen, leaving room for
// a title bar above it.
void CheckWindowBounds(platform::Window* window);
// Whether a screen's usable area changed since the last call; after a
// change every open window is kept on a screen.
bool CheckDisplayChange();
// The index of the screen that shows the largest part of the window (the
// lower index on a tie, 0 when on none), or -1 for no window.
int32_t GetScreenForWindow(const platform::Window* window);

}  // namespace WindowManager
