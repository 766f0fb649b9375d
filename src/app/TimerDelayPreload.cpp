#include "app/TimerDelayPreload.h"

#include "view/SoundAssets.h"

void TimerDelayPreload::Action() { SoundAssets::Preload(); }
