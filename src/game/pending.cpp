// Temporary: the play procedures land with the play tick.
#include "game/game.h"

namespace game {
void Form_KeyDown(GameState&, Form&, int&) {}
void Form_KeyUp(GameState&, Form&, int) {}
void Timer1_Timer(GameState&, Form&) {}
void Timer2_Timer(GameState&, Form&) {}
void Timer3_Timer(GameState&, Form&) {}
}  // namespace game
