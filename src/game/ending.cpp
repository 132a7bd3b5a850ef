// The ending tick.
#include "game/game.h"

namespace game {

void Timer3_Timer(GameState&, Form&) {}

}  // namespace game
