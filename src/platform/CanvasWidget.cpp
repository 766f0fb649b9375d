#include "platform/CanvasWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <memory>

#include "platform/Graphics.h"
#include "platform/PainterSurface.h"

namespace platform {
namespace {

// Qt reports Escape and a few other keys with their control character as
// text; keys without text (arrows, modifiers) reach nobody.
std::string keyText(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Escape) return std::string(1, '\x1b');
  return event.text().toStdString();
}

}  // namespace

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(false);
}

void CanvasWidget::RefreshRect(int x, int y, int w, int h) {
  const QRect rect(x, y, w, h);
  pending += rect;
  update(rect);
}

void CanvasWidget::UpdateNow() {
  if (pending.isEmpty()) return;
  const QRegion region = pending;
  pending = QRegion();
  repaint(region);
}

void CanvasWidget::PaintFrame(int x, int y, int w, int h, const std::function<void(Graphics&)>& draw) {
  frame = &draw;
  repaint(x, y, w, h);
  frame = nullptr;
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Graphics g(std::make_shared<PainterSurface>(painter, size()));
  if (frame)
    (*frame)(g);
  else
    Paint(g);
}

void CanvasWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (opened) return;
  opened = true;
  setFocus();
  Event_Open();
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
  const std::string key = keyText(*event);
  if (key.empty()) return QWidget::keyPressEvent(event);
  Event_KeyDown(key);
  event->accept();
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  tracking = Event_MouseDown(p.x(), p.y());
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (tracking && (event->buttons() & Qt::LeftButton))
    Event_MouseDrag(p.x(), p.y());
  else
    Event_MouseMove(p.x(), p.y());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !tracking) return;
  tracking = false;
  const QPoint p = event->position().toPoint();
  Event_MouseUp(p.x(), p.y());
}

}  // namespace platform
