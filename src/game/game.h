// The game's event procedures. Each works on the one GameState and the window's controls;
// the enemy they handle is named by the shared index `s.i`, never passed.
#pragma once

#include "game/state.h"
#include "play/form.h"

namespace game {

using play::Form;

// The game and its window, as the run time hands them to every event.
struct Game {
  GameState s;
  Form f;
};

// Window creation, and every game over: the reset, then the title card.
void Form_Initialize(GameState& s, Form& f);
// A key press; KeyCode is a Windows virtual-key number and may be set to 0 by the start branch.
void Form_KeyDown(GameState& s, Form& f, int& KeyCode);
void Form_KeyUp(GameState& s, Form& f, int KeyCode);
void Timer1_Timer(GameState& s, Form& f);  // the play tick
void Timer2_Timer(GameState& s, Form& f);  // the intro tick
void Timer3_Timer(GameState& s, Form& f);  // the ending tick

// Called from the play tick.
void tekishoki(GameState& s, Form& f);     // respawn enemy s.i
void bossshutugen(GameState& s, Form& f);  // one boss step
void ending(GameState& s, Form& f);        // the fifth boss has fallen

}  // namespace game
