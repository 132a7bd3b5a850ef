// The boss fight: its phase in the enemy slot, the boss step, hits, defeat and the vanish.
#include <gtest/gtest.h>

#include "game/steps.h"
#include "game_fixture.h"

namespace gametest {
namespace {

constexpr uint32_t kOrange = 33023;

class Boss : public GameTest {
 protected:
  void SetUp() override {
    startGame();
    parkEnemies();
  }
  // One boss step as the enemy slot runs it, with the level's values loaded first.
  void step() { game::bossPhase(g.s, g.f); }
  void steps(int n) {
    for (int k = 0; k < n; ++k) step();
  }
  // A boss bobbing at a fixed height 100, ready to be hit, at the given score and hits.
  void fightAt(double score, double hits) {
    g.s.score = score;
    g.s.bosshit = hits;
    g.s.bossy = 100;
    g.s.bossdy = 0;
    g.s.bosstime = 30;
    g.f.boss.Picture = g.f.bossi[static_cast<int>(score) / 20].Picture;
  }
  // The missile on the weak spot of the level's boss at height 100 (the tick adds 10 to x).
  void aimAtWeakSpot(double x, double y) {
    g.s.laserx = x - 10;
    g.s.lasery = 100 + y - 5;
  }
  void hold() { g.s.bossdy = 0; }
};

TEST_F(Boss, LevelTableGivesColourAndWeakSpot) {
  struct Row {
    double score, r, gg, b, x, y;
  };
  const Row rows[] = {{19, 66, 66, 255, 254, 94},
                      {39, 0, 198, 0, 265, 114},
                      {59, 132, 132, 132, 271, 94},
                      {79, 255, 255, 255, 262, 108},
                      {99, 255, 255, 0, 264, 110}};
  for (const Row& row : rows) {
    fightAt(row.score, 0);
    g.s.bosstime = 24;
    step();
    EXPECT_EQ(g.s.bossr, row.r);
    EXPECT_EQ(g.s.bossg, row.gg);
    EXPECT_EQ(g.s.bossb, row.b);
    EXPECT_EQ(g.s.bossatarix, row.x);
    EXPECT_EQ(g.s.bossatariy, row.y);
    EXPECT_EQ(g.f.boss.BackColor, play::RGB(row.r, row.gg, row.b)) << row.score;
  }
  g.s.score = 20;  // outside the fight the slot runs no boss step
  g.s.bosstime = 3;
  step();
  EXPECT_EQ(g.s.bosstime, 3);
}

TEST_F(Boss, FirstBossOfTheRunWaitsOneStepThenComesDown) {
  g.s.score = 19;
  g.s.redflag = 1;
  step();
  EXPECT_EQ(g.s.bossy, -200);
  EXPECT_EQ(g.s.bossdy, 1);
  EXPECT_EQ(g.f.boss.x, 240);
  EXPECT_EQ(g.f.boss.y, -200);
  EXPECT_EQ(g.s.redflag, 0);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(g.s.ahirux[k], 450);
    EXPECT_EQ(g.s.ahirubasex[k], 450);
  }
  steps(310);
  EXPECT_EQ(g.s.bossy, 110);
  step();
  EXPECT_EQ(g.s.bossy, 111);
  EXPECT_EQ(g.s.bossdy, -1);
  steps(112);
  EXPECT_EQ(g.s.bossy, -1);
  EXPECT_EQ(g.s.bossdy, 1);
  // The first boss of a game takes its colour, and can be hit, only from its 25th step.
  EXPECT_GT(g.s.bosstime, 25);
}

TEST_F(Boss, WeakSpotOfTheLevel0Boss) {
  struct Case {
    double laserx, lasery;
    bool hit;
  };
  // bossy 100: the weak spot is x 255 to 275 (exclusive) and the missile's middle within 17 of
  // y 194.
  const Case cases[] = {{256, 189, true},  {274, 189, true},  {265, 206, true},
                        {265, 172, true},  {255, 189, false}, {275, 189, false},
                        {265, 207, false}, {265, 171, false}, {500, 189, false}};
  for (const Case& c : cases) {
    fightAt(19, 0);
    g.f.boss.SetBackColor(0);
    g.s.laserx = c.laserx;
    g.s.lasery = c.lasery;
    step();
    EXPECT_EQ(g.s.bosshit, c.hit ? 1 : 0) << c.laserx << "," << c.lasery;
    EXPECT_EQ(g.s.laserx, c.hit ? 500 : c.laserx);
    EXPECT_EQ(g.f.boss.BackColor, c.hit ? kOrange : 0u);
  }
}

TEST_F(Boss, AfterAHitTwentyFiveStepsOfOrangeThenTheSixthHitDefeats) {
  fightAt(19, 0);
  for (int hit = 1; hit <= 5; ++hit) {
    g.s.laserx = 260;
    g.s.lasery = 189;
    step();
    ASSERT_EQ(g.s.bosshit, hit);
    EXPECT_EQ(g.s.bosstime, 0);
    EXPECT_EQ(g.f.boss.BackColor, kOrange);
    for (int k = 0; k < 24; ++k) {
      g.s.laserx = 260;
      step();
      ASSERT_EQ(g.s.bosshit, hit);
    }
    EXPECT_EQ(g.f.boss.BackColor, kOrange);
  }
  EXPECT_EQ(g.s.score, 19);  // five hits do not defeat it
  g.s.laserx = 260;
  step();  // the 25th step gives back the colour and takes the sixth hit
  EXPECT_EQ(g.s.score, 20);
  EXPECT_EQ(g.s.bosshit, 0);
  EXPECT_EQ(g.s.laserx, 500);
  EXPECT_EQ(g.f.boss.x, 240);
  EXPECT_EQ(g.f.boss.y, 300);  // sunk below the field
  EXPECT_EQ(g.s.bossy, -200);
  EXPECT_EQ(g.s.bosstime, 24);
  EXPECT_EQ(g.s.j, 3);
  EXPECT_EQ(g.f.boss.Picture, g.f.bossi[1].Picture);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(g.f.ahiru[k].Picture, g.f.tsh[1].Picture);
  EXPECT_EQ(g.f.Timer3.Interval, 0);
}

TEST_F(Boss, ABossAfterADefeatedOneCanBeHitOnItsFirstStep) {
  fightAt(39, 0);
  g.s.bosstime = 24;  // as the defeat leaves it
  g.s.bossy = -200;
  g.s.bossdy = 1;
  g.s.laserx = 270;
  g.s.lasery = -199 + 114 - 5;
  g.f.boss.SetBackColor(kOrange);
  step();
  EXPECT_EQ(g.s.bosshit, 1);
}

TEST_F(Boss, ThePhaseCanStartMidTickAndADefeatEndsItMidTick) {
  // A kill in slot 1 brings the score to 19: slots 1 and 2 run boss steps, slot 0 did not.
  g.s.score = 18;
  g.s.bosstime = 0;
  g.s.bossdy = 1;
  g.s.ahirutype[0] = 0;
  g.s.ahirux[0] = 300;
  g.s.ahiruy[0] = 20;
  g.s.ahirux[1] = 100;
  g.s.ahiruy[1] = 100;
  g.s.ahirutype[2] = 0;
  g.s.laserx = 101;
  g.s.lasery = 111;
  tick();
  EXPECT_EQ(g.s.score, 19);
  EXPECT_EQ(g.s.bosstime, 2);
  EXPECT_EQ(g.f.ahiru[0].x, 298);  // flown before the fight began, then held
  EXPECT_EQ(g.s.ahirux[0], 450);
  EXPECT_EQ(g.s.ahirux[2], 448);  // held, then flown from there

  // A defeat in slot 0: slots 1 and 2 run no boss step, but fly and shoot as usual.
  fightAt(19, 5);
  g.s.ahirutype = {0, 0, 0};
  aimAtWeakSpot(260, 94);
  tick();
  EXPECT_EQ(g.s.score, 20);
  EXPECT_EQ(g.s.bosstime, 24);
  EXPECT_EQ(g.s.bossy, -200);
  EXPECT_EQ(g.s.ahirux[0], 448);
  EXPECT_EQ(g.s.ahirux[1], 448);
  EXPECT_EQ(g.s.ahirux[2], 448);
}

TEST_F(Boss, ARedEnemyKeepsItsTypeWhenTheBossFalls) {
  fightAt(59, 5);
  g.s.ahirutype[1] = 4;
  g.f.ahiru[1].Picture = g.f.red.Picture;
  g.s.laserx = 280;
  g.s.lasery = 189;
  step();
  EXPECT_EQ(g.s.score, 60);
  EXPECT_EQ(g.s.ahirutype[1], 4);
  EXPECT_EQ(g.f.ahiru[1].Picture, g.f.tsh[3].Picture);
}

TEST_F(Boss, TheLastBossVanishesOnce25StepsAfterItsThirdHit) {
  fightAt(99, 2);
  g.s.laserx = 270;
  g.s.lasery = 205;
  step();
  ASSERT_EQ(g.s.bosshit, 3);
  steps(24);
  EXPECT_EQ(g.f.boss.Picture, g.f.bossi[4].Picture);
  EXPECT_EQ(g.s.bossghost, 0);
  step();
  EXPECT_EQ(g.f.boss.Picture, g.f.toumei.Picture);
  EXPECT_EQ(g.s.bosstime, -1500);
  EXPECT_EQ(g.s.bossghost, 1);
  for (int k = 0; k < 1524; ++k) {
    g.s.laserx = 270;  // no hit while it is gone
    g.s.lasery = 205;
    step();
  }
  EXPECT_EQ(g.s.bosshit, 3);
  EXPECT_EQ(g.f.boss.Picture, g.f.toumei.Picture);
  step();  // 1525 steps on it is back, in its colour, and can be hit at once
  EXPECT_EQ(g.f.boss.Picture, g.f.bossi[4].Picture);
  EXPECT_EQ(g.s.bosshit, 4);
  for (int hit = 5; hit <= 6; ++hit) {
    steps(24);
    EXPECT_NE(g.f.boss.Picture, g.f.toumei.Picture);
    g.s.laserx = 270;
    g.s.lasery = 205;
    step();
  }
  EXPECT_EQ(g.s.score, 0);  // the fifth boss has fallen
}

TEST_F(Boss, TheFifthBossStartsTheEndingAndTheTickGoesOnAtScore0) {
  fightAt(99, 5);
  g.s.ahirutype = {0, 0, 0};
  g.s.telax = {200, 200, 200};
  g.s.bosstime = 23;  // out of reach in slot 0's step, hit in slot 1's
  aimAtWeakSpot(270, 110);
  tick();
  EXPECT_EQ(g.s.score, 0);
  EXPECT_EQ(g.f.Timer1.Interval, 0);
  EXPECT_EQ(g.f.Timer2.Interval, 0);
  EXPECT_EQ(g.f.Timer3.Interval, 1);
  EXPECT_EQ(g.f.boss.Picture, g.f.bossi[0].Picture);
  EXPECT_EQ(g.f.ahiru[2].Picture, g.f.tsh[0].Picture);
  EXPECT_EQ(g.s.telax[0], 191);  // shot 0 moved before the boss fell, at level 4
  EXPECT_EQ(g.s.telax[1], 195);  // the later ones at level 0
  EXPECT_EQ(g.s.telax[2], 195);
  EXPECT_EQ(g.s.i, 3);
}

TEST_F(Boss, AShotOnTheChickInTheTickOfTheWinDoesNotEndTheGame) {
  fightAt(99, 5);
  aimAtWeakSpot(270, 110);
  g.s.teladir[2] = 0;
  g.s.telax[2] = g.s.jikix + 11 + 5;
  g.s.telay[2] = g.s.jikiy + 11;
  tick();
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(g.s.playing, 1);
  EXPECT_EQ(g.f.Timer3.Interval, 1);
  EXPECT_EQ(g.f.fire.x, g.s.jikix);  // the shot still bursts on the hero
}

}  // namespace
}  // namespace gametest
