#pragma once

#include <string>

namespace platform {

// The folder that holds the program's pictures and sounds, or the empty
// string when there is none.
std::string ResourcesFolder();

// Tests point the program at a folder of their own; empty restores the default.
void SetResourcesFolder(const std::string& folder);

}  // namespace platform
