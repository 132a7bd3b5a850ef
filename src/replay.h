// Replay files: a recorded session as text, read whole and checked before anything runs.
//
//   munyope-replay 1
//   seed 305419896
//   12 down 90
//   20 up 90
//   640 end
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "play/keys.h"

namespace app {

struct ReplayKey {
  int frame = 0;
  bool down = true;
  int code = 0;
};

struct Replay {
  std::vector<uint32_t> seeds;  // in file order, one for each seeding of the random source
  std::vector<ReplayKey> keys;  // frame numbers never go down
  std::optional<int> end;       // the `F end` line: playback stops when frame F begins

  // The first frame that does not run: the end frame, or the frame after the last key line.
  int64_t stopFrame() const;
};

// Reads replay text. False, with "NAME:LINE: what is wrong", for anything that is not a
// well-formed replay.
bool parseReplay(std::string_view text, const std::string& name, Replay& out, std::string& error);

// Reads and parses the file PATH. False, with a one-line message, when it cannot be read or
// is not a well-formed replay.
bool loadReplay(const std::string& path, Replay& out, std::string& error);

// Hands out a replay's key events frame by frame, and its seeds one by one.
class ReplayFeed {
 public:
  explicit ReplayFeed(const Replay& r) : r_(r) {}
  // Appends the key events of FRAME; frames are asked for in increasing order.
  void keysOf(int64_t frame, std::vector<play::KeyEvent>& out);
  // The next seed, or nothing when all are taken.
  std::optional<uint32_t> nextSeed();

 private:
  const Replay& r_;
  size_t key_ = 0;
  size_t seed_ = 0;
};

}  // namespace app
