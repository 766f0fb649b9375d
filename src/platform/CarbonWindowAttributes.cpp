#include "platform/CarbonWindowAttributes.h"

#include <QWidget>

namespace CarbonWindowAttributes {

void Attribute(QWidget* window, uint32_t attribute, bool on) {
  if (!window) return;
  const bool wasVisible = window->isVisible();
  if (attribute & NoTitleBar) window->setWindowFlag(Qt::FramelessWindowHint, on);
  if (attribute & NoShadow) window->setWindowFlag(Qt::NoDropShadowWindowHint, on);
  if (wasVisible && !window->isVisible()) window->show();
}

}  // namespace CarbonWindowAttributes
