#pragma once

#include <functional>

// The application object's state and commands that the rest of the program
// reaches.
namespace App {

// Whether the share prompt was shown in this run.
inline bool DisplayedReviewDialog = false;

void LaunchShareOnFacebook();

// Switches between the normal and the fullscreen game window; set by the
// windows once they exist, so a game without windows has nothing to switch.
inline std::function<void()> ToggleFullscreen;

}  // namespace App
