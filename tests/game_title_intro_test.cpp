// The reset, the title card, the start key and the intro.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace gametest {
namespace {

using TitleIntro = GameTest;

TEST_F(TitleIntro, ResetLaysOutANewGameAndTheCard) {
  EXPECT_EQ(g.s.i, 3);
  EXPECT_EQ(g.s.jikix, -100);
  EXPECT_EQ(g.s.jikiy, 100);
  EXPECT_EQ(g.f.jiki.Picture, g.f.pipiro.Picture);
  EXPECT_EQ(g.f.boss.Picture, g.f.bossi[0].Picture);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(g.f.ahiru[k].x, 400 + 10 * k);
    EXPECT_EQ(g.f.ahiru[k].y, 50 * (k + 1));
    EXPECT_EQ(g.f.ahiru[k].Picture, g.f.tsh[0].Picture);
    EXPECT_EQ(g.f.tela[k].x, 300);
    EXPECT_EQ(g.f.tela[k].y, 500);
  }
  EXPECT_EQ(g.f.laser.x, -1);
  EXPECT_EQ(g.f.laser.y, -1);
  EXPECT_EQ(g.f.laser.width(), 393);
  EXPECT_EQ(g.f.laser.height(), 297);
  EXPECT_EQ(g.f.laser.BackColor, 0u);
  ASSERT_EQ(g.f.laser.prints.size(), 10u);
  EXPECT_EQ(g.f.laser.prints[0].text, "むにょぺ");
  EXPECT_EQ(g.f.laser.prints[0].colour, 12632256u);
  EXPECT_EQ(g.f.laser.prints[1].x, 50);
  EXPECT_EQ(g.f.laser.prints[1].colour, 65535u);
  EXPECT_EQ(g.f.laser.prints[7].text, "｢ Z ｣･･･missile");
  EXPECT_EQ(g.f.laser.prints[8].text, "push any key to start");
  EXPECT_EQ(g.f.laser.prints[8].fontSize, 17);
  EXPECT_EQ(g.f.Timer1.Interval + g.f.Timer2.Interval + g.f.Timer3.Interval, 0);
}

TEST_F(TitleIntro, AnyKeyTurnsTheCardIntoTheMissileAndStartsTheIntro) {
  press(65);  // 'A': a key the game has no other use for
  EXPECT_EQ(g.f.laser.width(), 10);
  EXPECT_EQ(g.f.laser.height(), 10);
  EXPECT_EQ(g.f.laser.BackColor, 16777215u);
  EXPECT_TRUE(g.f.laser.prints.empty());
  EXPECT_FALSE(g.f.laser.AutoRedraw);
  EXPECT_EQ(g.f.laser.x, -32);
  EXPECT_EQ(g.f.laser.y, 0);
  EXPECT_EQ(g.f.Timer1.Interval, 0);
  EXPECT_EQ(g.f.Timer2.Interval, 1);
  EXPECT_EQ(g.s.playing, 0);
}

TEST_F(TitleIntro, IntroFliesTheHeroInForThirtyOneTicksToX55) {
  runFrame(g, {{true, kSpace}});
  EXPECT_EQ(g.s.jikix, -95);  // the timer started by the key ticks in the key's own frame
  frames(29);
  EXPECT_EQ(g.s.jikix, 50);
  EXPECT_EQ(g.s.playing, 0);
  EXPECT_EQ(g.f.Timer2.Interval, 1);
  frames(1);  // the 31st intro tick hands over
  EXPECT_EQ(g.s.jikix, 55);
  EXPECT_EQ(g.f.jiki.x, 55);
  EXPECT_EQ(g.f.jiki.y, 100);
  EXPECT_EQ(g.s.playing, 1);
  EXPECT_EQ(g.f.Timer1.Interval, 1);
  EXPECT_EQ(g.f.Timer2.Interval, 0);
  EXPECT_TRUE(g.f.form1.prints.empty());  // no play tick yet
  frames(1);
  ASSERT_EQ(g.f.form1.prints.size(), 1u);
  EXPECT_EQ(g.f.form1.prints[0].text, "SCORE 0");
}

TEST_F(TitleIntro, AStartKeyThatIsAnArrowOrZDoesNothingElse) {
  for (int code : {kLeft, kUp, kRight, kDown, kZ}) {
    game::Game fresh;
    fresh.f.rt.takeSeed = [] { return 1u; };
    game::Form_Initialize(fresh.s, fresh.f);
    int k = code;
    game::Form_KeyDown(fresh.s, fresh.f, k);
    EXPECT_EQ(k, 0) << code;
    EXPECT_EQ(fresh.s.jikidx, 0) << code;
    EXPECT_EQ(fresh.s.jikidy, 0) << code;
    EXPECT_EQ(fresh.s.laserx, 500) << code;
    EXPECT_EQ(fresh.f.Timer2.Interval, 1) << code;
  }
}

TEST_F(TitleIntro, AKeyDuringTheIntroRestartsOnlyTheIntroTimer) {
  runFrame(g, {{true, kSpace}});
  frames(9);
  EXPECT_EQ(g.s.jikix, -50);
  g.f.laser.Move(123, 45);  // wherever it stands, the start branch puts it back
  runFrame(g, {{true, kRight}, {true, kZ}});
  EXPECT_EQ(g.s.jikidx, 0);
  EXPECT_EQ(g.s.laserx, 500);
  EXPECT_EQ(g.f.laser.x, -32);
  EXPECT_EQ(g.f.Timer1.Interval, 0);
  EXPECT_EQ(g.s.jikix, -45);  // the intro carries on from where the hero was
  frames(20);
  EXPECT_EQ(g.s.playing, 1);
  EXPECT_EQ(g.s.jikix, 55);
}

TEST_F(TitleIntro, KeyUpActsOnTheTitleCardToo) {
  g.s.jikidx = 7;
  g.s.jikidy = -7;
  release(kLeft);
  release(kDown);
  EXPECT_EQ(g.s.jikidx, 0);
  EXPECT_EQ(g.s.jikidy, 0);
  EXPECT_EQ(g.f.Timer2.Interval, 0);
}

}  // namespace
}  // namespace gametest
