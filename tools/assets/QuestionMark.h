#pragma once

#include <QPainterPath>
#include <QPointF>

// A question mark as a filled outline, height times 0.88 tall, centred on
// centre: a hook of round stroke ending in a short stem, and a dot.
QPainterPath QuestionMark(QPointF centre, double height);
