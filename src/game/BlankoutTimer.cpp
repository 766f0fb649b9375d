#include "game/BlankoutTimer.h"

#include "game/GameInstance.h"
#include "platform/Canvas.h"

void BlankoutTimer::Action() {
  GameInstance* game = ref;
  if (!game) return;
  game->CountDown -= 1;
  if (game->ViewRef) game->ViewRef->Refresh();
  // The blankout drops this timer, so it comes last.
  if (game->CountDown <= 0) game->DoBlankout();
}
