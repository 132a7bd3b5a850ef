// The game clock: fixed frames, each running this frame's key events and then one tick of
// every running timer. The same clock drives the window, a headless replay and the tests.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "game/game.h"
#include "play/keys.h"

namespace app {

struct MessageBoxShown {
  std::string text;
  std::string title;
};

// One event procedure that has just returned.
struct ClockEvent {
  int64_t frame;     // the creation event is frame 0
  const char* name;  // "init", "keydown", "keyup", "tick1", "tick2" or "tick3"
  int code;          // the key code of a key event, else 0
  std::span<const MessageBoxShown> boxes;  // message boxes shown during it
};

class Clock {
 public:
  // Called after every event procedure returns.
  using AfterEvent = std::function<void(const ClockEvent&)>;

  explicit Clock(game::Game& g, AfterEvent after = {}) : g_(g), after_(std::move(after)) {}
  // The same with only the frame, the event's name and the key code.
  Clock(game::Game& g, std::function<void(int64_t frame, const char* event, int code)> after)
      : g_(g), after_([after = std::move(after)](const ClockEvent& e) {
          if (after) after(e.frame, e.name, e.code);
        }) {}

  // The window-creation event, once, before frame 0.
  void start();
  // Runs the next frame: its key events in order, then the timer ticks.
  void frame(std::span<const play::KeyEvent> keys);
  // The number of the next frame to run (frames count from 0).
  int64_t next() const { return next_; }
  // Stops the clock at once, inside a frame too (the window was closed).
  void stop() { stopped_ = true; }
  bool stopped() const { return stopped_; }
  // The run time's message box calls this, so that the event it was shown in reports it.
  void noteMessageBox(const std::string& text, const std::string& title) {
    boxes_.push_back({text, title});
  }

 private:
  // One tick of a timer that was running when the timer step began and still is.
  void tick(bool wasRunning, const play::Timer& timer,
            void (*procedure)(game::GameState&, game::Form&), const char* event);
  void after(const char* event, int code = 0) {
    if (after_) after_(ClockEvent{next_, event, code, boxes_});
    boxes_.clear();
  }
  game::Game& g_;
  AfterEvent after_;
  std::vector<MessageBoxShown> boxes_;
  int64_t next_ = 0;
  bool stopped_ = false;
};

}  // namespace app
