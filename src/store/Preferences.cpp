#include "store/Preferences.h"

namespace Preferences {

void Load() {}

void Save() {}

}  // namespace Preferences
