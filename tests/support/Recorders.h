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
#include "platform/Graphics.h"
#include <functional>
#include "platform/MessageDialog.h"
#include "platform/Sound.h"
#include "platform/Ticks.h"
#include "platform/Window.h"
#include <QCoreApplication>
#include "platform/Url.h"
#include "store/HighscoreManager.h"
#include "store/Preferences.h"

struct PlayedSound {
  std::string file;  // file name without folder, e.g. "CorrectSound.mp3"
  int volume;
  bool operator==(const PlayedSound&) const = default;
};

// A canvas of a fixed size that counts what the game asks of it. Captures
// and frames are drawn for real, so their pixels can be read.
class FakeCanvas : public platform::Canvas {
 public:
  int Width() const override { return width; }
  int Height() const override { return height; }
  double DevicePixelRatio() const override { return ratio; }
  void Paint(platform::Graphics& g) override {
    ++paints;
    if (onPaint) onPaint(g);
  }
  void PaintFrame(int x, int y, int w, int h, const std::function<void(platform::Graphics&)>& frame) override {
    frames.push_back({x, y, w, h});
    if (onFrame) onFrame(frame);
  }
  struct Rect {
    int x, y, width, height;
    bool operator==(const Rect&) const = default;
  };
  int width = 600;
  int height = 400;
  double ratio = 1;
  int paints = 0;
  std::vector<Rect> frames;
  std::function<void(platform::Graphics&)> onPaint;
  std::function<void(const std::function<void(platform::Graphics&)>&)> onFrame;
  void Refresh() override { ++refreshes; }
  void RefreshRect(int, int, int, int) override { ++rectRefreshes; }
  void UpdateNow() override { ++updates; }
  int refreshes = 0;
  int rectRefreshes = 0;
  int updates = 0;
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
    HighscoreManager::ScoreName.clear();
    HighscoreManager::ScoreLevel.clear();
    HighscoreManager::ScoreDate.clear();
    HighscoreManager::ScoreNew.clear();
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
    // Transitions run on a clock that moves on by itself, so they take a
    // few frames and no real time.
    platform::SetTicksSource([this] { return clock += ticksPerRead; });
  }

  ~Recorders() {
    platform::Sound::SetPlayObserver(nullptr);
    platform::SetBeepHandler(nullptr);
    platform::SetMsgBoxHandler(nullptr);
    platform::MessageDialog::SetHandler(nullptr);
    platform::SetShowURLHandler(nullptr);
    platform::SetTicksSource(nullptr);
    CloseWindows();
    GameManager::ViewRef = nullptr;
    GameManager::ShowHighscoreDialog = nullptr;
  }

  // Windows a test opened are closed and gone before the next test.
  static void CloseWindows() {
    for (platform::Window* window : platform::Window::OpenWindows()) window->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  Recorders(const Recorders&) = delete;
  Recorders& operator=(const Recorders&) = delete;

  std::vector<PlayedSound> sounds;
  int beeps = 0;
  std::vector<std::string> messages;
  std::vector<platform::MessageDialog> dialogs;
  platform::MessageDialog::Button dialogAnswer = platform::MessageDialog::Button::Cancel;
  std::vector<std::string> urls;
  int64_t clock = 1000;
  int64_t ticksPerRead = 4;
};
