// The enemies' shots and their hits on the hero.
#include "game/steps.h"

namespace game {

void shotStep(GameState&, Form&) {}
void shotHitsHero(GameState&, Form&) {}

}  // namespace game
