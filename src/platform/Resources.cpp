#include "platform/Resources.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {
namespace {

std::string& overrideFolder() {
  static std::string folder;
  return folder;
}

}  // namespace

std::string ResourcesFolder() {
  if (!overrideFolder().empty()) return overrideFolder();
  if (!QCoreApplication::instance()) return {};
  const QDir exe(QCoreApplication::applicationDirPath());
  // Beside the executable in the build tree, or <prefix>/share/pemola once installed.
  for (const QString& candidate : {exe.filePath("resources"), exe.filePath("../share/pemola/resources")}) {
    if (QDir(candidate).exists()) return QDir(candidate).canonicalPath().toStdString();
  }
  return {};
}

void SetResourcesFolder(const std::string& folder) { overrideFolder() = folder; }

}  // namespace platform
