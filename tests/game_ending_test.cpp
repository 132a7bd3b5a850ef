// The ending: the hero flies off, the scenery sinks, the staff roll scrolls and stops.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace gametest {
namespace {

class Ending : public GameTest {
 protected:
  // As the fifth boss's fall leaves things: score 0, missile parked, the ending timer started.
  void SetUp() override {
    startGame();
    g.s.jikix = 205;
    g.s.jikiy = 40;
    g.s.kumoy = 149;
    g.s.laserx = 500;
    g.s.score = 0;
    game::ending(g.s, g.f);
  }
  void endingTick() { game::Timer3_Timer(g.s, g.f); }
  // Ending ticks until endstep moves past `stage`; returns how many it took. For a card,
  // cardEnd is where its last tick put it before the next card took lasery over.
  int runStage(int stage) {
    int n = 0;
    while (g.s.endstep == stage && n < 1000) {
      cardEnd = g.s.lasery - 3;
      endingTick();
      ++n;
    }
    return n;
  }
  double cardEnd = 0;
};

TEST_F(Ending, EndingSwapsThePlayTickForTheEndingTick) {
  EXPECT_EQ(g.f.Timer1.Interval, 0);
  EXPECT_EQ(g.f.Timer2.Interval, 0);
  EXPECT_EQ(g.f.Timer3.Interval, 1);
  endingTick();
  EXPECT_EQ(g.s.score, 100);
  ASSERT_FALSE(g.f.form1.prints.empty());
  EXPECT_EQ(g.f.form1.prints.back().text, "SCORE 100");
  for (const play::Control* c : {&g.f.tela[0], &g.f.tela[1], &g.f.tela[2], &g.f.power, &g.f.laser})
    EXPECT_FALSE(c->Visible) << c->name;
}

TEST_F(Ending, StagesRunToTheTickAndHandOverWithinIt) {
  EXPECT_EQ(runStage(0), 30);
  EXPECT_EQ(g.s.jikix, 505);
  EXPECT_EQ(g.f.jiki.x, 505);
  EXPECT_EQ(g.s.kumoy, 159);  // the cloud took its first step in that same tick
  EXPECT_EQ(g.s.jimeny, 272);

  EXPECT_EQ(runStage(1), 35);  // 36 ticks in all, the first one shared with stage 0
  EXPECT_EQ(g.s.kumoy, 509);
  EXPECT_EQ(g.f.jimen.y, 622);
  EXPECT_TRUE(g.f.form1.prints.empty());  // the black BackColor wiped the score line
  EXPECT_FALSE(g.f.form1.AutoRedraw);
  EXPECT_EQ(g.s.lasery, 397);  // stage 2 started in that tick
  EXPECT_EQ(g.f.Label1.Caption, "むにょぺ　ＥＰＩＳＯＤＥ１");
  EXPECT_EQ(g.f.Label2.Caption, "     ＳＴＡＦＦ");
  EXPECT_EQ(g.f.Label1.x, 100);
  EXPECT_EQ(g.f.Label2.x, 120);
  EXPECT_EQ(g.f.Label2.y, 427);

  EXPECT_EQ(runStage(2) + 1, 167);
  EXPECT_EQ(cardEnd, -101);
  EXPECT_EQ(g.s.lasery, 297);  // the next card's first place, in the same tick
  EXPECT_EQ(g.f.Label1.y, 297);
  EXPECT_EQ(g.f.Label1.Caption, "ぐらふぃっくでざいん");
  EXPECT_EQ(g.f.Label1.x, 110);

  const char* upper[] = {"ぐらふぃっくでざいん", "    ぷろぐらむ", "    おんがく", "     かんとく"};
  const char* lower[] = {"ぽこぺんたろう", "ぽこぺんたろう", "  ならないヾ(^^;)", "ぽこぺんたろう"};
  for (int stage = 3; stage <= 6; ++stage) {
    EXPECT_EQ(g.f.Label1.Caption, upper[stage - 3]);
    EXPECT_EQ(g.f.Label2.Caption, lower[stage - 3]);
    EXPECT_EQ(runStage(stage) + 1, 134) << stage;
    EXPECT_EQ(cardEnd, -102) << stage;
    EXPECT_EQ(g.s.lasery, 297);
  }

  EXPECT_EQ(g.f.Label1.Caption, "The Saga Continues...");
  EXPECT_EQ(g.f.Label2.Caption, "　　むにょぺ");
  EXPECT_EQ(runStage(7) + 1, 61);
  EXPECT_EQ(g.s.endstep, 8);
  EXPECT_EQ(g.f.Label1.x, 100);
  EXPECT_EQ(g.f.Label1.y, 117);
  EXPECT_EQ(g.f.Label2.x, 120);
  EXPECT_EQ(g.f.Label2.y, 147);
  EXPECT_EQ(g.f.Timer3.Interval, 0);  // stage 8 ran in the same tick
  EXPECT_EQ(g.f.Timer1.Interval, 0);
  EXPECT_EQ(g.f.form1.prints.back().text, "SCORE 100");
}

TEST_F(Ending, ZDuringTheRollPutsTheCardAtTheHerosHeight) {
  runStage(0);
  runStage(1);
  runStage(2);
  for (int k = 0; k < 10; ++k) endingTick();
  EXPECT_EQ(g.f.Label1.y, 267);
  press(kZ);  // the missile is parked, so Z fires: lasery is the roll's y
  EXPECT_EQ(g.s.laserx, 537);
  endingTick();
  EXPECT_EQ(g.f.Label1.y, 47);  // jikiy + 10 - 3
  EXPECT_FALSE(g.f.laser.Visible);

  runStage(3);
  runStage(4);
  runStage(5);
  runStage(6);
  ASSERT_EQ(g.s.endstep, 7);
  press(kZ);  // laserx is still above 400, so Z works again
  endingTick();
  EXPECT_EQ(g.s.endstep, 8);  // 47 is already above 120: the roll stops there
  EXPECT_EQ(g.f.Label1.y, 47);
  EXPECT_EQ(g.f.Timer3.Interval, 0);
}

TEST_F(Ending, KeysAfterTheEndingStartNoNewGame) {
  while (g.f.Timer3.Interval != 0) runFrame(g);
  runFrame(g, {{true, kSpace}, {true, kLeft}});
  EXPECT_EQ(g.f.Timer1.Interval + g.f.Timer2.Interval + g.f.Timer3.Interval, 0);
  EXPECT_EQ(g.s.jikidx, -7);
  EXPECT_EQ(g.s.playing, 1);
}

}  // namespace
}  // namespace gametest
