// munyope: the program's entry. Parses the command line and runs the game in a window.
#include <chrono>
#include <cstdio>
#include <thread>

#include "clock.h"
#include "options.h"
#include "play/compose.h"
#include "play/window.h"

namespace {

using Steady = std::chrono::steady_clock;

uint32_t clockSeed() {
  return static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

int playInWindow(const app::Options& o) {
  std::string error;
  auto text = play::Text::open(error);
  if (!text) {
    std::fprintf(stderr, "munyope: %s\n", error.c_str());
    return 1;
  }
  play::Composer composer(*text);
  auto window = play::Window::open(o.scale, error);
  if (!window) {
    std::fprintf(stderr, "munyope: %s\n", error.c_str());
    return 1;
  }

  game::Game g;
  app::Clock clock(g);
  play::Frame frame;
  bool resync = false;
  g.f.rt.takeSeed = clockSeed;
  g.f.rt.msgBox = [&](const std::string& body, const std::string& title) {
    composer.compose(g.f, frame);  // the picture as it stands, the explosion on the hero included
    if (!window->messageBox(frame, composer, body, title)) clock.stop();
    resync = true;  // the clock stood still while the box was open
  };

  clock.start();
  const auto period =
      std::chrono::duration_cast<Steady::duration>(std::chrono::duration<double>(1.0 / o.hz));
  auto due = Steady::now();
  std::vector<play::KeyEvent> keys;
  while (!clock.stopped()) {
    keys.clear();
    if (!window->poll(keys)) break;
    clock.frame(keys);
    if (clock.stopped()) break;
    composer.settleWindowText(g.f);
    composer.compose(g.f, frame);
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
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  auto options = app::parseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::fprintf(stderr, "munyope: %s\n", error.c_str());
    return 2;
  }
  if (options->help) {
    std::fputs(app::kUsage, stdout);
    return 0;
  }
  if (options->version) {
    std::printf("munyope %s\n", MUNYOPE_VERSION);
    return 0;
  }
  return playInWindow(*options);
}
