#include "platform/FixedTextMetrics.h"

namespace platform {

FixedTextMetrics::FixedTextMetrics(double height, double ascent, double charWidth)
    : heightPerSize(height), ascentPerSize(ascent), charWidthPerSize(charWidth) {}

double FixedTextMetrics::Height(const Font& font) const { return font.size * heightPerSize; }

double FixedTextMetrics::Ascent(const Font& font) const { return font.size * ascentPerSize; }

double FixedTextMetrics::Width(const Font& font, const std::string& text) const {
  int count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;  // skip continuation bytes
  }
  return count * font.size * charWidthPerSize;
}

}  // namespace platform
