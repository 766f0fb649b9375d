#include "platform/Url.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {
namespace {

std::function<void(const std::string&)>& handler() {
  static std::function<void(const std::string&)> fn;
  return fn;
}

}  // namespace

void ShowURL(const std::string& url) {
  if (handler()) return handler()(url);
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

std::string EncodeURLComponent(const std::string& text) {
  return QUrl::toPercentEncoding(QString::fromStdString(text)).toStdString();
}

void SetShowURLHandler(std::function<void(const std::string&)> fn) { handler() = std::move(fn); }

}  // namespace platform
