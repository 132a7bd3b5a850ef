// The ending after the fifth boss: the hero flies off, the cloud and the ground sink, six
// staff-roll cards scroll up one after the other, and on the last card every timer stops.
#include "game/steps.h"

namespace game {

namespace {

// One tick of a card: both captions, then up 3. lasery, the missile's y in play, is the roll's y.
void rollCard(GameState& s, Form& f, double x, const char* upper, const char* lower) {
  f.Label1.Caption = upper;
  f.Label2.Caption = lower;
  s.lasery = s.lasery - 3;
  f.Label1.Move(x, s.lasery);
  f.Label2.Move(120, s.lasery + 30);
}

// Stages 2 to 6: the card leaves over the top edge and the next one starts from below.
void scrollCard(GameState& s, Form& f, double x, const char* upper, const char* lower) {
  rollCard(s, f, x, upper, lower);
  if (s.lasery < -100) {
    s.lasery = 300;
    s.endstep = s.endstep + 1;
  }
}

}  // namespace

void ending(GameState& /*s*/, Form& f) {
  f.Timer1.Interval = 0;
  f.Timer2.Interval = 0;
  f.Timer3.Interval = 1;
}

// Each stage's test looks at endstep as the stages before it left it, so a stage that ends
// hands over to the next within the same tick.
void Timer3_Timer(GameState& s, Form& f) {
  f.tela[0].Visible = false;
  f.tela[1].Visible = false;
  f.tela[2].Visible = false;
  f.power.Visible = false;
  f.laser.Visible = false;
  s.score = 100;
  printScore(s, f);

  if (s.endstep == 0) {
    s.jikix = s.jikix + 10;
    f.jiki.Move(s.jikix, s.jikiy);
    if (s.jikix > 500) s.endstep = 1;
  }
  if (s.endstep == 1) {
    s.kumoy = s.kumoy + 10;
    f.kumo.Move(s.kumox, s.kumoy);
    s.jimeny = s.jimeny + 10;
    f.jimen.Move(-30, s.jimeny);
    if (s.kumoy > 500) {
      f.form1.SetBackColor(0);  // wipes the score line until the next tick prints it again
      f.form1.AutoRedraw = false;
      s.lasery = 400;
      s.endstep = 2;
    }
  }
  if (s.endstep == 2) scrollCard(s, f, 100, "むにょぺ　ＥＰＩＳＯＤＥ１", "     ＳＴＡＦＦ");
  if (s.endstep == 3) scrollCard(s, f, 110, "ぐらふぃっくでざいん", "ぽこぺんたろう");
  if (s.endstep == 4) scrollCard(s, f, 120, "    ぷろぐらむ", "ぽこぺんたろう");
  if (s.endstep == 5) scrollCard(s, f, 120, "    おんがく", "  ならないヾ(^^;)");
  if (s.endstep == 6) scrollCard(s, f, 120, "     かんとく", "ぽこぺんたろう");
  if (s.endstep == 7) {
    rollCard(s, f, 100, "The Saga Continues...", "　　むにょぺ");
    if (s.lasery < 120) s.endstep = 8;  // the last card rests here
  }
  if (s.endstep == 8) {
    f.Timer1.Interval = 0;
    f.Timer2.Interval = 0;
    f.Timer3.Interval = 0;
  }
}

}  // namespace game
