#include "platform/Screens.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

std::function<std::vector<Screen>()>& source() {
  static std::function<std::vector<Screen>()> fn;
  return fn;
}

Rect toRect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

}  // namespace

std::vector<Screen> Screens() {
  if (source()) return source()();
  std::vector<Screen> screens;
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return screens;
  // The primary screen comes first, as the first screen of the platform.
  QList<QScreen*> all = QGuiApplication::screens();
  if (QScreen* primary = QGuiApplication::primaryScreen(); primary && all.indexOf(primary) > 0) {
    all.removeOne(primary);
    all.prepend(primary);
  }
  for (const QScreen* s : all) screens.push_back({toRect(s->geometry()), toRect(s->availableGeometry())});
  return screens;
}

void SetScreensSource(std::function<std::vector<Screen>()> fn) { source() = std::move(fn); }

}  // namespace platform
