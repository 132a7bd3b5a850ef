// Timer1_Timer, the play tick: one fixed list of steps on the shared state, each sprite moved
// right where its step ends, then the enemy loop, one slot per enemy.
#include "game/game.h"
#include "game/steps.h"
#include "play/basic.h"

namespace game {

using play::Abs;
using play::Int;

namespace {

// The cloud drifts left and comes back at x 400 at a new height once wholly off the left edge.
void cloud(GameState& s, Form& f) {
  s.kumox = s.kumox - 1;
  if (s.kumox < -32) {
    s.kumoy = Int(f.Rnd() * 150);
    s.kumox = 400;
  }
  f.kumo.Move(s.kumox, s.kumoy);
}

// The hero stays in the left half of the field: x 0 to 205, y 0 to 230.
void hero(GameState& s, Form& f) {
  s.jikix = s.jikix + s.jikidx;
  s.jikiy = s.jikiy + s.jikidy;
  if (s.jikix < 0) s.jikix = 0;
  if (s.jikix > 205) s.jikix = 205;
  if (s.jikiy < 0) s.jikiy = 0;
  if (s.jikiy > 230) s.jikiy = 230;
  f.jiki.Move(s.jikix, s.jikiy);
}

// Past x 400 the missile parks at 500, off the right edge, where Z may fire it again.
void missile(GameState& s, Form& f) {
  s.laserx = s.laserx + 10;
  if (s.laserx > 400) s.laserx = 500;
  f.laser.Move(s.laserx, s.lasery);
}

// Every 501 ticks a new item enters at x 400, but only for the chick. Touching it makes the
// hero a chicken.
void powerUp(GameState& s, Form& f) {
  s.powertime = s.powertime + 1;
  s.powerx = s.powerx - 3;
  if (s.powertime > 500) {
    s.powertime = 0;
    s.powerx = -50;
    if (s.powered < 1) {
      s.powerx = 400;
      s.powery = Int(f.Rnd() * 200);
    }
  }
  f.power.Move(s.powerx, s.powery);
  if (Abs(s.jikix - s.powerx) < 25 && Abs(s.jikiy - s.powery) < 25) {
    f.jiki.Picture = f.niwatori.Picture;
    s.powerx = -50;  // the sprite itself leaves at the next tick's Move
    s.powered = 1;
  }
}

// The explosion goes away once, on the 20th tick after it was last placed or an enemy respawned.
void explosionTimer(GameState& s, Form& f) {
  s.firetime = s.firetime + 1;
  if (s.firetime == 20) f.fire.Move(0, 300);
}

}  // namespace

void Timer1_Timer(GameState& s, Form& f) {
  printScore(s, f);  // the score as the tick begins: a kill shows at the next tick
  cloud(s, f);
  hero(s, f);
  missile(s, f);
  powerUp(s, f);
  explosionTimer(s, f);

  // The loop counts the shared s.i. A game over resets the game from inside the slot, which
  // leaves s.i at 3, so the loop steps to 4 and the remaining enemies sit out this tick.
  for (s.i = 0; s.i <= 2; ++s.i) {
    missileHitsEnemy(s, f);
    bossPhase(s, f);  // a kill just above may have brought the score to 19, 39, 59, 79 or 99
    enemyFlight(s, f);
    shotStep(s, f);  // a shot fired again starts from where the flight just put its enemy
    shotHitsHero(s, f);
  }
}

}  // namespace game
