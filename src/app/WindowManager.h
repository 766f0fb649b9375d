#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// "key left top width height" for every entry, joined with ",".
std::string WindowBoundsString();
// Appends the entries of such a text; unreadable numbers count as 0.
void WindowBoundsFromString(const std::string& text);

}  // namespace WindowManager
