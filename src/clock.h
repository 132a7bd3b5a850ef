// The game clock: fixed frames, each running this frame's key events and then one tick of
// every running timer. The same clock drives the window, a headless replay and the tests.
#pragma once

#include <functional>
#include <span>

#include "game/game.h"
#include "play/keys.h"

namespace app {

class Clock {
 public:
  // Called after every event procedure returns: "init", "keydown", "keyup", "tick1".."tick3".
  using AfterEvent = std::function<void(int frame, const char* event, int code)>;

  explicit Clock(game::Game& g, AfterEvent after = {}) : g_(g), after_(std::move(after)) {}

  // The window-creation event, once, before frame 0.
  void start();
  // Runs the next frame: its key events in order, then the timer ticks.
  void frame(std::span<const play::KeyEvent> keys);
  // The number of the next frame to run (frames count from 0).
  int next() const { return next_; }
  // Stops the clock at once, inside a frame too (the window was closed).
  void stop() { stopped_ = true; }
  bool stopped() const { return stopped_; }

 private:
  void after(const char* event, int code = 0) {
    if (after_) after_(next_, event, code);
  }
  game::Game& g_;
  AfterEvent after_;
  int next_ = 0;
  bool stopped_ = false;
};

}  // namespace app
