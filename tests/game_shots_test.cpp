// Enemy shots, their hits on the hero, and the game over.
#include <gtest/gtest.h>

#include "game/steps.h"
#include "game_fixture.h"

namespace gametest {
namespace {

class Shots : public GameTest {
 protected:
  void SetUp() override { startGame(); }
  // Shot k lands on the hero's point (jikix + 11, jikiy + 11) at the next shot step.
  void aimAtHero(int k) {
    g.s.teladir[k] = 0;
    g.s.telax[k] = g.s.jikix + 11 + 5;
    g.s.telay[k] = g.s.jikiy + 11;
  }
};

TEST_F(Shots, FirstFireFromTheEnemiesAfter67Ticks) {
  ticks(66);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(g.s.telax[k], -30);
  tick();
  // The enemies fly straight from 400, 410, 420 at 50, 100, 150; the hero is at y 100.
  const double wantDir[3] = {1, 0, -1};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(g.s.telax[k], 400 + 10 * k - 134);
    EXPECT_EQ(g.s.telay[k], 50 * (k + 1));
    EXPECT_EQ(g.s.teladir[k], wantDir[k]);
    EXPECT_EQ(g.f.tela[k].x, g.s.telax[k]);
    EXPECT_EQ(g.f.tela[k].y, g.s.telay[k]);
  }
  tick();
  EXPECT_EQ(g.s.telay[0], 50);   // shot 0 always flies level
  EXPECT_EQ(g.s.telay[2], 148);  // shot 2 climbs 2 a tick
}

TEST_F(Shots, SpeedByLevelAndClimbByIndex) {
  struct Case {
    int k;
    double dir, score, dx, dy;
  };
  const Case cases[] = {{0, 1, 0, -5, 0},    {0, -1, 0, -5, 0}, {1, 1, 0, -5, 1},
                        {1, -1, 19, -5, -1}, {2, 1, 20, -6, 2}, {2, -1, 45, -7, -2},
                        {2, 0, 60, -8, 0},   {1, 1, 99, -9, 1}};
  for (const Case& c : cases) {
    g.s.score = c.score;
    g.s.telax[c.k] = 200;
    g.s.telay[c.k] = 100;
    g.s.teladir[c.k] = c.dir;
    g.s.i = c.k;
    game::shotStep(g.s, g.f);
    EXPECT_EQ(g.s.telax[c.k], 200 + c.dx) << c.k << " " << c.score;
    EXPECT_EQ(g.s.telay[c.k], 100 + c.dy) << c.k << " " << c.dir;
    EXPECT_EQ(g.f.tela[c.k].x, g.s.telax[c.k]);
  }
}

TEST_F(Shots, AShotFiredLevelWithTheHeroFliesLevel) {
  for (int k = 0; k < 3; ++k) {
    g.s.teladir[k] = 1;
    g.s.telax[k] = -30;
    g.s.ahirux[k] = 300;
    g.s.ahiruy[k] = g.s.jikiy;
    g.s.i = k;
    game::shotStep(g.s, g.f);
    EXPECT_EQ(g.s.teladir[k], 0);
    EXPECT_EQ(g.s.telax[k], 300);
  }
}

TEST_F(Shots, HitsWithinSeventeenUnitsOfTheHeroPoint) {
  struct Case {
    double dx, dy;
    bool hit;
  };
  const Case cases[] = {{0, 0, true},   {17, 17, true},  {-17, -17, true}, {18, 0, false},
                        {0, 18, false}, {-18, 0, false}, {0, -18, false}};
  for (const Case& c : cases) {
    g.s.powered = 1;
    g.s.ahirux[1] = 333;
    g.s.ahiruy[1] = 44;
    g.s.telax[1] = g.s.jikix + 11 + c.dx;
    g.s.telay[1] = g.s.jikiy + 11 + c.dy;
    g.s.i = 1;
    game::shotHitsHero(g.s, g.f);
    EXPECT_EQ(g.s.powered, c.hit ? 0 : 1) << c.dx << "," << c.dy;
    EXPECT_EQ(g.s.telax[1], c.hit ? 333 : g.s.jikix + 11 + c.dx);
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Shots, AHitCostsTheChickenItsPowerUpAndPlayGoesOn) {
  parkEnemies();
  g.s.powered = 1;
  g.f.jiki.Picture = g.f.niwatori.Picture;
  g.s.jikidx = 7;
  g.s.firetime = 9;
  aimAtHero(0);
  g.s.teladir[0] = -1;
  const double drawnAt = g.s.telax[0] - 5;
  tick();
  EXPECT_EQ(g.s.powered, 0);
  EXPECT_EQ(g.f.jiki.Picture, g.f.pipiro.Picture);
  EXPECT_EQ(g.f.fire.x, g.s.jikix);
  EXPECT_EQ(g.f.fire.y, g.s.jikiy);
  EXPECT_EQ(g.s.firetime, 0);
  EXPECT_EQ(g.s.telax[0], 400);  // back to its enemy, the sprite follows next tick
  EXPECT_EQ(g.s.telay[0], 500);
  EXPECT_EQ(g.f.tela[0].x, drawnAt);
  EXPECT_EQ(g.s.teladir[0], -1);
  EXPECT_EQ(g.s.jikidx, 7);
  EXPECT_EQ(g.s.playing, 1);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Shots, AShotFiredAgainIsTestedAtItsEnemysPlaceInTheSameTick) {
  parkEnemies();
  g.s.powered = 1;
  g.s.ahirux[2] = g.s.jikix;
  g.s.ahiruy[2] = g.s.jikiy;
  g.s.telax[2] = -30;
  tick();
  EXPECT_EQ(g.s.powered, 0);
}

TEST_F(Shots, GameOverShowsTheScoreAndReturnsToTheTitleCard) {
  for (double score : {0.0, 12.0}) {
    game::Game fresh;
    fresh.f.rt.takeSeed = [] { return 7u; };
    std::vector<std::pair<std::string, std::string>> shown;
    double fireXAtBox = 0;
    fresh.f.rt.msgBox = [&](const std::string& text, const std::string& title) {
      shown.emplace_back(text, title);
      fireXAtBox = fresh.f.fire.x;  // the explosion on the hero shows behind the box
    };
    game::Form_Initialize(fresh.s, fresh.f);
    int key = kSpace;
    game::Form_KeyDown(fresh.s, fresh.f, key);
    for (int k = 0; k < 31; ++k) game::Timer2_Timer(fresh.s, fresh.f);
    fresh.s.score = score;
    fresh.s.jikidx = 7;
    fresh.s.jikidy = -7;
    fresh.s.telax[0] = fresh.s.jikix + 7 + 11 + 5;  // the hero steps 7 right first
    fresh.s.telay[0] = fresh.s.jikiy - 7 + 11;
    game::Timer1_Timer(fresh.s, fresh.f);

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, score == 0 ? "SCORE 0" : "SCORE 12");
    EXPECT_EQ(shown[0].second, "GAME OVER");
    EXPECT_EQ(fireXAtBox, 62);
    EXPECT_EQ(fresh.s.playing, 0);
    EXPECT_EQ(fresh.s.jikidx, 0);
    EXPECT_EQ(fresh.s.jikidy, 0);
    EXPECT_EQ(fresh.f.Timer1.Interval, 0);
    EXPECT_EQ(fresh.s.score, 0);
    EXPECT_EQ(fresh.s.jikix, -100);
    EXPECT_EQ(fresh.f.laser.width(), 393);  // the card again
    EXPECT_EQ(fresh.f.laser.prints.size(), 10u);
    // Enemies 1 and 2 got no slot after the reset: still where it put them.
    EXPECT_EQ(fresh.s.i, 4);
    EXPECT_EQ(fresh.f.ahiru[1].x, 410);
    EXPECT_EQ(fresh.f.tela[1].x, 300);
    EXPECT_EQ(fresh.f.tela[2].y, 500);
  }
}

TEST_F(Shots, AChickenHitByTwoShotsInOneTickLosesPowerThenTheGame) {
  parkEnemies();
  g.s.powered = 1;
  aimAtHero(0);
  aimAtHero(1);
  tick();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(g.s.playing, 0);
  EXPECT_EQ(g.s.i, 4);
  EXPECT_EQ(g.f.jiki.Picture, g.f.pipiro.Picture);
}

TEST_F(Shots, ASecondGameKeepsWhatTheResetDoesNotSet) {
  parkEnemies();
  g.s.kumoy = 33;
  g.s.powery = 44;
  g.s.lasery = 55;
  g.s.bossdy = -1;
  g.s.bossr = 255;
  g.s.bossatariy = 108;
  g.s.j = 3;
  g.s.firetime = 5;
  g.s.ahiruangle = {1.5, 2.5, 3.5};
  g.s.ahirubasex = {11, 12, 13};
  g.s.ahirubasey = {21, 22, 23};
  g.s.teladir = {1, -1, 1};
  g.s.ahirutype[1] = 2;
  g.s.redflag = 1;
  g.s.bosshit = 4;
  aimAtHero(0);
  g.s.teladir[0] = 1;
  tick();
  ASSERT_EQ(boxes.size(), 1u);

  EXPECT_EQ(g.s.kumoy, 33);
  EXPECT_EQ(g.s.powery, 44);
  EXPECT_EQ(g.s.bossdy, -1);
  EXPECT_EQ(g.s.bossr, 255);
  EXPECT_EQ(g.s.bossatariy, 108);
  EXPECT_EQ(g.s.j, 3);
  EXPECT_EQ(g.s.firetime, 0);  // the hit set it
  EXPECT_EQ(g.s.ahirubasex[2], 13);
  EXPECT_EQ(g.s.ahirubasey[1], 22);
  EXPECT_EQ(g.s.teladir[0], 1);
  EXPECT_EQ(g.s.teladir[1], -1);
  EXPECT_EQ(g.s.ahiruangle[0], 1.5);
  EXPECT_EQ(g.s.ahirutype[1], 0);
  EXPECT_EQ(g.s.redflag, 0);
  EXPECT_EQ(g.s.bosshit, 0);
  EXPECT_EQ(g.s.laserx, 500);

  // The next game: shots 1 and 2 drift by their old direction while out of sight.
  startGame();
  tick();
  EXPECT_EQ(g.s.telax[1], 295);
  EXPECT_EQ(g.s.telay[1], 499);
  EXPECT_EQ(g.s.telay[2], 502);
}

}  // namespace
}  // namespace gametest
