#pragma once

#include <memory>
#include <string>

#include "platform/Timer.h"

// The application: its launch, deactivation and shutdown, the menu
// commands, and the switch between the normal and the fullscreen window.
// Reached from everywhere; the Qt application object hands it its events.
namespace App {

// Whether the share prompt was shown in this run.
inline bool DisplayedReviewDialog = false;
// The one-shot sound preload and the display watch, made at launch.
inline std::unique_ptr<platform::Timer> DelayPreload;
inline std::unique_ptr<platform::Timer> tmrDC;

void Event_Open();
void Event_Close();
void Event_Deactivate();
// Before a menu is shown: the sound entry reads "Mute" or "Unmute".
void Event_EnableMenuItems();

// Runs the handler of the menu entry of that name; false when it has none.
bool MenuAction(const std::string& entryName);

void ToggleFullscreen();
void LaunchWebsite();
void LaunchFeedback();
void ToggleMute();
void LaunchShareOnFacebook();

}  // namespace App
