// munyope: the program's entry. Parses the command line and runs the game in a window or,
// for a replay, headless.
#include <cstdio>

#include "options.h"
#include "run.h"

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
  return options->headless ? app::runHeadless(*options) : app::runWindow(*options);
}
