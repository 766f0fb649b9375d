#pragma once

#include <string>

namespace platform {

// A font as the drawing code names it. "System" is the toolkit's standard
// interface font; sizes are in logical pixels.
struct Font {
  std::string name = "System";
  double size = 12;
  bool bold = false;
};

// How wide and tall text is. Graphics measures through one of these, so
// tests can replace the installed fonts with fixed numbers.
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;

  // Ascent plus descent: one line of text.
  virtual double Height(const Font& font) const = 0;
  virtual double Ascent(const Font& font) const = 0;
  virtual double Width(const Font& font, const std::string& text) const = 0;
};

}  // namespace platform
