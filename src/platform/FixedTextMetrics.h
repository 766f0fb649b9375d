#pragma once

#include "platform/TextMetrics.h"

namespace platform {

// Text metrics that depend on the text size alone, with every character
// equally wide, so layout arithmetic can be checked without real fonts.
// The defaults give a text height of 18 at size 15.
class FixedTextMetrics : public TextMetrics {
 public:
  explicit FixedTextMetrics(double heightPerSize = 1.2, double ascentPerSize = 0.9,
                            double charWidthPerSize = 0.5);

  double Height(const Font& font) const override;
  double Ascent(const Font& font) const override;
  // Characters are counted as code points of the UTF-8 text.
  double Width(const Font& font, const std::string& text) const override;

 private:
  double heightPerSize;
  double ascentPerSize;
  double charWidthPerSize;
};

}  // namespace platform
