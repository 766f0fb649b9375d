#pragma once

// Test seams bundled: every sound played, beep and message dialog is
// recorded instead of reaching the user, and the game's globals start from
// their defaults.
#include <string>
#include <vector>

#include "app/App.h"
#include "game/GameManager.h"
#include "platform/Alerts.h"
#include "platform/Canvas.h"
#include "platform/MessageDialog.h"
#include "platform/Sound.h"
#include "platform/Url.h"
#include "store/Preferences.h"

struct PlayedSound {
  std::string file;  // file name without folder, e.g. "CorrectSound.mp3"
  int volume;
  bool operator==(const PlayedSound&) const = default;
};

class FakeCanvas : public platform::Canvas {
 public:
  int Width() const override { return 600; }
  int Height() const override { return 400; }
  void Refresh() override { ++refreshes; }
  int refreshes = 0;
};

class Recorders {
 public:
  Recorders() {
    Preferences::LaunchCount = 0;
    Preferences::Fullscreen = true;
    Preferences::KeyboardHint = 0;
    Preferences::UserName.clear();
    Preferences::SoundMute = false;
    Preferences::GameData.clear();
    App::DisplayedReviewDialog = false;
    GameManager::ViewRef = nullptr;
    GameManager::ShowHighscoreDialog = nullptr;

    platform::Sound::SetPlayObserver([this](const platform::Sound& s) {
      const std::string& path = s.Path();
      sounds.push_back({path.substr(path.find_last_of('/') + 1), s.Volume()});
    });
    platform::SetBeepHandler([this] { ++beeps; });
    platform::SetMsgBoxHandler([this](const std::string& m) { messages.push_back(m); });
    platform::MessageDialog::SetHandler([this](const platform::MessageDialog& d) {
      dialogs.push_back(d);
      return dialogAnswer;
    });
    platform::SetShowURLHandler([this](const std::string& url) { urls.push_back(url); });
  }

  ~Recorders() {
    platform::Sound::SetPlayObserver(nullptr);
    platform::SetBeepHandler(nullptr);
    platform::SetMsgBoxHandler(nullptr);
    platform::MessageDialog::SetHandler(nullptr);
    platform::SetShowURLHandler(nullptr);
    GameManager::ViewRef = nullptr;
    GameManager::ShowHighscoreDialog = nullptr;
  }

  Recorders(const Recorders&) = delete;
  Recorders& operator=(const Recorders&) = delete;

  std::vector<PlayedSound> sounds;
  int beeps = 0;
  std::vector<std::string> messages;
  std::vector<platform::MessageDialog> dialogs;
  platform::MessageDialog::Button dialogAnswer = platform::MessageDialog::Button::Cancel;
  std::vector<std::string> urls;
};
