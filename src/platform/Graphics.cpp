#include "platform/Graphics.h"

#include <QCoreApplication>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <unordered_map>

#include "platform/FontChoice.h"
#include "platform/Picture.h"
#include "platform/PictureData.h"
#include "platform/Surface.h"
#include "platform/SystemTextMetrics.h"

namespace platform {

struct Graphics::Impl {
  std::shared_ptr<Surface> surface;
  QPoint origin;
  QRect clip;
  int width = 0;
  int height = 0;
  uint32_t colour = 0;
  Font font;
  std::shared_ptr<const TextMetrics> metrics;
};

namespace {

std::shared_ptr<const TextMetrics>& DefaultMetrics() {
  static std::shared_ptr<const TextMetrics> metrics;
  return metrics;
}

const TextMetrics& InstalledFonts() {
  static const SystemTextMetrics metrics;
  return metrics;
}

// One drawing operation: a painter from the surface, clipped to the part.
class Painting {
 public:
  Painting(Surface& s, const QRect& clip) : surface(s), painter(s.Begin()) {
    if (painter) painter->setClipRect(clip, Qt::IntersectClip);
  }
  ~Painting() {
    if (painter) surface.End();
  }
  Painting(const Painting&) = delete;
  Painting& operator=(const Painting&) = delete;

  explicit operator bool() const { return painter != nullptr; }
  QPainter* operator->() const { return painter; }
  QPainter& operator*() const { return *painter; }

 private:
  Surface& surface;
  QPainter* painter;
};

// A translucent fill in bands of 64 rows. The toolkit hands a taller one
// to its thread pool, and on the areas drawn here (a selector, a header)
// the hand-over costs more than the fill: measured, 63 us against 27 us
// for 578 x 200 pixels.
void TranslucentFill(QPainter& p, const QRect& r, const QColor& colour) {
  constexpr int Band = 64;
  for (int top = r.top(); top <= r.bottom(); top += Band)
    p.fillRect(QRect(r.left(), top, r.width(), std::min(Band, r.bottom() - top + 1)), colour);
}

// One line of text shaped once: the header draws the same few texts at
// every paint, and shaping them (with a fallback font for the circled
// digits) cost more than drawing their glyphs.
struct ShapedLine {
  QList<QGlyphRun> runs;
  double ascent = 0;
};

// The glyphs hold the toolkit's fonts, so they go with the application.
std::unordered_map<std::string, ShapedLine>& ShapedLines() {
  static std::unordered_map<std::string, ShapedLine> lines;
  static const bool releasedOnExit = (qAddPostRoutine([] { ShapedLines().clear(); }), true);
  (void)releasedOnExit;
  return lines;
}

const ShapedLine& Shaped(const Font& font, const std::string& text) {
  static constexpr size_t MaxLines = 256;
  std::unordered_map<std::string, ShapedLine>& lines = ShapedLines();
  std::string key = FontTextKey(font, text);
  if (const auto found = lines.find(key); found != lines.end()) return found->second;
  if (lines.size() >= MaxLines) lines.clear();
  QTextLayout layout(QString::fromStdString(text), ChooseFont(font));
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  ShapedLine shaped{layout.glyphRuns(), line.isValid() ? line.ascent() : 0};
  return lines.emplace(std::move(key), std::move(shaped)).first->second;
}

QColor Opaque(uint32_t rgb) { return QColor::fromRgb(0xFF000000u | (rgb & 0xFFFFFFu)); }

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::vector<std::string> SplitLineEnds(const std::string& text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words(1);
  for (const char c : line) {
    if (c == ' ') {
      words.emplace_back();
    } else {
      words.back() += c;
    }
  }
  return words;
}

}  // namespace

Graphics::Graphics(std::shared_ptr<Surface> surface) : impl(std::make_unique<Impl>()) {
  const QSize size = surface ? surface->Size() : QSize();
  impl->surface = std::move(surface);
  impl->width = size.width();
  impl->height = size.height();
  impl->clip = QRect(QPoint(), size);
}

Graphics::Graphics(const Graphics& other) : impl(std::make_unique<Impl>(*other.impl)) {}

Graphics& Graphics::operator=(const Graphics& other) {
  if (this != &other) *impl = *other.impl;
  return *this;
}

Graphics::Graphics(Graphics&& other) noexcept = default;
Graphics& Graphics::operator=(Graphics&& other) noexcept = default;
Graphics::~Graphics() = default;

int Graphics::Width() const { return impl->width; }

int Graphics::Height() const { return impl->height; }

double Graphics::DevicePixelRatio() const {
  return impl->surface ? impl->surface->DevicePixelRatio() : 1.0;
}

uint32_t Graphics::ForeColor() const { return impl->colour; }

void Graphics::SetForeColor(uint32_t rgb) { impl->colour = rgb & 0xFFFFFFu; }

const std::string& Graphics::TextFont() const { return impl->font.name; }

void Graphics::SetTextFont(const std::string& name) { impl->font.name = name; }

double Graphics::TextSize() const { return impl->font.size; }

void Graphics::SetTextSize(double size) { impl->font.size = size; }

bool Graphics::Bold() const { return impl->font.bold; }

void Graphics::SetBold(bool bold) { impl->font.bold = bold; }

double Graphics::TextHeight() const { return Metrics().Height(impl->font); }

double Graphics::TextAscent() const { return Metrics().Ascent(impl->font); }

double Graphics::StringWidth(const std::string& text) const {
  return Metrics().Width(impl->font, text);
}

void Graphics::FillRect(int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) return;
  Fill(impl->origin.x() + x, impl->origin.y() + y, width, height);
}

