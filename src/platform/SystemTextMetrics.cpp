#include "platform/SystemTextMetrics.h"

#include <QFontMetricsF>
#include <optional>

#include "platform/FontChoice.h"

namespace platform {

// Drawing code measures the same font many times in a row; the metrics of
// the last font asked for are kept.
struct SystemTextMetrics::Cache {
  Font font;
  std::optional<QFontMetricsF> metrics;

  const QFontMetricsF& For(const Font& wanted) {
    if (!metrics || wanted.name != font.name || wanted.size != font.size || wanted.bold != font.bold) {
      font = wanted;
      metrics.emplace(ChooseFont(wanted));
    }
    return *metrics;
  }
};

SystemTextMetrics::SystemTextMetrics() : cache(std::make_unique<Cache>()) {}

SystemTextMetrics::~SystemTextMetrics() = default;

double SystemTextMetrics::Height(const Font& font) const { return cache->For(font).height(); }

double SystemTextMetrics::Ascent(const Font& font) const { return cache->For(font).ascent(); }

double SystemTextMetrics::Width(const Font& font, const std::string& text) const {
  return cache->For(font).horizontalAdvance(QString::fromStdString(text));
}

}  // namespace platform
