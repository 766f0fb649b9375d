#include "view/GameView.h"

#include "game/GameManager.h"
#include "view/GameScreen.h"
#include "view/KeyMap.h"

void GameView::Paint(platform::Graphics& g) {
  if (GameManager::game) GameScreen::Draw(*GameManager::game, g);
}

void GameView::Event_Open() {
  GameManager::ViewRef = this;
  if (GameManager::game) GameManager::game->ViewRef = this;
}

void GameView::Event_KeyDown(const std::string& key) {
  if (GameManager::game) KeyMap::KeyDown(*GameManager::game, key);
}

bool GameView::Event_MouseDown(int x, int y) {
  return GameManager::game && GameManager::game->CallMouseDown(x, y);
}

void GameView::Event_MouseDrag(int x, int y) {
  if (GameManager::game) GameManager::game->CallMouseDrag(x, y);
}

void GameView::Event_MouseUp(int x, int y) {
  if (GameManager::game) GameManager::game->CallMouseUp(x, y);
}

void GameView::Event_MouseMove(int x, int y) {
  if (GameManager::game) GameManager::game->CallMouseMove(x, y);
}
