// Form_Initialize: the reset that prepares a new game, then the title card on `laser`.
// Also Timer2_Timer, the intro that flies the hero in and hands over to the play tick.
#include "game/game.h"

namespace game {

namespace {

constexpr uint32_t kWhite = 16777215;

void reset(GameState& s, Form& f) {
  f.Randomize();

  s.laserx = 500;
  s.kumox = -30;
  s.powered = 0;
  s.bossy = -200;
  s.playing = 0;
  s.jimeny = 262;
  s.score = 0;
  s.jikix = -100;
  s.jikiy = 100;
  s.powertime = 0;
  s.powerx = -50;
  s.bosshit = 0;
  s.bosstime = 0;
  s.endstep = 0;
  s.redflag = 0;
  s.bossghost = 0;

  f.jiki.Picture = f.pipiro.Picture;

  f.jimen.Move(-30, 262);
  f.power.Move(136, 312);
  f.kumo.Move(136, 296);
  f.jiki.Move(s.jikix, s.jikiy);
  f.fire.Move(48, 320);
  f.boss.Move(216, 304);

  f.boss.Picture = f.bossi[0].Picture;

  for (s.i = 0; s.i <= 2; ++s.i) {
    const int i = s.i;
    f.ahiru[i].Picture = f.tsh[0].Picture;
    s.ahirutype[i] = 0;
    s.ahirux[i] = 10 * i + 400;
    s.ahiruy[i] = (i + 1) * 50;
    f.ahiru[i].Move(s.ahirux[i], s.ahiruy[i]);
    s.telax[i] = 300;
    s.telay[i] = 500;
    f.tela[i].Move(s.telax[i], s.telay[i]);
  }
}

void printAt(Form& f, double x, double y, double size, uint32_t colour, const char* text) {
  f.laser.CurrentX = x;
  f.laser.CurrentY = y;
  f.laser.FontSize = size;
  f.laser.ForeColor = colour;
  f.laser.Print(text);
}

void titleCard(Form& f) {
  f.laser.SetHeight(297);
  f.laser.SetWidth(393);
  f.laser.Move(-1, -1);
  f.laser.SetBackColor(0);
  f.laser.FontSize = 48;
  f.laser.AutoRedraw = true;
  f.laser.ForeColor = kWhite;

  printAt(f, 53, 33, 48, 12632256, "むにょぺ");
  printAt(f, 50, 30, 48, 65535, "むにょぺ");
  printAt(f, 250, 90, 17, kWhite, "EPISODE 1");
  printAt(f, 100, 110, 15, kWhite, "｢↑｣･･･up");
  printAt(f, 100, 130, 15, kWhite, "｢↓｣･･･down");
  printAt(f, 100, 150, 15, kWhite, "｢←｣･･･left");
  printAt(f, 100, 170, 15, kWhite, "｢→｣･･･right");
  printAt(f, 100, 190, 15, kWhite, "｢ Z ｣･･･missile");
  printAt(f, 80, 220, 17, kWhite, "push any key to start");
  printAt(f, 50, 260, 14, kWhite, "(C) 2026  むにょぺ remake team");
}

}  // namespace

void Form_Initialize(GameState& s, Form& f) {
  reset(s, f);
  titleCard(f);
}

// From x -100 the hero comes in 5 a tick: the 31st tick puts it at x 55 and starts play.
void Timer2_Timer(GameState& s, Form& f) {
  s.jikix = s.jikix + 5;
  f.jiki.Move(s.jikix, s.jikiy);
  if (s.jikix > 50) {
    f.Timer1.Interval = 1;
    f.Timer2.Interval = 0;
    s.playing = 1;
  }
}

}  // namespace game
