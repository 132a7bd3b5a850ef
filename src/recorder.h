// Recording a session as a replay file, line by line and flushed as things happen, so that a
// session that ends abruptly still leaves a file that plays back up to that point.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace app {

class Recorder {
 public:
  // Creates PATH and writes the header. Null, with a one-line reason, when it cannot.
  static std::unique_ptr<Recorder> open(const std::string& path, std::string& error);
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  void seed(uint32_t seed);
  void key(int64_t frame, bool down, int code);
  // The last line: playback stops when FRAME begins.
  void end(int64_t frame);
  // False, with a one-line reason, if any line failed to write.
  bool ok(std::string& error) const;

 private:
  Recorder() = default;
  void line(const char* text, int n);
  std::string path_;
  FILE* file_ = nullptr;
  int errno_ = 0;
};

}  // namespace app
