// A replay with no window and no waiting: the trace and PNG frames, as fast as it goes.
#include <cstdio>
#include <filesystem>
#include <memory>

#include "clock.h"
#include "play/compose.h"
#include "play/png.h"
#include "run.h"
#include "trace.h"

namespace app {

namespace {

int fail(int status, const std::string& message) {
  std::fprintf(stderr, "munyope: %s\n", message.c_str());
  return status;
}

// Writes every N-th frame as DIR/frame-000123.png.
class FrameWriter {
 public:
  FrameWriter(play::Text& text, std::string dir, int every)
      : composer_(text), dir_(std::move(dir)), every_(every) {}

  bool after(game::Game& g, int64_t frame, std::string& error) {
    composer_.settleWindowText(g.f);  // every frame: what a frame covers is gone from then on
    if (frame % every_ != 0) return true;
    composer_.compose(g.f, picture_);
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%06lld.png", static_cast<long long>(frame));
    return play::writePng(dir_ + name, picture_.px.data(), play::Frame::W, play::Frame::H, error);
  }

 private:
  play::Composer composer_;
  play::Frame picture_;
  std::string dir_;
  int every_;
};

}  // namespace

std::string noSeedLeftMessage(const std::string& file, int64_t frame) {
  return file + ": no seed left for the reset in frame " + std::to_string(frame) +
         "; add a 'seed N' line for it";
}

int runHeadless(const Options& o) {
  Replay replay;
  std::string error;
  if (!loadReplay(o.replay, replay, error)) return fail(2, error);

  std::unique_ptr<TraceWriter> trace;
  if (!o.trace.empty() && !(trace = TraceWriter::open(o.trace, error))) return fail(1, error);

  std::unique_ptr<play::Text> text;
  std::unique_ptr<FrameWriter> frames;
  if (!o.frames.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(o.frames, ec);
    if (ec) return fail(1, "cannot make the folder " + o.frames + " for frames: " + ec.message());
    if (!(text = play::Text::open(error))) return fail(1, error);
    frames = std::make_unique<FrameWriter>(*text, o.frames, o.frameEvery);
  }

  auto g = std::make_unique<game::Game>();
  Clock clock(*g, [&](const ClockEvent& e) {
    if (trace) trace->write(e, *g);
  });
  ReplayFeed feed(replay);
  seedFromReplay(g->f, feed, [&clock] { return clock.next(); });
  // The box is answered at once; no frame passes.
  g->f.rt.msgBox = [&clock](const std::string& t, const std::string& title) {
    clock.noteMessageBox(t, title);
  };

  const int64_t stop = replay.stopFrame();
  std::vector<play::KeyEvent> keys;
  try {
    clock.start();
    while (clock.next() < stop) {
      const int64_t frame = clock.next();
      keys.clear();
      feed.keysOf(frame, keys);
      clock.frame(keys);
      if (frames && !frames->after(*g, frame, error)) return fail(1, error);
    }
  } catch (const NoSeedLeft& e) {
    if (trace && !trace->flush(error)) return fail(1, error);
    return fail(2, noSeedLeftMessage(o.replay, e.frame));
  }
  if (trace && !trace->flush(error)) return fail(1, error);
  return 0;
}

}  // namespace app
