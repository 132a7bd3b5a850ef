// What a frame costs: one play tick, and composing the window into its frame.
#include <benchmark/benchmark.h>

#include "bot.h"
#include "clock.h"
#include "play/compose.h"

namespace {

// A game in play: started from the title card, the intro flown, a few hundred ticks in, the
// hero flying about and firing.
game::Game playing() {
  game::Game g;
  g.f.rt.takeSeed = [] { return 12345u; };
  app::Clock clock(g);
  clock.start();
  const play::KeyEvent start[] = {{true, 32}};
  clock.frame(start);
  for (int k = 0; k < 300; ++k) {
    const play::KeyEvent keys[] = {{true, k % 60 < 30 ? 38 : 40}, {true, 90}};
    clock.frame(keys);
  }
  return g;
}

void PlayTick(benchmark::State& state) {
  game::Game g = playing();
  g.f.rt.msgBox = [](const std::string&, const std::string&) {};
  for (auto _ : state) {
    game::Timer1_Timer(g.s, g.f);
    if (g.f.Timer1.Interval == 0) {  // a game over: start the next game and fly in again
      state.PauseTiming();
      g = playing();
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(g.s);
  }
}
BENCHMARK(PlayTick);

void ComposeFrame(benchmark::State& state, bool titleCard) {
  std::string error;
  auto text = play::Text::open(error);
  if (!text) {
    state.SkipWithError(error.c_str());
    return;
  }
  play::Composer composer(*text);
  game::Game g = playing();
  if (titleCard) game::Form_Initialize(g.s, g.f);
  play::Frame frame;
  for (auto _ : state) {
    composer.settleWindowText(g.f);
    composer.compose(g.f, frame);
    benchmark::DoNotOptimize(frame.px.data());
  }
}
// The bot's whole game, title card to last card, its look-ahead included: what the bot's game
// test costs for each seed it plays.
void BotWholeGame(benchmark::State& state) {
  for (auto _ : state) {
    game::Game g;
    g.f.rt.takeSeed = [] { return 20260101u; };
    g.f.rt.msgBox = [](const std::string&, const std::string&) {};
    app::Clock clock(g);
    bot::Bot player;
    clock.start();
    while (!bot::restsOnLastCard(g) && clock.next() < 100000) clock.frame(player.keys(g));
    state.counters["frames"] = clock.next();
  }
}
BENCHMARK(BotWholeGame)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(ComposeFrame, play, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ComposeFrame, title_card, true)->Unit(benchmark::kMicrosecond);

}  // namespace
