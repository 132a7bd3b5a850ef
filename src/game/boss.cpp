// The boss fight. While the score stands at 19, 39, 59, 79 or 99 every enemy slot runs one
// boss step, so up to three a tick: the enemies wait off the right edge, the boss comes down
// at x 240 and bobs, and six hits on its weak spot sink it and add the point that ends the
// fight. The last boss vanishes once, 25 steps after its third hit.
#include "game/steps.h"

namespace game {

using play::Abs;
using play::Int;
using play::RGB;
using play::ValMid;

namespace {

// Three digits per level, level 0 first.
constexpr const char* kBossR = "066000132255255";
constexpr const char* kBossG = "066198132255255";
constexpr const char* kBossB = "255000132255000";
constexpr const char* kBossAtariX = "254265271262264";  // the weak spot's x
constexpr const char* kBossAtariY = "094114094108110";  // the weak spot's y below the boss's top

constexpr uint32_t kFlash = 33023;  // orange, RGB(255, 128, 0)

}  // namespace

void bossPhase(GameState& s, Form& f) {
  if (Mod(s.score, 20) != 19) return;
  const int at = 1 + 3 * level(s);
  s.bossr = ValMid(kBossR, at, 3);
  s.bossg = ValMid(kBossG, at, 3);
  s.bossb = ValMid(kBossB, at, 3);
  s.bossatarix = ValMid(kBossAtariX, at, 3);
  s.bossatariy = ValMid(kBossAtariY, at, 3);
  bossshutugen(s, f);
}

void bossshutugen(GameState& s, Form& f) {
  s.redflag = 0;  // the next level may send its red enemy

  // The enemies wait off the right edge; their flights and shots still run from there.
  s.ahirux[0] = 450;
  s.ahirux[1] = 450;
  s.ahirux[2] = 450;
  s.ahirubasex[0] = 450;
  s.ahirubasex[1] = 450;
  s.ahirubasex[2] = 450;

  // Down from -200 until past 110, then bobbing between -1 and 111. Until the first boss of
  // the run sets bossdy it is 0, so that boss stays put for one step.
  s.bossy = s.bossy + s.bossdy;
  if (s.bossy > 110) s.bossdy = -1;
  if (s.bossy < 0) s.bossdy = 1;
  f.boss.Move(240, s.bossy);

  s.bosstime = s.bosstime + 1;
  if (s.bosstime == 25) {
    if (f.boss.Picture == f.toumei.Picture) f.boss.Picture = f.bossi[level(s)].Picture;
    f.boss.SetBackColor(RGB(s.bossr, s.bossg, s.bossb));
    if (s.bosshit == 3 && s.score == 99 && s.bossghost == 0) {
      f.boss.Picture = f.toumei.Picture;  // all but gone on the black window, for 1525 steps
      s.bosstime = -1500;
      s.bossghost = 1;
    }
  }

  if (!(s.bosstime > 24 && s.laserx > s.bossatarix + 1 && s.laserx < s.bossatarix + 21 &&
        Abs((s.lasery + 5) - (s.bossy + s.bossatariy)) < 18)) {
    return;
  }
  s.bosstime = 0;  // orange and out of reach for the next 25 steps
  s.laserx = 500;
  s.bosshit = s.bosshit + 1;
  f.boss.SetBackColor(kFlash);
  if (!(s.bosshit > 5)) return;

  // The sixth hit: the point that ends the fight.
  s.score = s.score + 1;
  s.bosshit = 0;
  while (s.bossy < 300) {
    s.bossy = s.bossy + 1;
    f.boss.Move(240, s.bossy);
  }
  if (s.score > 99) {
    s.score = 0;
    ending(s, f);  // the rest of this step and this tick still run, at score 0
  }
  s.bossy = -200;
  for (s.j = 0; s.j <= 2; ++s.j) f.ahiru[s.j].Picture = f.tsh[level(s)].Picture;
  f.boss.Picture = f.bossi[level(s)].Picture;
  s.bosstime = 24;  // the next boss takes its colour on its first step and can be hit at once
}

}  // namespace game
