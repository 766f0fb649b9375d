#pragma once

#include <memory>

#include "platform/TextMetrics.h"

namespace platform {

// The installed fonts' own metrics, as the toolkit reports them.
class SystemTextMetrics : public TextMetrics {
 public:
  SystemTextMetrics();
  ~SystemTextMetrics() override;

  double Height(const Font& font) const override;
  double Ascent(const Font& font) const override;
  double Width(const Font& font, const std::string& text) const override;

 private:
  struct Cache;
  std::unique_ptr<Cache> cache;
};

}  // namespace platform
