#include "GlyphArt.h"

#include "QuestionMark.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QtMath>
#include <cstdint>

namespace GlyphArt {
namespace {

QPainterPath Stroked(const QPainterPath& path, double width, Qt::PenCapStyle cap = Qt::RoundCap) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(cap);
  stroker.setJoinStyle(Qt::RoundJoin);
  return stroker.createStroke(path);
}

QImage Paint(const QPainterPath& shape) {
  QImage glyph(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  glyph.fill(Qt::transparent);
  QPainter p(&glyph);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawPath(shape.simplified());
  return glyph;
}

QPainterPath Ring(double width) {
  QPainterPath circle;
  circle.addEllipse(QPointF(128, 128), 128 - width / 2 - 6, 128 - width / 2 - 6);
  return Stroked(circle, width);
}

QPainterPath Disc() {
  QPainterPath disc;
  disc.addEllipse(QPointF(128, 128), 122, 122);
  return disc;
}

}  // namespace

QImage Help() { return Paint(Ring(22).united(QuestionMark({128, 128}, 170))); }

// A cup with two handles on a stem and a base.
QImage Highscore() {
  QPainterPath cup;
  cup.moveTo(58, 34);
  cup.lineTo(198, 34);
  cup.cubicTo(198, 110, 176, 150, 128, 160);
  cup.cubicTo(80, 150, 58, 110, 58, 34);
  cup.closeSubpath();
  QPainterPath handles;
  handles.moveTo(62, 56);
  handles.cubicTo(18, 50, 14, 112, 78, 120);
  handles.moveTo(194, 56);
  handles.cubicTo(238, 50, 242, 112, 178, 120);
  QPainterPath stem;
  stem.addRect(QRectF(114, 150, 28, 44));
  QPainterPath base;
  base.addRoundedRect(QRectF(70, 192, 116, 22), 6, 6);
  base.addRoundedRect(QRectF(54, 212, 148, 22), 8, 8);
  // A star knocked out of the cup.
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double a = qDegreesToRadians(-90.0 + 36.0 * i);
    const double r = i % 2 == 0 ? 34 : 14;
    star << QPointF(128 + r * std::cos(a), 88 + r * std::sin(a));
  }
  QPainterPath starPath;
  starPath.addPolygon(star);
  starPath.closeSubpath();
  QPainterPath trophy = cup.united(Stroked(handles, 16)).united(stem).united(base);
  return Paint(trophy.subtracted(starPath));
}

// A circular arrow, open at the top right, with its head there.
QImage Reload() {
  const QRectF arc(38, 38, 180, 180);
  QPainterPath circle;
  circle.arcMoveTo(arc, 60);
  circle.arcTo(arc, 60, 285);
  const double end = qDegreesToRadians(60.0);
  const QPointF tip(128 + 90 * std::cos(end), 128 - 90 * std::sin(end));
  // The head points along the circle, clockwise at the arc's start.
  const QPointF along(std::sin(end), std::cos(end));
  const QPointF across(std::cos(end), -std::sin(end));
  QPainterPath head;
  head.moveTo(tip + along * 42);
  head.lineTo(tip - across * 44 - along * 16);
  head.lineTo(tip + across * 44 - along * 16);
  head.closeSubpath();
  return Paint(Stroked(circle, 34, Qt::FlatCap).united(head));
}

QImage ArrowLeft() {
  QPainterPath arrow;
  arrow.moveTo(214, 128);
  arrow.lineTo(62, 128);
  arrow.moveTo(128, 56);
  arrow.lineTo(56, 128);
  arrow.lineTo(128, 200);
  return Paint(Stroked(arrow, 38));
}

// A disc with a cross cut out of it.
QImage Close() {
  QPainterPath cross;
  cross.moveTo(82, 82);
  cross.lineTo(174, 174);
  cross.moveTo(174, 82);
  cross.lineTo(82, 174);
  return Paint(Disc().subtracted(Stroked(cross, 30)));
}

// Fine grain around mid grey from a fixed seed; every pixel stands alone,
// so the tile repeats without seams.
QImage HeaderNoise() {
  QImage noise(64, 64, QImage::Format_RGB32);
  uint32_t state = 0x9E3779B9u;
  auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  };
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      // Sum of two uniform values: grain that clusters around the middle.
      const int v = static_cast<int>((next() >> 24) + (next() >> 24)) / 2;
      noise.setPixel(x, y, qRgb(v, v, v));
    }
  }
  return noise;
}

}  // namespace GlyphArt
