// Form_KeyDown and Form_KeyUp: the arrows set the hero's steps, Z fires the missile, and on the
// title card or during the intro any key starts a game instead. They move nothing themselves:
// what they change shows at the next play tick.
#include "game/game.h"

namespace game {

namespace {

constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kZ = 90;

// Any key on the title card or during the intro: the card shrinks back into the small white
// missile, waiting off the left edge, and the intro starts (again) from where the hero is.
void startBranch(Form& f, int& KeyCode) {
  f.laser.SetHeight(10);
  f.laser.SetWidth(10);
  f.laser.SetBackColor(16777215);  // white; also wipes the card's text
  f.laser.AutoRedraw = false;
  f.laser.Move(-32, 0);
  KeyCode = 0;  // the key that starts a game never also steers or fires
  f.Timer1.Interval = 0;
  f.Timer2.Interval = 1;
}

}  // namespace

void Form_KeyDown(GameState& s, Form& f, int& KeyCode) {
  if (s.playing == 0) startBranch(f, KeyCode);

  // On each axis the last key pressed wins; nothing remembers which keys are held.
  if (KeyCode == kUp) s.jikidy = -7;
  if (KeyCode == kDown) s.jikidy = 7;
  if (KeyCode == kLeft) s.jikidx = -7;
  if (KeyCode == kRight) s.jikidx = 7;

  // Only a parked missile fires, from the hero's right edge; the next tick first adds 10.
  if (KeyCode == kZ && s.laserx > 400) {
    s.laserx = s.jikix + 32;
    s.lasery = s.jikiy + 10;
  }
}

// Releasing either key of an axis stops the hero on that axis, at any time.
void Form_KeyUp(GameState& s, Form& /*f*/, int KeyCode) {
  if (KeyCode == kUp || KeyCode == kDown) s.jikidy = 0;
  if (KeyCode == kLeft || KeyCode == kRight) s.jikidx = 0;
}

}  // namespace game
