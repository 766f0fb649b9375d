#pragma once

#include "platform/MenuBar.h"

// The program's one menu bar: the Game, Edit and Help menus. Every window
// shows a copy; the handlers live on App and are found by entry name.
namespace MenuBar1 {

platform::MenuBar& Get();

// A Qt menu bar for a game window, wired to App's handlers.
QMenuBar* CreateFor(QWidget* window);

}  // namespace MenuBar1
