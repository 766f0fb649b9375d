#pragma once

#include <QFont>
#include <string>

#include "platform/TextMetrics.h"

namespace platform {

// The one place that turns a font name into an installed font.
// "Arial Rounded MT Bold" is used where installed, else Comfortaa in bold;
// glyphs missing from either (the circled digits) come from Qt's fallback.
QFont ChooseFont(const Font& font);

// A text in a font as one key, for what is kept per font and text.
std::string FontTextKey(const Font& font, const std::string& text);

}  // namespace platform
