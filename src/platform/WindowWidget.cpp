#include "platform/WindowWidget.h"

#include <QCloseEvent>
#include <QMouseEvent>

#include "platform/Application.h"

namespace platform {

WindowWidget::WindowWidget(QWidget* parent) : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  setMouseTracking(true);
}

WindowWidget::~WindowWidget() { Closed(this); }

void WindowWidget::SetLeft(int32_t value) { setGeometry(value, Top(), Width(), Height()); }

void WindowWidget::SetTop(int32_t value) { setGeometry(Left(), value, Width(), Height()); }

void WindowWidget::SetWidth(int32_t value) { setGeometry(Left(), Top(), value, Height()); }

void WindowWidget::SetHeight(int32_t value) { setGeometry(Left(), Top(), Width(), value); }

void WindowWidget::WatchMouseMoves(QWidget* control) {
  control->setMouseTracking(true);
  control->installEventFilter(this);
}

void WindowWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (opened) return;
  opened = true;
  Opened(this);
  Event_Open();
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  Event_CancelClose(Application::Quitting());
  Closed(this);
  event->accept();
}

bool WindowWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    const auto* move = static_cast<QMouseEvent*>(event);
    const QPoint p = mapFromGlobal(move->globalPosition().toPoint());
    Event_MouseMove(p.x(), p.y());
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace platform
