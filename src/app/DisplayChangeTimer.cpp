#include "app/DisplayChangeTimer.h"

#include "app/WinGameFullscreen.h"
#include "app/WindowManager.h"
#include "store/Preferences.h"

void DisplayChangeTimer::Action() {
  const bool changed = WindowManager::CheckDisplayChange();
  if (!changed || !Preferences::Fullscreen) return;
  if (WinGameFullscreen* window = WinGameFullscreen::IfOpen()) window->FitToScreen();
}
