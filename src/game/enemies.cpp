// The three enemies: the missile's hit on them and their flight.
#include "game/steps.h"

namespace game {

void missileHitsEnemy(GameState&, Form&) {}
void enemyFlight(GameState&, Form&) {}

}  // namespace game
