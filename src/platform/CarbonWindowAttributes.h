#pragma once

#include <cstdint>

class QWidget;

// The two window attributes the fullscreen window asks for, mapped onto Qt
// window flags: 512 (no title bar) and 2097152 (no shadow). Other bits
// change nothing. Set them before the window first shows: Qt rebuilds a
// native window whose flags change.
namespace CarbonWindowAttributes {

inline constexpr uint32_t NoTitleBar = 512;
inline constexpr uint32_t NoShadow = 2097152;

void Attribute(QWidget* window, uint32_t attribute, bool on);

}  // namespace CarbonWindowAttributes
