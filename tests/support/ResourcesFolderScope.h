#pragma once

#include <string>

#include "platform/Resources.h"
#include "view/PictureAssets.h"
#include "view/SoundAssets.h"

// Points the program at a resources folder for one test, with no picture
// or sound kept from before, and puts everything back afterwards.
class ResourcesFolderScope {
 public:
  explicit ResourcesFolderScope(const std::string& folder) : before(platform::ResourcesFolder()) {
    platform::SetResourcesFolder(folder);
    PictureAssets::Forget();
    SoundAssets::Forget();
  }
  ~ResourcesFolderScope() {
    platform::SetResourcesFolder(before);
    PictureAssets::Forget();
    SoundAssets::Forget();
  }
  ResourcesFolderScope(const ResourcesFolderScope&) = delete;
  ResourcesFolderScope& operator=(const ResourcesFolderScope&) = delete;

 private:
  std::string before;
};
