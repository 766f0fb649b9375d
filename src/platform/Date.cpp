#include "platform/Date.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>
#include <cmath>

namespace platform {
namespace {

// 1904-01-01 to 1970-01-01.
constexpr double EpochOffset = 2082844800.0;

QDateTime toQt(double totalSeconds) {
  // The stored count is wall-clock time, so read it back as UTC fields and
  // present them as local time.
  const auto secs = static_cast<qint64>(std::floor(totalSeconds - EpochOffset));
  QDateTime utc = QDateTime::fromSecsSinceEpoch(secs, QTimeZone::utc());
  return QDateTime(utc.date(), utc.time());
}

}  // namespace

Date Date::Now() {
  const QDateTime local = QDateTime::currentDateTime();
  const QDateTime asUtc(local.date(), local.time(), QTimeZone::utc());
  return Date(static_cast<double>(asUtc.toSecsSinceEpoch()) + EpochOffset);
}

std::string Date::ShortDate() const {
  return QLocale().toString(toQt(TotalSeconds).date(), QLocale::ShortFormat).toStdString();
}

std::string Date::ShortTime() const {
  return QLocale().toString(toQt(TotalSeconds).time(), QLocale::ShortFormat).toStdString();
}

}  // namespace platform
