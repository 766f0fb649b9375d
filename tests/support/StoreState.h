#pragma once

// Store tests start from the state of a launch: module variables at their
// defaults, empty tables, and no preferences folder in the temporary home.
// Messages are recorded instead of shown.
#include <QDir>
#include <QFile>
#include <string>
#include <vector>

#include "app/WindowManager.h"
#include "platform/Alerts.h"
#include "platform/Files.h"
#include "store/HighscoreManager.h"
#include "store/Preferences.h"

class StoreState {
 public:
  StoreState() {
    Reset();
    platform::SetMsgBoxHandler([this](const std::string& m) { messages.push_back(m); });
  }
  ~StoreState() {
    platform::SetMsgBoxHandler(nullptr);
    platform::SetWriteFailureAfter(-1);
    Reset();
  }
  StoreState(const StoreState&) = delete;
  StoreState& operator=(const StoreState&) = delete;

  static void Reset() {
    ResetVariables();
    ClearTables();
    RemoveFiles();
  }

  static void ResetVariables() {
    Preferences::LaunchCount = 0;
    Preferences::Fullscreen = true;
    Preferences::KeyboardHint = 0;
    Preferences::UserName.clear();
    Preferences::SoundMute = false;
    Preferences::GameData.clear();
  }

  static void RemoveFiles() {
    const QString support = QString::fromStdString(SupportFolder());
    QDir(support).removeRecursively();
    QFile::remove(support);
  }

  static void ClearTables() {
    HighscoreManager::ScoreName.clear();
    HighscoreManager::ScoreLevel.clear();
    HighscoreManager::ScoreDate.clear();
    HighscoreManager::ScoreNew.clear();
    WindowManager::sKey.clear();
    WindowManager::iLeft.clear();
    WindowManager::iTop.clear();
    WindowManager::iWidth.clear();
    WindowManager::iHeight.clear();
  }

  static std::string SupportFolder() { return platform::LibraryFolder() + "/Application Support"; }
  static std::string OwnFolder() { return SupportFolder() + "/com.larkfen.pemola"; }
  static std::string PrefFile() { return OwnFolder() + "/preferences"; }

  static void WritePrefFile(const std::string& bytes) {
    QDir().mkpath(QString::fromStdString(OwnFolder()));
    QFile file(QString::fromStdString(PrefFile()));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }

  // Every name in the program's own folder.
  static QStringList FolderEntries() {
    return QDir(QString::fromStdString(OwnFolder())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }

  static std::string ReadPrefFile() { return platform::ReadWholeFile(PrefFile()).value_or("<no file>"); }

  std::vector<std::string> messages;
};
