#include "clock.h"

namespace app {

void Clock::start() {
  game::Form_Initialize(g_.s, g_.f);
  after("init");
}

void Clock::tick(bool wasRunning, const play::Timer& timer,
                 void (*procedure)(game::GameState&, game::Form&), const char* event) {
  if (!wasRunning || timer.Interval == 0 || stopped_) return;
  procedure(g_.s, g_.f);
  after(event);
}

void Clock::frame(std::span<const play::KeyEvent> keys) {
  for (const play::KeyEvent& k : keys) {
    if (stopped_) return;
    int code = k.code;
    if (k.down) {
      game::Form_KeyDown(g_.s, g_.f, code);
      after("keydown", k.code);
    } else {
      game::Form_KeyUp(g_.s, g_.f, code);
      after("keyup", k.code);
    }
  }
  // Only timers running when this step begins tick now; one started by a tick waits a frame,
  // one stopped by an earlier tick does not tick.
  const bool running1 = g_.f.Timer1.Interval != 0;
  const bool running2 = g_.f.Timer2.Interval != 0;
  const bool running3 = g_.f.Timer3.Interval != 0;
  tick(running1, g_.f.Timer1, game::Timer1_Timer, "tick1");
  tick(running2, g_.f.Timer2, game::Timer2_Timer, "tick2");
  tick(running3, g_.f.Timer3, game::Timer3_Timer, "tick3");
  ++next_;
}

}  // namespace app
