// libFuzzer target over the replay reader: any bytes must give either a replay that keeps the
// file format's promises or a one-line refusal naming the file and line; never a crash, a hang
// or a read out of bounds.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "replay.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

// The replay written back in its plain form.
std::string plain(const app::Replay& r) {
  std::string s = "munyope-replay 1\n";
  for (uint32_t seed : r.seeds) s += "seed " + std::to_string(seed) + "\n";
  for (const app::ReplayKey& k : r.keys)
    s += std::to_string(k.frame) + (k.down ? " down " : " up ") + std::to_string(k.code) + "\n";
  if (r.end) s += std::to_string(*r.end) + " end\n";
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  app::Replay r;
  std::string error;
  if (!app::parseReplay(text, "fuzz", r, error)) {
    check(error.rfind("fuzz:", 0) == 0 && error.find('\n') == std::string::npos);
    return 0;
  }
  int last = 0;
  for (const app::ReplayKey& k : r.keys) {
    check(k.frame >= last && k.code >= 1 && k.code <= 65535);
    last = k.frame;
  }
  check(!r.end || *r.end >= 0);
  check(r.stopFrame() >= 0 && r.stopFrame() <= 2147483648LL);

  // What was read reads back the same from its plain form.
  app::Replay again;
  check(app::parseReplay(plain(r), "again", again, error));
  check(again.seeds == r.seeds && again.end == r.end && again.keys.size() == r.keys.size());
  for (size_t n = 0; n < r.keys.size(); ++n)
    check(again.keys[n].frame == r.keys[n].frame && again.keys[n].down == r.keys[n].down &&
          again.keys[n].code == r.keys[n].code);
  return 0;
}
