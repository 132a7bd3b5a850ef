// The bot plays a whole game headless, from the title card to the last staff-roll card, on the
// real frame clock, and the game's values are checked after every event on the way.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "bot.h"
#include "clock.h"

namespace {

struct Played {
  int frames = 0, playTicks = 0, endingTicks = 0, gameOvers = 0, powerLosses = 0;
  int bossesBeaten = 0;
};

bool finite(const game::Per3& a) {
  return std::isfinite(a[0]) && std::isfinite(a[1]) && std::isfinite(a[2]);
}

Played playWholeGame(game::Game& g, uint32_t seed) {
  Played out;
  uint32_t next = seed;
  g.f.rt.takeSeed = [&] { return next++; };
  g.f.rt.msgBox = [&](const std::string&, const std::string&) { ++out.gameOvers; };

  const game::GameState& s = g.s;
  double lastEndstep = 0, lastPowered = 0, lastScore = 0;
  app::Clock clock(g, [&](int frame, const char* eventName, int) {
    const std::string event = eventName;
    SCOPED_TRACE("frame " + std::to_string(frame) + " " + event);
    const int running =
        (g.f.Timer1.Interval != 0) + (g.f.Timer2.Interval != 0) + (g.f.Timer3.Interval != 0);
    ASSERT_LE(running, 1);
    ASSERT_GE(s.i, 0);
    ASSERT_LE(s.i, 4);
    if (g.f.Timer1.Interval != 0) {
      ASSERT_GE(s.score, 0);
      ASSERT_LE(s.score, 99);
    }
    if (event == "tick1") {
      ++out.playTicks;
      ASSERT_GE(s.jikix, 0);
      ASSERT_LE(s.jikix, 205);
      ASSERT_GE(s.jikiy, 0);
      ASSERT_LE(s.jikiy, 230);
      ASSERT_TRUE(s.laserx <= 400 || s.laserx == 500) << s.laserx;
      // The point that ends a boss fight; the fifth one turns the score back to 0.
      if ((s.score == lastScore + 1 && std::fmod(s.score, 20) == 0) ||
          (lastScore == 99 && s.score == 0)) {
        ++out.bossesBeaten;
      }
      lastScore = s.score;
    }
    if (event == "tick3") {
      ++out.endingTicks;
      ASSERT_EQ(s.score, 100);
    }
    for (const game::Per3* a : {&s.ahirux, &s.ahiruy, &s.ahiruangle, &s.ahirubasex, &s.ahirubasey,
                                &s.telax, &s.telay, &s.teladir}) {
      ASSERT_TRUE(finite(*a));
    }
    ASSERT_GE(s.powertime, 0);
    ASSERT_LE(s.powertime, 500);
    ASSERT_GE(s.endstep, lastEndstep);
    ASSERT_LE(s.endstep, 8);
    ASSERT_GE(s.bossy, -201);
    ASSERT_LE(s.bossy, 300);
    if (s.powered < lastPowered) ++out.powerLosses;
    lastEndstep = s.endstep;
    lastPowered = s.powered;
  });

  bot::Bot player;
  std::set<int> down;  // the keys the bot holds
  clock.start();
  constexpr int kMaxFrames = 100000;
  while (!bot::restsOnLastCard(g) && clock.next() < kMaxFrames &&
         !::testing::Test::HasFatalFailure()) {
    const std::vector<play::KeyEvent> keys = player.keys(g);
    // A person's keys: a key is released only while held and pressed only while up, so every
    // shot is a fresh press of Z.
    for (const play::KeyEvent& k : keys) {
      const bool held = down.count(k.code) > 0;
      EXPECT_EQ(held, !k.down) << "frame " << clock.next() << (k.down ? " down " : " up ")
                               << k.code;
      if (k.down) {
        down.insert(k.code);
      } else {
        down.erase(k.code);
      }
    }
    clock.frame(keys);
  }
  out.frames = clock.next();
  return out;
}

// A few seeds, each a different game: the bot must win every one without losing the chick.
class BotGame : public ::testing::TestWithParam<uint32_t> {};

TEST_P(BotGame, PlaysFromTheTitleCardToTheLastCard) {
  const uint32_t seed = GetParam();
  game::Game g;
  const Played p = playWholeGame(g, seed);
  ASSERT_FALSE(::testing::Test::HasFatalFailure());
  std::printf("seed %u: %d frames, %d play ticks, %d ending ticks, %d power-ups lost\n",
              static_cast<unsigned>(seed), p.frames, p.playTicks, p.endingTicks, p.powerLosses);
  RecordProperty("frames", p.frames);
  RecordProperty("play_ticks", p.playTicks);

  // The chick never died and every boss fell on the way.
  EXPECT_EQ(p.gameOvers, 0);
  EXPECT_EQ(p.bossesBeaten, 5);

  // The last card rests and nothing runs any more.
  EXPECT_EQ(g.s.endstep, 8);
  EXPECT_EQ(g.f.Timer1.Interval, 0);
  EXPECT_EQ(g.f.Timer2.Interval, 0);
  EXPECT_EQ(g.f.Timer3.Interval, 0);
  EXPECT_EQ(g.f.Label1.Caption, "The Saga Continues...");
  EXPECT_EQ(g.f.Label1.x, 100);
  EXPECT_EQ(g.f.Label1.y, 117);
}

INSTANTIATE_TEST_SUITE_P(Seeds, BotGame, ::testing::Values(20260101u, 7u, 4242424242u));

}  // namespace
