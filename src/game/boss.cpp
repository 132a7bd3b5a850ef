// The boss phase of the enemy slot.
#include "game/steps.h"

namespace game {

void bossPhase(GameState&, Form&) {}

}  // namespace game