void Graphics::DrawLine(int x1, int y1, int x2, int y2) {
  if (x1 == x2 || y1 == y2) {
    // Straight lines are the pixels they cover, exact at any pixel ratio.
    const QPoint from = impl->origin + QPoint(std::min(x1, x2), std::min(y1, y2));
    Fill(from.x(), from.y(), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1);
    return;
  }
  if (!impl->surface) return;
  Painting p(*impl->surface, impl->clip);
  if (!p) return;
  p->setPen(QPen(Opaque(impl->colour), 1, Qt::SolidLine, Qt::SquareCap));
  const QPointF half(0.5, 0.5);
  p->drawLine(QPointF(impl->origin + QPoint(x1, y1)) + half, QPointF(impl->origin + QPoint(x2, y2)) + half);
}

void Graphics::DrawString(const std::string& text, double x, double y, double wrapWidth,
                          bool condense) {
  if (!impl->surface || text.empty()) return;
  const std::vector<std::string> lines =
      condense && wrapWidth > 0 ? std::vector<std::string>{Condensed(text, wrapWidth)}
                                : WrapLines(text, wrapWidth);
  Painting p(*impl->surface, impl->clip);
  if (!p) return;
  p->setPen(Opaque(impl->colour));
  // Other engines than the pixel one (a recording, a document) get the text
  // itself rather than its glyphs.
  const bool pixels = p->paintEngine() && p->paintEngine()->type() == QPaintEngine::Raster;
  if (!pixels) p->setFont(ChooseFont(impl->font));
  const double step = TextHeight();
  const QPointF start = QPointF(impl->origin) + QPointF(x, y);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    const QPointF baseline = start + QPointF(0, step * i);
    if (!pixels) {
      p->drawText(baseline, QString::fromStdString(lines[i]));
      continue;
    }
    const ShapedLine& line = Shaped(impl->font, lines[i]);
    for (const QGlyphRun& run : line.runs) p->drawGlyphRun(baseline - QPointF(0, line.ascent), run);
  }
}

void Graphics::DrawPicture(const Picture& picture, int x, int y) {
  DrawPicture(picture, x, y, picture.Width(), picture.Height(), 0, 0, picture.Width(), picture.Height());
}

void Graphics::DrawPicture(const Picture& picture, int x, int y, int width, int height, int sx, int sy,
                           int sw, int sh) {
  const Place place{x, y};
  DrawPictures(picture, &place, 1, width, height, sx, sy, sw, sh);
}

void Graphics::DrawPictureAt(const Picture& picture, const std::vector<Place>& places, int width, int height,
                             int sx, int sy, int sw, int sh) {
  DrawPictures(picture, places.data(), places.size(), width, height, sx, sy, sw, sh);
}

