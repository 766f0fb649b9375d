#include "platform/SystemTextMetrics.h"

#include <QFontMetricsF>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/FontChoice.h"

namespace platform {

// Drawing code measures the same font many times in a row, and the same
// few texts in a few fonts at every paint; the metrics of the last font
// asked for are kept, and the widths measured lately.
struct SystemTextMetrics::Cache {
  static constexpr size_t MaxWidths = 256;
  Font font;
  std::optional<QFontMetricsF> metrics;
  std::unordered_map<std::string, double> widths;

  const QFontMetricsF& For(const Font& wanted) {
    if (!metrics || wanted.name != font.name || wanted.size != font.size || wanted.bold != font.bold) {
      font = wanted;
      metrics.emplace(ChooseFont(wanted));
    }
    return *metrics;
  }

  double Width(const Font& wanted, const std::string& text) {
    std::string key = FontTextKey(wanted, text);
    if (const auto found = widths.find(key); found != widths.end()) return found->second;
    if (widths.size() >= MaxWidths) widths.clear();
    return widths[std::move(key)] = For(wanted).horizontalAdvance(QString::fromStdString(text));
  }
};

SystemTextMetrics::SystemTextMetrics() : cache(std::make_unique<Cache>()) {}

SystemTextMetrics::~SystemTextMetrics() = default;

double SystemTextMetrics::Height(const Font& font) const { return cache->For(font).height(); }

double SystemTextMetrics::Ascent(const Font& font) const { return cache->For(font).ascent(); }

double SystemTextMetrics::Width(const Font& font, const std::string& text) const {
  return cache->Width(font, text);
}

}  // namespace platform
