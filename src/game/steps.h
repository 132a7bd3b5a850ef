// The steps of one enemy slot of the play tick, each for the enemy named by `s.i`, and the
// few helpers the procedures share.
#pragma once

#include "game/game.h"
#include "play/basic.h"

namespace game {

// The five steps of an enemy slot, in the order the play tick runs them.
void missileHitsEnemy(GameState& s, Form& f);  // (a) enemies.cpp
void bossPhase(GameState& s, Form& f);         // (b) boss.cpp
void enemyFlight(GameState& s, Form& f);       // (c) enemies.cpp
void shotStep(GameState& s, Form& f);          // (d) shots.cpp
void shotHitsHero(GameState& s, Form& f);      // (e) shots.cpp

// The score line at the window's top-left corner, printed by the play tick and the ending tick.
inline void printScore(const GameState& s, Form& f) {
  f.form1.CurrentX = 0;
  f.form1.CurrentY = 0;
  f.form1.Print("SCORE" + play::Str(s.score));
}

// Whole-number remainder with the sign of the dividend; scores are always whole.
inline long long Mod(double a, long long b) {
  return static_cast<long long>(a) % b;
}

// 0 to 4 in play: it picks the enemy picture, the boss, its colour and weak spot, the shot speed.
inline int level(const GameState& s) {
  return static_cast<int>(play::Int(s.score / 20));
}

}  // namespace game