// The source is picked, scaled and its painter set up once for all the places.
void Graphics::DrawPictures(const Picture& picture, const Place* places, size_t count, int width, int height,
                            int sx, int sy, int sw, int sh) {
  if (!impl->surface || width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return;
  const auto dest = [&](size_t i) {
    return QRect(impl->origin + QPoint(places[i].x, places[i].y), QSize(width, height));
  };
  size_t first = 0;
  while (first < count && !dest(first).intersects(impl->clip)) ++first;
  if (first == count) return;
  PictureData& data = picture.Data();
  if (data.IsSinglePixel() && sx == 0 && sy == 0 && sw == 1 && sh == 1) {
    // A stretched 1 x 1 picture (a darkening overlay) is a plain fill.
    const QColor colour = data.SinglePixel();
    if (colour.alpha() == 0) return;
    Painting p(*impl->surface, impl->clip);
    if (!p) return;
    for (size_t i = first; i < count; ++i) TranslucentFill(*p, dest(i), colour);
    return;
  }
  const double ratio = impl->surface->DevicePixelRatio();
  const double from = data.Ratio();
  const QRect source(qRound(sx * from), qRound(sy * from), qRound(sw * from), qRound(sh * from));
  const QSize target(qRound(width * ratio), qRound(height * ratio));
  const DrawSource s = data.Source(source, target, ratio);
  if (s.opacity <= 0 || !s.image || s.image->isNull()) return;
  Painting p(*impl->surface, impl->clip);
  if (!p) return;
  p->setOpacity(s.opacity);
  if (s.rect.size() == target && s.image->devicePixelRatio() == ratio) {
    for (size_t i = first; i < count; ++i) p->drawImage(QPointF(dest(i).topLeft()), *s.image, QRectF(s.rect));
  } else {
    p->setRenderHint(QPainter::SmoothPixmapTransform);
    for (size_t i = first; i < count; ++i) p->drawImage(QRectF(dest(i)), *s.image, QRectF(s.rect));
  }
}

void Graphics::DrawPictureTiled(const Picture& picture, int x, int y, int width, int height) {
  if (!impl->surface || width <= 0 || height <= 0) return;
  const QRect area(impl->origin + QPoint(x, y), QSize(width, height));
  if (!area.intersects(impl->clip)) return;
  const double ratio = impl->surface->DevicePixelRatio();
  const QSize tile(qRound(picture.Width() * ratio), qRound(picture.Height() * ratio));
  const QSize pixels(qRound(width * ratio), qRound(height * ratio));
  const DrawSource s = picture.Data().Tiled(tile, pixels, ratio);
  if (s.opacity <= 0 || !s.image || s.image->isNull()) return;
  Painting p(*impl->surface, impl->clip);
  if (!p) return;
  p->setOpacity(s.opacity);
  p->drawImage(QPointF(area.topLeft()), *s.image, QRectF(s.rect));
}

Graphics Graphics::Clip(int x, int y, int width, int height) const {
  Graphics part(*this);
  part.impl->origin = impl->origin + QPoint(x, y);
  part.impl->width = std::max(0, width);
  part.impl->height = std::max(0, height);
  part.impl->clip = impl->clip & QRect(part.impl->origin, QSize(part.impl->width, part.impl->height));
  return part;
}

std::vector<std::string> Graphics::WrapLines(const std::string& text, double wrapWidth) const {
  std::vector<std::string> paragraphs = SplitLineEnds(text);
  if (wrapWidth <= 0) return paragraphs;
  std::vector<std::string> lines;
  for (const std::string& paragraph : paragraphs) {
    std::string line;
    bool started = false;
    for (const std::string& word : SplitWords(paragraph)) {
      const std::string joined = started ? line + " " + word : word;
      if (!started || StringWidth(joined) <= wrapWidth) {
        line = joined;
      } else {
        lines.push_back(line);
        line = word;
      }
      started = true;
      // A word wider than the whole line is broken where it must be.
      while (StringWidth(line) > wrapWidth && line.size() > 1) {
        size_t cut = line.size();
        do {
          do --cut;
          while (cut > 0 && IsContinuation(line[cut]));
        } while (cut > 0 && StringWidth(line.substr(0, cut)) > wrapWidth);
        if (cut == 0) {
          cut = 1;
          while (cut < line.size() && IsContinuation(line[cut])) ++cut;
        }
        if (cut >= line.size()) break;
        lines.push_back(line.substr(0, cut));
        line = line.substr(cut);
      }
    }
    lines.push_back(line);
  }
  return lines;
}

std::string Graphics::Condensed(const std::string& text, double width) const {
  if (width <= 0 || StringWidth(text) <= width) return text;
  static const std::string ellipsis = "\u2026";
  std::vector<size_t> cuts;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!IsContinuation(text[i])) cuts.push_back(i);
  }
  // The longest start of the text that fits with the ellipsis after it.
  size_t low = 0;
  size_t high = cuts.size();
  while (low + 1 < high) {
    const size_t mid = (low + high) / 2;
    if (StringWidth(text.substr(0, cuts[mid]) + ellipsis) <= width) {
      low = mid;
    } else {
      high = mid;
    }
  }
  std::string kept = text.substr(0, cuts[low]);
  while (!kept.empty() && kept.back() == ' ') kept.pop_back();
  if (kept.empty() && StringWidth(ellipsis) > width) return {};
  return kept + ellipsis;
}

void Graphics::SetTextMetrics(std::shared_ptr<const TextMetrics> metrics) {
  impl->metrics = std::move(metrics);
}

void Graphics::SetDefaultTextMetrics(std::shared_ptr<const TextMetrics> metrics) {
  DefaultMetrics() = std::move(metrics);
}

const TextMetrics& Graphics::Metrics() const {
  if (impl->metrics) return *impl->metrics;
  if (DefaultMetrics()) return *DefaultMetrics();
  return InstalledFonts();
}

void Graphics::Fill(int left, int top, int width, int height) {
  const QRect r = QRect(left, top, width, height) & impl->clip;
  if (r.isEmpty() || !impl->surface) return;
  const QRgb colour = 0xFF000000u | impl->colour;
  if (r == QRect(QPoint(), impl->surface->Size()) && impl->surface->FillWhole(colour)) return;
  Painting p(*impl->surface, impl->clip);
  if (p) p->fillRect(r, QColor::fromRgb(colour));
}

}  // namespace platform
