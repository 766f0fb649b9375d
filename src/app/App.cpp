#include "app/App.h"

#include <functional>
#include <map>

#include "app/DisplayChangeTimer.h"
#include "app/MenuBar1.h"
#include "app/TimerDelayPreload.h"
#include "app/WinGame.h"
#include "app/WinGameFullscreen.h"
#include "game/GameManager.h"
#include "platform/Application.h"
#include "platform/Url.h"
#include "store/Preferences.h"
#include "store/WinHighscore.h"
#include "view/GameView.h"
#include "view/SoundAssets.h"

namespace App {
namespace {

constexpr int PreloadDelayMs = 10;
constexpr int DisplayWatchMs = 3000;

GameInstance* game() { return GameManager::game.get(); }

void FileFullscreen() { ToggleFullscreen(); }

void FileNewGame() {
  SoundAssets::PlayUnlessMuted(SoundAssets::FlipPiece());
  GameManager::NewGame();
}

void FilePauseResume() {
  if (game()) game()->TimerToggle();
}

void FileHighscore() {
  if (game()) game()->ToggleHighscore();
}

void FileAbout() {
  if (game()) game()->ToggleAbout();
}

void FileClose() { platform::Application::RequestQuit(0); }

void FileMute() { ToggleMute(); }

void FileReload() {
  if (game()) game()->BoardReload();
}

void HelpContact() { LaunchFeedback(); }

void HelpWebsite() { LaunchWebsite(); }

void HelpShareOnFacebook() { LaunchShareOnFacebook(); }

const std::map<std::string, void (*)()>& MenuHandlers() {
  static const std::map<std::string, void (*)()> handlers = {
      {"FileFullscreen", FileFullscreen}, {"FileNewGame", FileNewGame}, {"FilePauseResume", FilePauseResume},
      {"FileHighscore", FileHighscore},   {"FileAbout", FileAbout},     {"FileClose", FileClose},
      {"FileMute", FileMute},             {"FileReload", FileReload},   {"HelpContact", HelpContact},
      {"HelpWebsite", HelpWebsite},       {"HelpShareOnFacebook", HelpShareOnFacebook},
  };
  return handlers;
}

template <class T>
std::unique_ptr<platform::Timer> StartTimer(int period, int mode) {
  auto timer = std::make_unique<T>();
  timer->SetPeriod(period);
  timer->SetMode(mode);
  return timer;
}

// Shows a game window in front, with the keyboard on its view.
void Present(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

platform::Window* GameWindow() {
  if (Preferences::Fullscreen) return WinGameFullscreen::Instance();
  return WinGame::Instance();
}

}  // namespace

void Event_Open() {
  GameManager::GameWindowSource = GameWindow;
  GameManager::ShowHighscoreDialog = WinHighscore::Show;
  Preferences::Load();
  GameManager::NewGame();
  if (!Preferences::GameData.empty()) {
    GameManager::game->SetState(Preferences::GameData);
    GameManager::game->NewBoard(false, true, false);
  }
  Present(WinGame::Instance());
  if (Preferences::Fullscreen) {
    WinGameFullscreen::Instance()->ShowOnFrontScreen();
    Present(WinGameFullscreen::Instance());
    WinGame::Instance()->close();
  }
  DelayPreload = StartTimer<TimerDelayPreload>(PreloadDelayMs, platform::Timer::Single);
  tmrDC = StartTimer<DisplayChangeTimer>(DisplayWatchMs, platform::Timer::Multiple);
}

void Event_Close() {
  if (game()) Preferences::GameData = game()->GetState();
  Preferences::Save();
}

void Event_Deactivate() {
  if (game()) game()->TimerPause();
}

void Event_EnableMenuItems() { MenuBar1::Get().SetCaption("FileMute", Preferences::SoundMute ? "Unmute" : "Mute"); }

bool MenuAction(const std::string& entryName) {
  const auto& handlers = MenuHandlers();
  const auto it = handlers.find(entryName);
  if (it == handlers.end()) return false;
  it->second();
  return true;
}

// The new window shows before the old one closes, so the game always has a
// view; the preference changes first, so the normal window's close is not
// taken for a quit.
void ToggleFullscreen() {
  if (Preferences::Fullscreen) {
    WinGame* window = WinGame::Instance();
    Present(window);
    Preferences::Fullscreen = false;
    if (WinGameFullscreen* old = WinGameFullscreen::IfOpen()) old->close();
    window->view()->Refresh();
  } else {
    WinGameFullscreen* window = WinGameFullscreen::Instance();
    window->ShowOnFrontScreen();
    Present(window);
    Preferences::Fullscreen = true;
    if (WinGame* old = WinGame::IfOpen()) old->close();
    window->view()->Refresh();
  }
}

void LaunchWebsite() { platform::ShowURL("http://www.larkfen.com/pemola.html"); }

void LaunchFeedback() { platform::ShowURL("http://www.larkfen.com/contact.html?s=Pemola"); }

void ToggleMute() { Preferences::SoundMute = !Preferences::SoundMute; }

void LaunchShareOnFacebook() {
  platform::ShowURL("https://www.facebook.com/sharer.php?u=" +
                    platform::EncodeURLComponent("http://www.larkfen.com/pemola/"));
}

}  // namespace App
