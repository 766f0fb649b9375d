#include "app/WinGameFullscreen.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "app/MenuBar1.h"
#include "app/WindowManager.h"
#include "platform/CarbonWindowAttributes.h"
#include "view/GameView.h"

namespace {

WinGameFullscreen* openWindow = nullptr;

}  // namespace

WinGameFullscreen* WinGameFullscreen::Instance() {
  if (!openWindow) openWindow = new WinGameFullscreen;
  return openWindow;
}

WinGameFullscreen* WinGameFullscreen::IfOpen() { return openWindow; }

WinGameFullscreen::WinGameFullscreen() {
  Layout();
  CreateControls();
}

WinGameFullscreen::~WinGameFullscreen() {
  if (openWindow == this) openWindow = nullptr;
}

void WinGameFullscreen::Layout() {
  setWindowTitle("Pemola");
  setMinimumSize(64, 64);
  setMaximumSize(32000, 32000);
  resize(600, 400);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
  // Qt rebuilds a native window whose flags change, so the attributes are
  // set before the window first shows rather than when it opens.
  CarbonWindowAttributes::Attribute(this, CarbonWindowAttributes::NoTitleBar, true);
  CarbonWindowAttributes::Attribute(this, CarbonWindowAttributes::NoShadow, true);
}

void WinGameFullscreen::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  gameView = new GameView;
  gameView->setObjectName("view");
  layout->addWidget(gameView);
  WatchMouseMoves(gameView);
  // Not part of the layout: shown over the view, it moves and resizes nothing.
  menuBar = MenuBar1::CreateFor(this);
  menuBar->hide();
}

void WinGameFullscreen::ShowOnFrontScreen() {
  QScreen* screen = QApplication::activeWindow() ? QApplication::activeWindow()->screen() : nullptr;
  if (!screen) screen = QApplication::primaryScreen();
  if (screen) setGeometry(screen->geometry());
  showFullScreen();
}

void WinGameFullscreen::FitToScreen() {
  showNormal();
  if (QScreen* s = screen()) setGeometry(s->geometry());
  showFullScreen();
}

bool WinGameFullscreen::MenuBarVisible() const { return menuBar->isVisible(); }

void WinGameFullscreen::SetMenuBarVisible(bool visible) {
  if (visible == menuBar->isVisible()) return;
  menuBar->setVisible(visible);
  if (visible) {
    menuBar->setGeometry(0, 0, width(), menuBar->sizeHint().height());
    menuBar->raise();
  }
}

bool WinGameFullscreen::MenuBarWanted() const { return WindowManager::GetScreenForWindow(this) != 0; }

void WinGameFullscreen::Event_Open() { SetMenuBarVisible(MenuBarWanted()); }

void WinGameFullscreen::Event_MouseMove(int x, int y) {
  const int W = gameView->width();
  const int H = gameView->height();
  const bool atEdge = y < 1 || x < 1 || x > W - 2 || y > H - 2;
  if (atEdge) {
    if (!MenuBarVisible()) SetMenuBarVisible(true);
  } else if (MenuBarVisible()) {
    SetMenuBarVisible(MenuBarWanted());
  }
}

// Closed means gone: the next reference makes a new window.
void WinGameFullscreen::Event_CancelClose(bool /*quitting*/) {
  if (openWindow == this) openWindow = nullptr;
}

void WinGameFullscreen::resizeEvent(QResizeEvent* event) {
  platform::WindowWidget::resizeEvent(event);
  if (menuBar->isVisible()) menuBar->setGeometry(0, 0, width(), menuBar->sizeHint().height());
}
