// Enemies: tekishoki, the missile's hit on them and their four flights.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "game/steps.h"
#include "game_fixture.h"

namespace gametest {
namespace {

constexpr double kPi = std::numbers::pi;

class Enemies : public GameTest {
 protected:
  void SetUp() override {
    startGame();
    parkEnemies();
  }
  // Enemy k stands at (x, y) with a type that leaves it where it is.
  void place(int k, double x, double y) {
    g.s.ahirutype[k] = 3;
    g.s.ahirux[k] = x;
    g.s.ahiruy[k] = y;
  }
  void respawn(int k) {
    g.s.i = k;
    game::tekishoki(g.s, g.f);
  }
  void fly(int k) {
    g.s.i = k;
    game::enemyFlight(g.s, g.f);
  }
};

TEST_F(Enemies, MissileHitsWithinNineteenUnitsOfThePointElevenIn) {
  struct Case {
    double laserx, lasery;
    bool hit;
  };
  // The enemy at (200, 100): the point is (211, 111).
  const Case cases[] = {{211, 111, true},  {230, 111, true}, {192, 111, true},  {211, 130, true},
                        {211, 92, true},   {230, 130, true}, {231, 111, false}, {191, 111, false},
                        {211, 131, false}, {211, 91, false}, {231, 131, false}};
  for (const Case& c : cases) {
    place(1, 200, 100);
    g.s.score = 0;
    g.s.laserx = c.laserx;
    g.s.lasery = c.lasery;
    g.s.i = 1;
    game::missileHitsEnemy(g.s, g.f);
    EXPECT_EQ(g.s.score, c.hit ? 1 : 0) << c.laserx << "," << c.lasery;
    EXPECT_EQ(g.s.laserx, c.hit ? 500 : c.laserx);
  }
}

TEST_F(Enemies, AKillPlacesTheExplosionRespawnsParksAndScoresInThatOrder) {
  place(1, 150, 60);
  g.s.score = 5;
  g.s.firetime = 7;
  g.s.laserx = 152;  // the tick adds 10 first
  g.s.lasery = 65;
  tick();
  EXPECT_EQ(g.f.fire.x, 150);
  EXPECT_EQ(g.f.fire.y, 60);
  EXPECT_EQ(g.s.firetime, 0);
  EXPECT_EQ(g.s.laserx, 500);
  EXPECT_EQ(g.s.score, 6);
  EXPECT_EQ(g.f.ahiru[1].Picture, g.f.tsh[0].Picture);
  EXPECT_NE(g.s.ahirutype[1], 3);  // flown by its new type at once
  EXPECT_LE(g.s.ahirux[1], 450);
  EXPECT_GE(g.s.ahirux[1], 348);
  ASSERT_EQ(g.f.form1.prints.size(), 1u);
  EXPECT_EQ(g.f.form1.prints[0].text, "SCORE 5");  // the point shows at the next tick
}

TEST_F(Enemies, RespawnSeesTheScoreBeforeTheKill) {
  // The kill that leaves 10 respawns an ordinary enemy; the kill made at 10 sends the red one.
  g.s.score = 9;
  place(0, 150, 60);
  g.s.laserx = 160;
  g.s.lasery = 70;
  g.s.i = 0;
  game::missileHitsEnemy(g.s, g.f);
  EXPECT_EQ(g.s.score, 10);
  EXPECT_EQ(g.s.redflag, 0);
  EXPECT_EQ(g.f.ahiru[0].Picture, g.f.tsh[0].Picture);

  place(0, 150, 60);
  g.s.laserx = 160;
  game::missileHitsEnemy(g.s, g.f);
  EXPECT_EQ(g.s.score, 11);
  EXPECT_EQ(g.s.redflag, 1);
  EXPECT_EQ(g.s.ahirutype[0], 4);
  EXPECT_EQ(g.f.ahiru[0].Picture, g.f.red.Picture);
}

TEST_F(Enemies, TekishokiSendsAFreshEnemyOfTheLevel) {
  const double spriteX = g.f.ahiru[2].x;
  for (int lvl = 0; lvl < 5; ++lvl) {
    g.s.score = 20 * lvl + 3;
    g.s.ahiruangle[2] = 1.25;
    g.s.firetime = 12;
    respawn(2);
    EXPECT_EQ(g.s.i, 2);
    EXPECT_EQ(g.s.ahirux[2], 400);
    EXPECT_EQ(g.s.ahirubasex[2], 400);
    for (double v : {g.s.ahiruy[2], g.s.ahirubasey[2]}) {
      EXPECT_GE(v, 0);
      EXPECT_LE(v, 199);
      EXPECT_EQ(v, std::floor(v));
    }
    EXPECT_TRUE(g.s.ahirutype[2] == 0 || g.s.ahirutype[2] == 1 || g.s.ahirutype[2] == 2);
    EXPECT_EQ(g.s.ahiruangle[2], 1.25);  // the phase carries on
    EXPECT_EQ(g.s.firetime, 0);
    EXPECT_EQ(g.f.ahiru[2].Picture, g.f.tsh[lvl].Picture);
    EXPECT_EQ(g.f.ahiru[2].x, spriteX);  // the sprite waits for its flight
  }
}

TEST_F(Enemies, OneRedEnemyPerLevelAtTen30507090) {
  for (double score : {10, 30, 50, 70, 90}) {
    g.s.score = score;
    g.s.redflag = 0;
    respawn(0);
    EXPECT_EQ(g.s.ahirutype[0], 4) << score;
    EXPECT_EQ(g.s.redflag, 1);
    EXPECT_EQ(g.f.ahiru[0].Picture, g.f.red.Picture);
    respawn(1);  // a second respawn at the same score is ordinary
    EXPECT_NE(g.s.ahirutype[1], 4) << score;
    EXPECT_EQ(g.f.ahiru[1].Picture, g.f.tsh[static_cast<int>(score) / 20].Picture);
  }
  for (double score : {0, 9, 11, 19, 20, 40}) {
    g.s.score = score;
    g.s.redflag = 0;
    respawn(0);
    EXPECT_NE(g.s.ahirutype[0], 4) << score;
    EXPECT_EQ(g.s.redflag, 0);
  }
}

TEST_F(Enemies, StraightFlightRespawnsOnlyBelowMinus32) {
  place(0, -30, 120);
  g.s.ahirutype[0] = 0;
  fly(0);
  EXPECT_EQ(g.f.ahiru[0].x, -32);
  EXPECT_EQ(g.f.ahiru[0].y, 120);
  g.s.firetime = 9;
  fly(0);
  EXPECT_EQ(g.s.ahirux[0], 400);
  EXPECT_EQ(g.f.ahiru[0].x, 400);
  EXPECT_EQ(g.f.ahiru[0].y, g.s.ahiruy[0]);  // drawn at its new random height
  EXPECT_EQ(g.s.firetime, 0);
}

TEST_F(Enemies, HoppingFlight) {
  place(0, 300, 10);
  g.s.ahirutype[0] = 1;
  g.s.ahiruangle[0] = 1.0;
  fly(0);
  EXPECT_EQ(g.s.ahirux[0], 298);
  EXPECT_DOUBLE_EQ(g.s.ahiruangle[0], 1.05);
  EXPECT_EQ(g.s.ahiruy[0], 230 - std::floor(std::sin(1.05) * 150));
  EXPECT_EQ(g.f.ahiru[0].y, g.s.ahiruy[0]);

  // Floor before Abs: a sine of -0.001 gives 229, a tiny positive one 230.
  g.s.ahiruangle[0] = kPi + 0.001 - 0.05;
  fly(0);
  EXPECT_EQ(g.s.ahiruy[0], 229);
  g.s.ahiruangle[0] = kPi - 0.001 - 0.05;
  fly(0);
  EXPECT_EQ(g.s.ahiruy[0], 230);

  // Respawned inside the branch: x 400, but the height comes from the hop.
  g.s.ahirux[0] = -31;
  g.s.ahiruangle[0] = 0.45;
  fly(0);
  EXPECT_EQ(g.s.ahirux[0], 400);
  EXPECT_EQ(g.s.ahiruy[0], 230 - std::floor(std::sin(0.5) * 150));
  EXPECT_EQ(g.f.ahiru[0].x, 400);
}

TEST_F(Enemies, CirclingFlightFollowsItsCentre) {
  place(2, 0, 0);
  g.s.ahirutype[2] = 2;
  g.s.ahirubasex[2] = 200;
  g.s.ahirubasey[2] = 100;
  g.s.ahiruangle[2] = 0.4;
  fly(2);
  EXPECT_EQ(g.s.ahirubasex[2], 198);
  EXPECT_EQ(g.s.ahirux[2], 198 + std::floor(std::sin(0.5) * 50));
  EXPECT_EQ(g.s.ahiruy[2], 100 + std::floor(std::cos(0.5) * 50));

  // The centre at -32 flies on though the sprite is 50 left of it, out of view.
  g.s.ahirubasex[2] = -30;
  g.s.ahiruangle[2] = 3 * kPi / 2 - 0.1;
  fly(2);
  EXPECT_EQ(g.s.ahirubasex[2], -32);
  EXPECT_EQ(g.s.ahirux[2], -82);

  // The centre at -34 respawns it though the sprite would be in view at x 15; it is then put
  // on its circle about the new centre.
  g.s.ahirubasex[2] = -32;
  g.s.ahiruangle[2] = 1.3;
  fly(2);
  EXPECT_EQ(g.s.ahirubasex[2], 400);
  EXPECT_EQ(g.s.ahirux[2], 400 + std::floor(std::sin(1.4) * 50));
  EXPECT_EQ(g.s.ahiruy[2], g.s.ahirubasey[2] + std::floor(std::cos(1.4) * 50));
  EXPECT_EQ(g.f.ahiru[2].x, g.s.ahirux[2]);
}

TEST_F(Enemies, RedWaveFlight) {
  place(1, 300, 0);
  g.s.ahirutype[1] = 4;
  g.s.ahirubasex[1] = 300;
  g.s.ahirubasey[1] = 120;
  g.s.ahiruangle[1] = 0;
  fly(1);
  EXPECT_EQ(g.s.ahirubasex[1], 298);
  EXPECT_EQ(g.s.ahirux[1], 298);
  EXPECT_EQ(g.s.ahiruy[1], 120 + std::floor(std::cos(0.2) * 80));

  // Respawned inside the branch: the sprite still steps 2 left of the new centre.
  g.s.ahirubasex[1] = -31;
  fly(1);
  EXPECT_EQ(g.s.ahirubasex[1], 400);
  EXPECT_EQ(g.s.ahirux[1], 398);
  EXPECT_EQ(g.f.ahiru[1].x, 398);
}

TEST_F(Enemies, AnyOtherTypeStandsStill) {
  place(0, 123, 45);
  g.f.ahiru[0].Move(7, 8);
  g.s.ahiruangle[0] = 0.3;
  fly(0);
  EXPECT_EQ(g.s.ahirux[0], 123);
  EXPECT_EQ(g.s.ahiruangle[0], 0.3);
  EXPECT_EQ(g.f.ahiru[0].x, 7);
}

}  // namespace
}  // namespace gametest
