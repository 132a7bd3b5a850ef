// A game on its window with a fixed random seed, a recorded message box and a small frame
// clock, for the game procedure tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "game/game.h"

namespace gametest {

constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kZ = 90, kSpace = 32;

struct KeyEvent {
  bool down;
  int code;
};

// One frame of the clock: the frame's key events first, then one tick for each timer that runs
// as the timer step begins, in the order Timer1, Timer2, Timer3. A timer stopped by an earlier
// tick of the step does not tick; one started in the step waits for the next frame.
inline void runFrame(game::Game& g, const std::vector<KeyEvent>& keys = {}) {
  for (KeyEvent k : keys) {
    if (k.down) {
      int code = k.code;
      game::Form_KeyDown(g.s, g.f, code);
    } else {
      game::Form_KeyUp(g.s, g.f, k.code);
    }
  }
  const bool run1 = g.f.Timer1.Interval != 0;
  const bool run2 = g.f.Timer2.Interval != 0;
  const bool run3 = g.f.Timer3.Interval != 0;
  if (run1 && g.f.Timer1.Interval != 0) game::Timer1_Timer(g.s, g.f);
  if (run2 && g.f.Timer2.Interval != 0) game::Timer2_Timer(g.s, g.f);
  if (run3 && g.f.Timer3.Interval != 0) game::Timer3_Timer(g.s, g.f);
}

class GameTest : public ::testing::Test {
 protected:
  GameTest() {
    g.f.rt.takeSeed = [this] { return nextSeed++; };
    g.f.rt.msgBox = [this](const std::string& text, const std::string& title) {
      boxes.emplace_back(text, title);
    };
    game::Form_Initialize(g.s, g.f);
  }

  void press(int code) {
    int k = code;
    game::Form_KeyDown(g.s, g.f, k);
  }
  void release(int code) { game::Form_KeyUp(g.s, g.f, code); }
  void frames(int n) {
    for (int k = 0; k < n; ++k) runFrame(g);
  }
  void tick() { game::Timer1_Timer(g.s, g.f); }
  void ticks(int n) {
    for (int k = 0; k < n; ++k) tick();
  }

  // From the title card to play: a key, then the 31 intro frames.
  void startGame() {
    press(kSpace);
    frames(31);
    ASSERT_EQ(g.s.playing, 1);
  }

  // Enemies that never move (type 3) and wait below the field, so neither they nor their shots
  // can meet the hero or the missile for a few hundred ticks.
  void parkEnemies() {
    for (int k = 0; k < 3; ++k) {
      g.s.ahirutype[k] = 3;
      g.s.ahirux[k] = 400;
      g.s.ahiruy[k] = 500;
      g.s.telax[k] = 400;
      g.s.telay[k] = 500;
    }
  }

  game::Game g;
  std::vector<std::pair<std::string, std::string>> boxes;
  uint32_t nextSeed = 20260101;
};

}  // namespace gametest
