#include "QuestionMark.h"

#include <QPainterPathStroker>
#include <QTransform>
#include <QtMath>

QPainterPath QuestionMark(QPointF centre, double height) {
  // Drawn in a box of 100 units. The hook leaves the arc along its tangent,
  // so the stroke has no kink where arc and curve meet.
  const QRectF arc(30, 10, 40, 40);
  const double end = qDegreesToRadians(-40.0);
  const QPointF from(50 + 20 * std::cos(end), 30 - 20 * std::sin(end));
  const QPointF tangent(20 * std::sin(end), 20 * std::cos(end));
  QPainterPath hook;
  hook.arcMoveTo(arc, 160);
  hook.arcTo(arc, 160, -200);
  hook.cubicTo(from + tangent * 0.45, QPointF(50, 52), QPointF(50, 58));
  hook.lineTo(50, 63);
  QPainterPathStroker stroker;
  stroker.setWidth(14);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  QPainterPath mark = stroker.createStroke(hook);
  QPainterPath dot;
  dot.addEllipse(QPointF(50, 83), 8, 8);
  mark = mark.united(dot).simplified();

  QTransform place;
  place.translate(centre.x(), centre.y());
  place.scale(height / 100, height / 100);
  place.translate(-50, -47);
  return place.map(mark);
}
