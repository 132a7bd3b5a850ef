// The enemies' shots: each enemy's shot flies left, fires again from its enemy once past the
// left edge, and may hit the hero. A hit costs the chicken its power-up and the chick the game.
#include "game/steps.h"

namespace game {

using play::Abs;
using play::Int;
using play::Sgn;
using play::Str;

// 5 units a tick at level 0, one more per level. The climb is the direction times the index,
// so shot 0 always flies level and shot 2 moves 2 units a tick.
void shotStep(GameState& s, Form& f) {
  const int i = s.i;
  s.telax[i] = s.telax[i] - 5 - Int(s.score / 20);
  s.telay[i] = s.telay[i] + s.teladir[i] * i;
  if (s.telax[i] < -32) {
    s.teladir[i] = Sgn(s.jikiy - s.ahiruy[i]);  // toward the hero, judged from the enemy's height
    s.telax[i] = s.ahirux[i];
    s.telay[i] = s.ahiruy[i];
  }
  f.tela[i].Move(s.telax[i], s.telay[i]);
}

void shotHitsHero(GameState& s, Form& f) {
  const int i = s.i;
  if (!(Abs(s.telax[i] - (s.jikix + 11)) < 18 && Abs(s.telay[i] - (s.jikiy + 11)) < 18)) return;

  f.fire.Move(s.jikix, s.jikiy);
  s.firetime = 0;
  // Back to its enemy; the sprite follows at the next tick's shot step.
  s.telax[i] = s.ahirux[i];
  s.telay[i] = s.ahiruy[i];

  // In the tick in which the fifth boss falls the ending has already begun; a shot then must
  // not take the win away and bring the title card up under the running ending.
  if (s.powered == 0 && f.Timer3.Interval == 0) {
    f.MsgBox("SCORE" + Str(s.score), "GAME OVER");
    s.playing = 0;
    s.jikidx = 0;
    s.jikidy = 0;
    f.Timer1.Interval = 0;
    // Back to the title card. The reset's own loop leaves s.i at 3, which ends the play tick's
    // enemy loop after this slot.
    Form_Initialize(s, f);
  }
  // After a game over the hero is the chick again, so this never follows one.
  if (s.powered == 1) {
    s.powered = 0;
    f.jiki.Picture = f.pipiro.Picture;
  }
}

}  // namespace game
