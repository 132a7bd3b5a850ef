#include "options.h"

#include <charconv>

namespace app {

const char* const kUsage =
    "usage: munyope                      play in a window\n"
    "       munyope --record FILE        play, and record the session to FILE\n"
    "       munyope --replay FILE        watch FILE in the window at normal speed\n"
    "       munyope --headless --replay FILE [--trace OUT] [--frames DIR] [--frame-every N]\n"
    "                                    run FILE with no window, as fast as the machine allows\n"
    "         --trace OUT                the state trace as JSON Lines to OUT (- for standard\n"
    "                                    output); in the window too\n"
    "         --frames DIR               the window as DIR/frame-000123.png every N-th frame\n"
    "       munyope --scale N            window scale, a whole number 1..8 (default: fits the "
    "screen)\n"
    "       munyope --hz N               frames per second of the game clock, 1..1000 (default "
    "60)\n"
    "       munyope --help | --version\n"
    "Keys: arrows move, Z fires; any key starts a game from the title card.\n";

namespace {

bool number(const std::string& text, int lo, int hi, int& out) {
  int v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || v < lo || v > hi) return false;
  out = v;
  return true;
}

}  // namespace

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
  Options o;
  bool everyGiven = false;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    auto value = [&](std::string& out, const char* what) {
      if (k + 1 >= args.size() || args[k + 1].empty() || args[k + 1].starts_with("--")) {
        error = a + " needs a value: " + what;
        return false;
      }
      out = args[++k];
      return true;
    };
    auto ranged = [&](int& out, int lo, int hi) {
      std::string v;
      if (!value(v,
                 (std::string("a whole number ") + std::to_string(lo) + ".." + std::to_string(hi))
                     .c_str()))
        return false;
      if (number(v, lo, hi, out)) return true;
      error = a + " takes a whole number " + std::to_string(lo) + ".." + std::to_string(hi) +
              ", not '" + v + "'";
      return false;
    };
    bool ok = true;
    if (a == "--help" || a == "-h")
      o.help = true;
    else if (a == "--version")
      o.version = true;
    else if (a == "--headless")
      o.headless = true;
    else if (a == "--scale")
      ok = ranged(o.scale, 1, 8);
    else if (a == "--hz")
      ok = ranged(o.hz, 1, 1000);
    else if (a == "--frame-every")
      ok = everyGiven = ranged(o.frameEvery, 1, 1000000);
    else if (a == "--record")
      ok = value(o.record, "a file to record to");
    else if (a == "--replay")
      ok = value(o.replay, "a replay file");
    else if (a == "--trace")
      ok = value(o.trace, "a file, or - for standard output");
    else if (a == "--frames")
      ok = value(o.frames, "a folder for PNG frames");
    else {
      error = "unknown option '" + a +
              "'; the options are --record FILE, --replay FILE, --headless, --trace OUT, "
              "--frames DIR, --frame-every N, --scale N, --hz N, --help, --version";
      ok = false;
    }
    if (!ok) return std::nullopt;
  }
  if (o.headless && o.replay.empty()) {
    error = "--headless needs --replay FILE";
    return std::nullopt;
  }
  if (!o.record.empty() && !o.replay.empty()) {
    error = "--record and --replay cannot be used together";
    return std::nullopt;
  }
  if (!o.headless && !o.frames.empty()) {
    error = "--frames DIR needs --headless --replay FILE";
    return std::nullopt;
  }
  if (everyGiven && o.frames.empty()) {
    error = "--frame-every N needs --frames DIR";
    return std::nullopt;
  }
  return o;
}

}  // namespace app
