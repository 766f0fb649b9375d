#pragma once

// A drawing surface that keeps a list of what is drawn on it instead of
// pixels: each text with its baseline, pixel size and colour, and the
// rectangles of pictures and fills. Positions are in surface coordinates;
// clipping is not applied.
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "platform/Surface.h"

struct DrawnText {
  std::string text;
  double x, y;  // start of the baseline
  int pixelSize;
  uint32_t colour;
  double width;  // as laid out by the installed font
};

struct DrawnRect {
  int x, y, width, height;
  bool operator==(const DrawnRect&) const = default;
};

struct Drawing {
  std::vector<DrawnText> texts;
  std::vector<DrawnRect> pictures;
  std::vector<DrawnRect> fills;

  // The texts drawn in one colour, in drawing order.
  std::vector<std::string> TextsIn(uint32_t colour) const {
    std::vector<std::string> found;
    for (const DrawnText& t : texts)
      if (t.colour == colour) found.push_back(t.text);
    return found;
  }
  const DrawnText* Find(const std::string& text) const {
    for (const DrawnText& t : texts)
      if (t.text == text) return &t;
    return nullptr;
  }
};

class RecordingEngine : public QPaintEngine {
 public:
  explicit RecordingEngine(Drawing& d) : QPaintEngine(AllFeatures), drawing(d) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  Type type() const override { return User; }

  void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { AddPicture(r); }
  void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    AddPicture(r);
  }
  void drawRects(const QRectF* rects, int count) override {
    for (int i = 0; i < count; ++i) AddFill(rects[i].toAlignedRect());
  }
  void drawRects(const QRect* rects, int count) override {
    for (int i = 0; i < count; ++i) AddFill(rects[i]);
  }
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  // A text arrives in pieces (a fallback font for some characters, say);
  // a piece that starts where the last one ended in the same colour joins it.
  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    const QPointF at = Mapped(p);
    const uint32_t colour = state->pen().color().rgb() & 0xFFFFFFu;
    const std::string text = item.text().toStdString();
    if (!drawing.texts.empty()) {
      DrawnText& last = drawing.texts.back();
      if (last.colour == colour && last.y == at.y() && std::abs(last.x + last.width - at.x()) < 0.5) {
        last.text += text;
        last.width += item.width();
        return;
      }
    }
    drawing.texts.push_back({text, at.x(), at.y(), item.font().pixelSize(), colour, item.width()});
  }

 private:
  QPointF Mapped(const QPointF& p) const { return state->transform().map(p); }
  void AddPicture(const QRectF& r) {
    const QRect d = state->transform().mapRect(r).toAlignedRect();
    drawing.pictures.push_back({d.x(), d.y(), d.width(), d.height()});
  }
  void AddFill(const QRect& r) {
    const QRect d = state->transform().mapRect(r);
    drawing.fills.push_back({d.x(), d.y(), d.width(), d.height()});
  }

  Drawing& drawing;
};

class RecordingDevice : public QPaintDevice {
 public:
  RecordingDevice(int w, int h, Drawing& drawing) : width(w), height(h), engine(drawing) {}
  QPaintEngine* paintEngine() const override { return &engine; }

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth: return width;
      case PdmHeight: return height;
      case PdmWidthMM: return width * 254 / 960;
      case PdmHeightMM: return height * 254 / 960;
      case PdmNumColors: return 0x7FFFFFFF;
      case PdmDepth: return 32;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY: return 96;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
      default: return QPaintDevice::metric(m);
    }
  }

 private:
  int width, height;
  mutable RecordingEngine engine;
};

// Graphics over a recording device: Draw into Graphics(), then read drawing.
class RecordingSurface : public platform::Surface {
 public:
  RecordingSurface(int w, int h) : device(w, h, drawing), painter(&device), size(w, h) {}
  QSize Size() const override { return size; }
  double DevicePixelRatio() const override { return 1; }
  QPainter* Begin() override {
    painter.save();
    return &painter;
  }
  void End() override { painter.restore(); }

  Drawing drawing;

 private:
  RecordingDevice device;
  QPainter painter;
  QSize size;
};

// A surface of that size and the Graphics that draws on it.
struct Recording {
  Recording(int w, int h) : surface(std::make_shared<RecordingSurface>(w, h)), g(surface) {}
  const Drawing& drawing() const { return surface->drawing; }
  std::shared_ptr<RecordingSurface> surface;
  platform::Graphics g;
};
