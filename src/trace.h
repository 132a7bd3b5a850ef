// The state trace: one JSON object a line after every event procedure, with every game
// variable, the timers and every control, for tests and tools.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "clock.h"
#include "game/game.h"

namespace app {

// A number as the trace writes it: a whole value as an integer (-0 as 0), any other in the
// shortest form that reads back to the same double.
void appendNumber(std::string& out, double v);
// A JSON string, quotes included; UTF-8 passes through, control characters are escaped.
void appendString(std::string& out, std::string_view s);
// The trace line (with its newline) for the event E that has just run on G.
void appendTraceLine(std::string& out, const ClockEvent& e, const game::Game& g);

class TraceWriter {
 public:
  // PATH "-" is standard output. Null, with a one-line reason, when it cannot be written.
  static std::unique_ptr<TraceWriter> open(const std::string& path, std::string& error);
  ~TraceWriter();
  TraceWriter(const TraceWriter&) = delete;
  TraceWriter& operator=(const TraceWriter&) = delete;

  void write(const ClockEvent& e, const game::Game& g);
  // Writes out what is buffered. False, with a one-line reason, if anything failed to write.
  bool flush(std::string& error);

 private:
  TraceWriter() = default;
  std::string path_;
  FILE* file_ = nullptr;
  bool owned_ = false;
  std::string buf_;
};

}  // namespace app
