// The ways the program runs: in a window (play, record, watch a replay) or headless.
#pragma once

#include <cstdint>
#include <string>

#include "options.h"
#include "play/form.h"
#include "replay.h"

namespace app {

// Plays in a window; with --record also records, with --replay watches a replay. Returns the
// exit status.
int runWindow(const Options& o);
// Runs --replay FILE with no window and no waiting. Returns the exit status.
int runHeadless(const Options& o);

// Thrown by a replay's seed source when the game seeds its random source and the file has no
// seed left: the run stops there.
struct NoSeedLeft {
  int64_t frame;
};

// Makes the game take its seeds from FEED, in order; FRAME tells the frame running now.
template <class FrameNow>
void seedFromReplay(play::Form& f, ReplayFeed& feed, FrameNow frame) {
  f.rt.takeSeed = [&feed, frame]() -> uint32_t {
    if (auto s = feed.nextSeed()) return *s;
    throw NoSeedLeft{frame()};
  };
}

// "FILE: no seed left for the reset in frame N".
std::string noSeedLeftMessage(const std::string& file, int64_t frame);

}  // namespace app
