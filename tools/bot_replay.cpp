// munyope-bot: lets the bot play a whole game, from the title card to the last staff-roll card,
// and writes it as a replay file, to be watched with `munyope --replay FILE`.
//
//   munyope-bot OUT.replay [SEED]
//
// The first game takes SEED (default 1) and every game over the next number up. The file ends a
// few seconds after the last card has come to rest.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bot.h"
#include "clock.h"

namespace {

constexpr int kTailFrames = 300;     // the last card stays this long before the replay ends
constexpr int kMaxFrames = 1000000;  // a game that has not ended by then never will

bool parseSeed(const char* text, uint32_t& seed) {
  if (*text < '0' || *text > '9') return false;
  errno = 0;
  char* end = nullptr;
  const unsigned long long v = std::strtoull(text, &end, 10);
  if (errno != 0 || *end != '\0' || v > 4294967295ull) return false;
  seed = static_cast<uint32_t>(v);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  uint32_t seed = 1;
  if (argc < 2 || argc > 3 || (argc == 3 && !parseSeed(argv[2], seed))) {
    std::fprintf(stderr, "usage: munyope-bot OUT.replay [SEED]  (SEED 0..4294967295)\n");
    return 2;
  }
  std::FILE* out = std::fopen(argv[1], "w");
  if (!out) {
    std::fprintf(stderr, "munyope-bot: cannot write %s: %s\n", argv[1], std::strerror(errno));
    return 1;
  }
  std::fprintf(out, "munyope-replay 1\n# the bot's game\n");

  game::Game g;
  int gameOvers = 0, playTicks = 0;
  uint32_t next = seed;
  g.f.rt.takeSeed = [&] {
    std::fprintf(out, "seed %u\n", static_cast<unsigned>(next));
    return next++;
  };
  g.f.rt.msgBox = [&](const std::string&, const std::string&) { ++gameOvers; };
  app::Clock clock(g, [&](int, const char* event, int) {
    if (std::string(event) == "tick1") ++playTicks;
  });
  bot::Bot player;

  clock.start();
  int endFrame = -1;
  while (clock.next() < kMaxFrames && (endFrame < 0 || clock.next() < endFrame)) {
    const int frame = clock.next();
    const auto keys = player.keys(g);
    for (const play::KeyEvent& k : keys) {
      std::fprintf(out, "%d %s %d\n", frame, k.down ? "down" : "up", k.code);
    }
    clock.frame(keys);
    if (endFrame < 0 && bot::restsOnLastCard(g)) endFrame = clock.next() + kTailFrames;
  }
  if (endFrame < 0) {
    std::fclose(out);
    std::fprintf(stderr, "munyope-bot: the game did not end within %d frames\n", kMaxFrames);
    return 1;
  }
  std::fprintf(out, "%d end\n", endFrame);
  if (std::fclose(out) != 0) {
    std::fprintf(stderr, "munyope-bot: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("seed %u: the last card rests after frame %d (%d play ticks, %d game overs)\n",
              static_cast<unsigned>(seed), endFrame - kTailFrames - 1, playTicks, gameOvers);
  return 0;
}
