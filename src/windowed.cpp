// The game in a window: play, play and record, or watch a replay at the clock's own speed.
#include <chrono>
#include <cstdio>
#include <optional>
#include <string_view>
#include <thread>

#include "clock.h"
#include "play/compose.h"
#include "play/window.h"
#include "recorder.h"
#include "run.h"
#include "trace.h"

namespace app {

namespace {

using Steady = std::chrono::steady_clock;

// How long a replay leaves the game-over box up before answering it itself.
constexpr int kReplayBoxMs = 1500;

int fail(int status, const std::string& message) {
  std::fprintf(stderr, "munyope: %s\n", message.c_str());
  return status;
}

uint32_t clockSeed() {
  return static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

int runWindow(const Options& o) {
  std::string error;
  std::optional<Replay> replay;
  if (!o.replay.empty() && !loadReplay(o.replay, replay.emplace(), error)) return fail(2, error);
  std::unique_ptr<Recorder> recorder;
  if (!o.record.empty() && !(recorder = Recorder::open(o.record, error))) return fail(1, error);
  std::unique_ptr<TraceWriter> trace;
  if (!o.trace.empty() && !(trace = TraceWriter::open(o.trace, error))) return fail(1, error);

  auto text = play::Text::open(error);
  if (!text) return fail(1, error);
  play::Composer composer(*text);
  auto window = play::Window::open(o.scale, error);
  if (!window) return fail(1, error);

  auto g = std::make_unique<game::Game>();
  Clock clock(*g, [&](const ClockEvent& e) {
    const std::string_view event = e.name;
    if (recorder && (event == "keydown" || event == "keyup"))
      recorder->key(e.frame, event == "keydown", e.code);
    if (trace) trace->write(e, *g);
  });
  play::Frame frame;
  bool resync = false;
  std::optional<ReplayFeed> feed;
  if (replay) {
    feed.emplace(*replay);
    seedFromReplay(g->f, *feed, [&clock] { return clock.next(); });
  } else {
    g->f.rt.takeSeed = [&recorder] {
      const uint32_t seed = clockSeed();
      if (recorder) recorder->seed(seed);
      return seed;
    };
  }
  g->f.rt.msgBox = [&](const std::string& body, const std::string& title) {
    clock.noteMessageBox(body, title);
    composer.compose(g->f, frame);  // the picture as it stands, the explosion on the hero included
    if (!window->messageBox(frame, composer, body, title, replay ? kReplayBoxMs : -1)) clock.stop();
    resync = true;  // the clock stood still while the box was open
  };

  const int64_t stop = replay ? replay->stopFrame() : INT64_MAX;
  const auto period =
      std::chrono::duration_cast<Steady::duration>(std::chrono::duration<double>(1.0 / o.hz));
  auto due = Steady::now();
  std::vector<play::KeyEvent> keys;
  int status = 0;
  try {
    clock.start();
    while (!clock.stopped() && clock.next() < stop) {
      keys.clear();
      if (!window->poll(keys)) break;
      if (feed) {
        keys.clear();  // the viewer's own keys never reach a replay
        feed->keysOf(clock.next(), keys);
      }
      clock.frame(keys);
      if (clock.stopped()) break;
      if (trace && !trace->flush(error)) break;  // in a window the trace can be followed live
      composer.settleWindowText(g->f);
      composer.compose(g->f, frame);
      window->present(frame);

      due += period;
      const auto now = Steady::now();
      if (resync || now - due > 4 * period) {
        due = now;  // never a burst of catch-up frames
        resync = false;
      } else if (now < due) {
        std::this_thread::sleep_until(due);
      }
    }
  } catch (const NoSeedLeft& e) {
    status = fail(2, noSeedLeftMessage(o.replay, e.frame));
  }
  if (recorder) {
    recorder->end(clock.next());
    if (!recorder->ok(error)) status = fail(1, error);
  }
  if (trace && !trace->flush(error)) status = fail(1, error);
  return status;
}

}  // namespace app
