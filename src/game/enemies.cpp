// The three enemies: tekishoki sends one in again from the right, the missile shoots them
// down, and each flies by its type. The enemy is always the one named by the shared s.i.
#include "game/steps.h"

namespace game {

using play::Abs;
using play::Cos;
using play::Int;
using play::Sin;

// A fresh entry at x 400 with a new height, type and level picture; once per level, while the
// score stands at 10, 30, 50, 70 or 90, it is the red enemy with its wave. The phase in
// ahiruangle carries on from the enemy before.
void tekishoki(GameState& s, Form& f) {
  const int i = s.i;
  s.ahiruy[i] = Int(f.Rnd() * 200);
  s.ahirux[i] = 400;
  s.ahirubasey[i] = Int(f.Rnd() * 200);
  s.ahirubasex[i] = 400;
  s.ahirutype[i] = Int(f.Rnd() * 3);
  s.firetime = 0;  // keeps the explosion up for 20 more ticks, even after a plain fly-off
  f.ahiru[i].Picture = f.tsh[level(s)].Picture;
  if (Mod(s.score + 10, 20) == 0 && s.redflag == 0) {
    f.ahiru[i].Picture = f.red.Picture;
    s.redflag = 1;
    s.ahirutype[i] = 4;
  }
}

// Judged before this tick's flight, against the missile wherever it is, parked included.
// tekishoki runs before the point is added, so it sees the score before the kill.
void missileHitsEnemy(GameState& s, Form& f) {
  const int i = s.i;
  if (Abs(s.laserx - (s.ahirux[i] + 11)) < 20 && Abs(s.lasery - (s.ahiruy[i] + 11)) < 20) {
    f.fire.Move(s.ahirux[i], s.ahiruy[i]);
    tekishoki(s, f);
    s.laserx = 500;
    s.score = s.score + 1;
  }
}

void enemyFlight(GameState& s, Form& f) {
  const int i = s.i;
  // The type is read once: an enemy respawned halfway through still finishes this branch, on
  // the values tekishoki has just set.
  const double type = s.ahirutype[i];

  if (type == 0) {  // straight
    s.ahirux[i] = s.ahirux[i] - 2;
    if (s.ahirux[i] < -32) tekishoki(s, f);
    f.ahiru[i].Move(s.ahirux[i], s.ahiruy[i]);
  } else if (type == 1) {  // hopping along the ground, up to y 80
    s.ahirux[i] = s.ahirux[i] - 2;
    if (s.ahirux[i] < -32) tekishoki(s, f);
    s.ahiruangle[i] = s.ahiruangle[i] + 0.05;
    s.ahiruy[i] = 230 - Abs(Int(Sin(s.ahiruangle[i]) * 150));
    f.ahiru[i].Move(s.ahirux[i], s.ahiruy[i]);
  } else if (type == 2) {  // circling at radius 50 about a centre that drifts left
    s.ahirubasex[i] = s.ahirubasex[i] - 2;
    if (s.ahirubasex[i] < -32) tekishoki(s, f);  // the centre leaves, not the sprite
    s.ahiruangle[i] = s.ahiruangle[i] + 0.1;
    s.ahirux[i] = s.ahirubasex[i] + Int(Sin(s.ahiruangle[i]) * 50);
    s.ahiruy[i] = s.ahirubasey[i] + Int(Cos(s.ahiruangle[i]) * 50);
    f.ahiru[i].Move(s.ahirux[i], s.ahiruy[i]);
  } else if (type == 4) {  // the red enemy: swinging 80 above and below its centre height
    s.ahirubasex[i] = s.ahirubasex[i] - 2;
    if (s.ahirubasex[i] < -32) tekishoki(s, f);
    s.ahiruangle[i] = s.ahiruangle[i] + 0.2;
    s.ahirux[i] = s.ahirux[i] - 2;
    s.ahiruy[i] = s.ahirubasey[i] + Int(Cos(s.ahiruangle[i]) * 80);
    f.ahiru[i].Move(s.ahirux[i], s.ahiruy[i]);
  }
  // Any other type stands still.
}

}  // namespace game
