#pragma once

// The application object's state and commands that the rest of the program
// reaches.
namespace App {

// Whether the share prompt was shown in this run.
inline bool DisplayedReviewDialog = false;

void LaunchShareOnFacebook();

}  // namespace App
