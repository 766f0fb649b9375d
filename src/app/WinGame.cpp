#include "app/WinGame.h"

#include <QVBoxLayout>

#include "app/MenuBar1.h"
#include "app/WindowManager.h"
#include "game/GameManager.h"
#include "platform/Application.h"
#include "view/GameView.h"

namespace {

WinGame* openWindow = nullptr;

}  // namespace

WinGame* WinGame::Instance() {
  if (!openWindow) openWindow = new WinGame;
  return openWindow;
}

WinGame* WinGame::IfOpen() { return openWindow; }

WinGame::WinGame() {
  Layout();
  CreateControls();
}

WinGame::~WinGame() {
  if (openWindow == this) openWindow = nullptr;
}

void WinGame::Layout() {
  setWindowTitle("Pemola");
  setMinimumSize(200, 300);
  setMaximumSize(32000, 32000);
  resize(600, 400);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
}

void WinGame::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MenuBar1::CreateFor(this));
  gameView = new GameView;
  gameView->setObjectName("view");
  layout->addWidget(gameView);
}

void WinGame::Event_Open() { WindowManager::GetBounds(this, BoundsKey); }

void WinGame::Event_CancelClose(bool quitting) {
  WindowManager::StoreBounds(this, BoundsKey);
  if (GameManager::GetGameWindow() == this && !quitting) platform::Application::RequestQuit(0);
  // Closed means gone: the next reference makes a new window.
  if (openWindow == this) openWindow = nullptr;
}
