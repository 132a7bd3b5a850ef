// The command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace app {

struct Options {
  int scale = 0;  // 0: the largest that fits the screen
  int hz = 60;
  bool headless = false;
  std::string record, replay, trace, frames;
  int frameEvery = 1;
  bool help = false;
  bool version = false;
};

// Parses argv[1..]. On a bad option, a missing value or a value out of range: nullopt and a
// one-line message naming the option and what it accepts.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;

}  // namespace app
