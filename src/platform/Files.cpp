#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {
namespace {

int64_t& failureAfter() {
  static int64_t bytes = -1;
  return bytes;
}

QString qt(const std::string& path) { return QString::fromStdString(path); }

}  // namespace

std::string LibraryFolder() {
  const QString data = qEnvironmentVariable("XDG_DATA_HOME");
  if (!data.isEmpty() && QDir::isAbsolutePath(data)) return QDir::cleanPath(data).toStdString();
  const QString home = qEnvironmentVariable("HOME");
  if (home.isEmpty()) return {};
  return QDir::cleanPath(home + "/.local/share").toStdString();
}

bool ItemExists(const std::string& path) { return QFileInfo::exists(qt(path)); }

bool IsFolder(const std::string& path) { return QFileInfo(qt(path)).isDir(); }

bool CreateFolder(const std::string& path) { return QDir().mkpath(qt(path)) && IsFolder(path); }

std::optional<std::string> ReadWholeFile(const std::string& path) {
  QFile file(qt(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  QSaveFile file(qt(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<int64_t>(bytes.size());
  const int64_t limit = failureAfter();
  if (limit >= 0 && limit < size) {
    file.write(bytes.data(), limit);
    file.flush();
    file.cancelWriting();
    file.commit();
    return false;
  }
  if (file.write(bytes.data(), size) != size) {
    file.cancelWriting();
  }
  return file.commit();
}

void SetWriteFailureAfter(int64_t bytes) { failureAfter() = bytes; }

}  // namespace platform
