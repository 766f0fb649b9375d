#include "PieceArt.h"

#include "QuestionMark.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>

namespace PieceArt {
namespace {

// Colours after the Okabe-Ito palette, which stays apart for colour-blind
// eyes; the outlines differ as well, so no one needs the colour.
QColor BaseColour(Shape shape) {
  switch (shape) {
    case Shape::Square: return QColor(0x1F, 0x8F, 0xE0);    // blue
    case Shape::Circle: return QColor(0xE8, 0x5A, 0x2A);    // vermilion
    case Shape::Triangle: return QColor(0xF2, 0xCF, 0x2E);  // yellow
    case Shape::Diamond: return QColor(0x14, 0xB0, 0x80);   // bluish green
    case Shape::Octagon: return QColor(0xC0, 0x66, 0xC8);   // reddish purple
  }
  return Qt::white;
}

QPainterPath Polygon(const QList<QPointF>& points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}

// The outline of a shape within a square of side s, centred on it.
QPainterPath Outline(Shape shape, double s) {
  const double c = s / 2;
  QPainterPath path;
  switch (shape) {
    case Shape::Square: {
      const double m = s * 0.14;
      path.addRoundedRect(QRectF(m, m, s - 2 * m, s - 2 * m), s * 0.06, s * 0.06);
      return path;
    }
    case Shape::Circle: {
      const double r = s * 0.40;
      path.addEllipse(QPointF(c, c), r, r);
      return path;
    }
    case Shape::Triangle: {
      // Equilateral, pointing up, its box centred in the square.
      const double w = s * 0.86;
      const double h = w * std::sqrt(3.0) / 2;
      const double top = c - h / 2 - s * 0.02;
      return Polygon({{c, top}, {c + w / 2, top + h}, {c - w / 2, top + h}});
    }
    case Shape::Diamond: {
      const double r = s * 0.43;
      return Polygon({{c, c - r}, {c + r * 0.82, c}, {c, c + r}, {c - r * 0.82, c}});
    }
    case Shape::Octagon: {
      const double r = s * 0.42;
      QList<QPointF> points;
      for (int i = 0; i < 8; ++i) {
        const double a = qDegreesToRadians(22.5 + 45.0 * i);
        points.append({c + r * std::cos(a), c + r * std::sin(a)});
      }
      return Polygon(points);
    }
  }
  return path;
}

// Corners softened a little: a hard polygon looks cut out of paper.
QPainterPath Softened(const QPainterPath& path, double radius) {
  QPainterPathStroker stroker;
  stroker.setWidth(radius * 2);
  stroker.setJoinStyle(Qt::RoundJoin);
  return path.united(stroker.createStroke(path)).simplified();
}

QPainterPath ShapePath(Shape shape, double s) {
  QPainterPath path = Outline(shape, s);
  if (shape == Shape::Triangle || shape == Shape::Diamond || shape == Shape::Octagon) {
    // Shrunk by the radius first so the softened outline keeps its size.
    QPainterPathStroker stroker;
    stroker.setWidth(s * 0.05);
    path = Softened(path.subtracted(stroker.createStroke(path)), s * 0.025);
  }
  return path;
}

// A glossy, lit shape: a body lit from the top left, a darker rim, a
// glass highlight over the upper part and a glow along the lower edge.
void PaintGlossy(QPainter& p, const QPainterPath& path, const QColor& base) {
  const QRectF box = path.boundingRect();
  p.save();
  p.setRenderHint(QPainter::Antialiasing);

  QRadialGradient body(box.left() + box.width() * 0.35, box.top() + box.height() * 0.28,
                       box.width() * 0.95);
  body.setColorAt(0.0, base.lighter(135));
  body.setColorAt(0.55, base);
  body.setColorAt(1.0, base.darker(190));
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawPath(path);

  p.setClipPath(path);
  // Glow of light through the lower part of the body.
  QLinearGradient glow(0, box.bottom(), 0, box.top() + box.height() * 0.55);
  QColor lit = base.lighter(150);
  lit.setAlpha(140);
  glow.setColorAt(0, lit);
  glow.setColorAt(1, QColor(lit.red(), lit.green(), lit.blue(), 0));
  p.setBrush(glow);
  p.drawRect(box);

  // The glass highlight: a wide ellipse over the top, fading downwards.
  const QRectF shine(box.left() - box.width() * 0.25, box.top() - box.height() * 0.55,
                     box.width() * 1.5, box.height() * 1.05);
  QLinearGradient gloss(0, box.top(), 0, shine.bottom());
  gloss.setColorAt(0, QColor(255, 255, 255, 175));
  gloss.setColorAt(0.75, QColor(255, 255, 255, 45));
  gloss.setColorAt(1, QColor(255, 255, 255, 10));
  p.setBrush(gloss);
  p.drawEllipse(shine);
  p.setClipping(false);

  // Rim: darker edge, then a fine light line just inside it.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(base.darker(230), box.width() * 0.028, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setClipPath(path);
  p.setPen(QPen(QColor(255, 255, 255, 60), box.width() * 0.012, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path.translated(0, box.height() * 0.012));
  p.restore();
}

// The lowest row of the square that is not wholly transparent.
int Bottom(const QImage& square) {
  for (int y = square.height() - 1; y > 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(square.constScanLine(y));
    for (int x = 0; x < square.width(); ++x) {
      if (qAlpha(row[x]) > 8) return y + 1;
    }
  }
  return square.height();
}

// The square on top as is, and below it the lower part of what it shows
// turned upside down, fading out: a reflection on a dark glossy floor.
QImage WithReflection(const QImage& square) {
  QImage out(kSide, kHeight, QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::transparent);
  QPainter p(&out);
  p.drawImage(0, 0, square);
  const int depth = kHeight - kSide;
  const int bottom = Bottom(square);
  QImage mirrored = square.copy(0, bottom - depth, kSide, depth).mirrored(false, true);
  {
    QPainter fade(&mirrored);
    fade.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    QLinearGradient g(0, 0, 0, depth);
    g.setColorAt(0, QColor(0, 0, 0, 120));
    g.setColorAt(0.6, QColor(0, 0, 0, 24));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    fade.fillRect(mirrored.rect(), g);
  }
  p.drawImage(0, kSide, mirrored);
  return out;
}

QImage Square() {
  QImage square(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  square.fill(Qt::transparent);
  return square;
}

QPainterPath CellPath(double inset) {
  QPainterPath cell;
  cell.addRoundedRect(QRectF(inset, inset, kSide - 2 * inset, kSide - 2 * inset), 26, 26);
  return cell;
}

}  // namespace

QImage Piece(Shape shape) {
  QImage square = Square();
  QPainter p(&square);
  PaintGlossy(p, ShapePath(shape, kSide), BaseColour(shape));
  p.end();
  return WithReflection(square);
}

QImage Empty() {
  QImage square = Square();
  QPainter p(&square);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath cell = CellPath(14);
  QLinearGradient fill(0, 14, 0, kSide - 14);
  fill.setColorAt(0, QColor(0x26, 0x27, 0x2B));
  fill.setColorAt(1, QColor(0x17, 0x18, 0x1B));
  p.setPen(QPen(QColor(0x34, 0x36, 0x3B), 4));
  p.setBrush(fill);
  p.drawPath(cell);
  p.end();
  return WithReflection(square);
}

// Over black it is a dark tile with a white mark; over the true shape at
// the end of a game the tile dims the shape and the outlined mark stays
// clear on any colour.
QImage Unknown() {
  QImage square = Square();
  QPainter p(&square);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath cell = CellPath(10);
  p.setPen(QPen(QColor(255, 255, 255, 150), 6));
  p.setBrush(QColor(0x10, 0x12, 0x18, 150));
  p.drawPath(cell);
  const QPainterPath mark = QuestionMark({kSide / 2.0, kSide / 2.0}, 200);
  for (int i = 4; i >= 1; --i) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPath(mark.translated(0, 2.5 * i));
  }
  p.setPen(QPen(QColor(0, 0, 0, 220), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(mark);
  QLinearGradient white(0, 40, 0, 220);
  white.setColorAt(0, QColor(255, 255, 255));
  white.setColorAt(1, QColor(0xDD, 0xE4, 0xF0));
  p.setPen(Qt::NoPen);
  p.setBrush(white);
  p.drawPath(mark);
  p.end();
  return WithReflection(square);
}

QImage Icon() {
  constexpr int kIcon = 512;
  QImage icon(kIcon, kIcon, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QPainterPath plate;
  plate.addRoundedRect(QRectF(16, 16, kIcon - 32, kIcon - 32), 96, 96);
  QLinearGradient ground(0, 16, 0, kIcon - 16);
  ground.setColorAt(0, QColor(0x3A, 0x40, 0x4E));
  ground.setColorAt(1, QColor(0x12, 0x14, 0x1A));
  p.setPen(QPen(QColor(0x5A, 0x60, 0x70), 6));
  p.setBrush(ground);
  p.drawPath(plate);

  // Three shapes and the asked-for cell on a 2 x 2 board.
  const QImage cells[] = {Piece(Shape::Circle), Piece(Shape::Triangle), Piece(Shape::Square),
                          Unknown()};
  constexpr int kCell = 200;
  constexpr int kLeft = (kIcon - 2 * kCell) / 2;
  for (int i = 0; i < 4; ++i) {
    const QRect target(kLeft + (i % 2) * kCell, kLeft + (i / 2) * kCell, kCell, kCell);
    p.drawImage(target, cells[i].copy(0, 0, kSide, kSide).scaled(kCell, kCell, Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation));
  }
  // A sheen over the whole plate.
  p.setClipPath(plate);
  QLinearGradient sheen(0, 16, 0, kIcon * 0.55);
  sheen.setColorAt(0, QColor(255, 255, 255, 46));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(sheen);
  p.drawEllipse(QRectF(-kIcon * 0.3, -kIcon * 0.62, kIcon * 1.6, kIcon * 1.1));
  return icon;
}

}  // namespace PieceArt
