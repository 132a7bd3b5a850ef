// The play tick's own steps (score, cloud, hero, missile, power-up, explosion) and the keys.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace gametest {
namespace {

class PlayTick : public GameTest {
 protected:
  void SetUp() override {
    startGame();
    parkEnemies();
  }
};

TEST_F(PlayTick, PrintsTheScoreAsTheTickBeganAtTheTopLeftCorner) {
  tick();
  ASSERT_EQ(g.f.form1.prints.size(), 1u);
  EXPECT_EQ(g.f.form1.prints[0].text, "SCORE 0");
  g.s.score = 12;
  tick();
  // The new line covers the old one in the same place, so only it is kept.
  ASSERT_EQ(g.f.form1.prints.size(), 1u);
  EXPECT_EQ(g.f.form1.prints[0].text, "SCORE 12");
  EXPECT_EQ(g.f.form1.prints[0].x, 0);
  EXPECT_EQ(g.f.form1.prints[0].y, 0);
}

struct Clamp {
  double x, y, dx, dy, wantX, wantY;
};

TEST_F(PlayTick, HeroStaysWithinItsBounds) {
  const Clamp cases[] = {
      {0, 100, -7, 0, 0, 100},    {3, 100, -7, 0, 0, 100},    {7, 100, -7, 0, 0, 100},
      {205, 100, 7, 0, 205, 100}, {198, 100, 7, 0, 205, 100}, {200, 100, 7, 0, 205, 100},
      {100, 0, 0, -7, 100, 0},    {100, 230, 0, 7, 100, 230}, {100, 225, 0, 7, 100, 230},
      {0, 0, -7, -7, 0, 0},       {205, 230, 7, 7, 205, 230},
  };
  for (const Clamp& c : cases) {
    g.s.jikix = c.x;
    g.s.jikiy = c.y;
    g.s.jikidx = c.dx;
    g.s.jikidy = c.dy;
    tick();
    EXPECT_EQ(g.s.jikix, c.wantX) << c.x << "," << c.y;
    EXPECT_EQ(g.s.jikiy, c.wantY) << c.x << "," << c.y;
    EXPECT_EQ(g.f.jiki.x, c.wantX);
    EXPECT_EQ(g.f.jiki.y, c.wantY);
  }
}

TEST_F(PlayTick, LastKeyDownOnAnAxisWinsAndReleasingEitherStops) {
  press(kLeft);
  press(kRight);
  EXPECT_EQ(g.s.jikidx, 7);
  press(kDown);
  press(kUp);
  EXPECT_EQ(g.s.jikidy, -7);
  tick();
  EXPECT_EQ(g.s.jikix, 62);
  EXPECT_EQ(g.s.jikiy, 93);
  release(kLeft);  // Right is still held
  EXPECT_EQ(g.s.jikidx, 0);
  EXPECT_EQ(g.s.jikidy, -7);
  release(kDown);
  EXPECT_EQ(g.s.jikidy, 0);
  press(65);
  release(65);
  EXPECT_EQ(g.s.jikidx, 0);
}

TEST_F(PlayTick, MissileFliesFromTheHeroAndParksPastX400) {
  g.s.jikix = 38;
  g.s.jikiy = 70;
  press(kZ);
  EXPECT_EQ(g.s.laserx, 70);
  EXPECT_EQ(g.s.lasery, 80);
  EXPECT_EQ(g.f.laser.x, -32);  // nothing moves before the tick
  tick();
  EXPECT_EQ(g.f.laser.x, 80);  // first seen at jikix + 42
  EXPECT_EQ(g.f.laser.y, 80);

  g.s.jikiy = 150;
  press(kZ);  // in flight: ignored, not remembered
  EXPECT_EQ(g.s.laserx, 80);
  ticks(32);
  EXPECT_EQ(g.s.laserx, 400);  // 400 still flies
  tick();
  EXPECT_EQ(g.s.laserx, 500);
  EXPECT_EQ(g.f.laser.x, 500);
  EXPECT_EQ(g.f.laser.y, 80);  // parked at its last height
  tick();
  EXPECT_EQ(g.s.laserx, 500);

  press(kZ);  // the first Z after parking fires from where the hero is now
  EXPECT_EQ(g.s.laserx, 70);
  EXPECT_EQ(g.s.lasery, 160);
}

TEST_F(PlayTick, CloudWrapsOnlyOnceWhollyOffTheLeftEdge) {
  g.s.kumox = -31;
  g.s.kumoy = 77;
  tick();
  EXPECT_EQ(g.s.kumox, -32);
  EXPECT_EQ(g.f.kumo.x, -32);
  EXPECT_EQ(g.f.kumo.y, 77);
  tick();
  EXPECT_EQ(g.s.kumox, 400);
  EXPECT_GE(g.s.kumoy, 0);
  EXPECT_LE(g.s.kumoy, 149);
  EXPECT_EQ(g.s.kumoy, static_cast<int>(g.s.kumoy));
  EXPECT_EQ(g.f.kumo.x, 400);
  EXPECT_EQ(g.f.kumo.y, g.s.kumoy);
}

TEST_F(PlayTick, PowerUpEntersOnThe501stTickOnlyForTheChick) {
  ticks(500);
  EXPECT_EQ(g.s.powertime, 500);
  EXPECT_LT(g.s.powerx, -50);
  tick();
  EXPECT_EQ(g.s.powertime, 0);
  EXPECT_EQ(g.s.powerx, 400);
  EXPECT_GE(g.s.powery, 0);
  EXPECT_LE(g.s.powery, 199);
  EXPECT_EQ(g.f.power.x, 400);
  tick();
  EXPECT_EQ(g.s.powerx, 397);

  g.s.powered = 1;
  g.s.powertime = 500;
  tick();
  EXPECT_EQ(g.s.powerx, -50);
  EXPECT_EQ(g.f.power.x, -50);
  tick();
  EXPECT_EQ(g.s.powerx, -53);  // parked, drifting on
}

TEST_F(PlayTick, PowerUpIsPickedUpWithinTwentyFourUnits) {
  struct Case {
    double dx, dy;
    bool picked;
  };
  const Case cases[] = {{24, 24, true}, {-24, -24, true}, {0, 0, true},
                        {25, 0, false}, {0, 25, false},   {-25, 24, false}};
  for (const Case& c : cases) {
    g.s.powered = 0;
    g.f.jiki.Picture = g.f.pipiro.Picture;
    g.s.jikix = 100;
    g.s.jikiy = 100;
    g.s.powertime = 0;
    g.s.powerx = 100 + c.dx + 3;  // the tick drifts it 3 left first
    g.s.powery = 100 + c.dy;
    tick();
    EXPECT_EQ(g.f.power.x, 100 + c.dx);  // drawn where it was tested
    EXPECT_EQ(g.s.powered, c.picked ? 1 : 0) << c.dx << "," << c.dy;
    EXPECT_EQ(g.f.jiki.Picture == g.f.niwatori.Picture, c.picked) << c.dx << "," << c.dy;
    EXPECT_EQ(g.s.powerx, c.picked ? -50 : 100 + c.dx);
  }
}

TEST_F(PlayTick, ExplosionGoesAwayOnThe20thTick) {
  g.f.fire.Move(80, 90);
  g.s.firetime = 0;
  ticks(19);
  EXPECT_EQ(g.f.fire.x, 80);
  tick();
  EXPECT_EQ(g.f.fire.x, 0);
  EXPECT_EQ(g.f.fire.y, 300);
  g.f.fire.Move(80, 90);
  ticks(30);  // only the value 20 hides it
  EXPECT_EQ(g.f.fire.x, 80);
}

TEST_F(PlayTick, ALoopOverEveryEnemyLeavesTheSharedIndexAt3) {
  tick();
  EXPECT_EQ(g.s.i, 3);
}

}  // namespace
}  // namespace gametest
