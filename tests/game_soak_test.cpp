// Long sessions of random keys on the frame clock: whatever the player does, the game keeps
// to one timer at a time and its values stay in their ranges.
#include <gtest/gtest.h>

#include <random>

#include "game_fixture.h"

namespace gametest {
namespace {

struct Session {
  int gameOvers = 0, endings = 0;
};

// A player who mashes the arrows and Z. With `lateStart` every game begins at score 98 and the
// hero never loses its power-up for good, so the last boss and the ending come up often.
Session play(uint32_t seed, int frames, bool lateStart) {
  game::Game g;
  uint32_t nextSeed = seed;
  Session out;
  g.f.rt.takeSeed = [&] { return nextSeed++; };
  g.f.rt.msgBox = [&](const std::string&, const std::string&) { ++out.gameOvers; };
  game::Form_Initialize(g.s, g.f);
  std::mt19937 player(seed);
  const int codes[] = {kLeft, kUp, kRight, kDown, kZ, kZ, kZ, kSpace};
  for (int frame = 0; frame < frames; ++frame) {
    std::vector<KeyEvent> keys;
    if (player() % 4 == 0) keys.push_back({player() % 3 != 0, codes[player() % 8]});
    const bool wasPlaying = g.s.playing == 1;
    const bool wasEnding = g.f.Timer3.Interval != 0;
    if (lateStart) g.s.powered = 1;
    runFrame(g, keys);
    if (!wasPlaying && g.s.playing == 1 && lateStart) g.s.score = 98;
    if (!wasEnding && g.f.Timer3.Interval != 0) ++out.endings;

    const int running =
        (g.f.Timer1.Interval != 0) + (g.f.Timer2.Interval != 0) + (g.f.Timer3.Interval != 0);
    EXPECT_LE(running, 1) << "frame " << frame;
    if (g.f.Timer1.Interval != 0) {
      EXPECT_GE(g.s.score, 0);
      EXPECT_LE(g.s.score, 99);
      EXPECT_EQ(g.s.playing, 1);
      for (int k = 0; k < 3; ++k) {
        const double t = g.s.ahirutype[k];
        EXPECT_TRUE(t == 0 || t == 1 || t == 2 || t == 4) << "frame " << frame;
      }
    }
    if (::testing::Test::HasFailure()) break;
    // After the ending nothing runs any more: start the next session's game afresh.
    if (running == 0 && g.s.playing == 1) {
      g = game::Game{};
      g.f.rt.takeSeed = [&] { return nextSeed++; };
      g.f.rt.msgBox = [&](const std::string&, const std::string&) { ++out.gameOvers; };
      game::Form_Initialize(g.s, g.f);
    }
  }
  return out;
}

TEST(Soak, RandomPlayKeepsOneTimerAndValuesInRange) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    Session s = play(seed, 40000, false);
    EXPECT_GT(s.gameOvers, 0);
  }
}

TEST(Soak, LateGamesReachTheLastBossAndTheEnding) {
  for (uint32_t seed : {11u, 12u, 13u, 14u}) {
    Session s = play(seed, 60000, true);
    EXPECT_GT(s.endings, 0) << seed;
  }
}

}  // namespace
}  // namespace gametest
