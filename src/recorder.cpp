#include "recorder.h"

#include <cerrno>
#include <cinttypes>
#include <cstring>

namespace app {

std::unique_ptr<Recorder> Recorder::open(const std::string& path, std::string& error) {
  std::unique_ptr<Recorder> r(new Recorder());
  r->path_ = path;
  r->file_ = std::fopen(path.c_str(), "wb");
  if (!r->file_) {
    error = "cannot write the recording " + path + ": " + std::strerror(errno);
    return nullptr;
  }
  char header[80];
  const int n =
      std::snprintf(header, sizeof header, "munyope-replay 1\n# munyope %s\n", MUNYOPE_VERSION);
  r->line(header, n);
  if (r->errno_ != 0) {
    r->ok(error);
    return nullptr;
  }
  return r;
}

Recorder::~Recorder() {
  if (file_) std::fclose(file_);
}

void Recorder::line(const char* text, int n) {
  if (errno_ != 0) return;
  if (std::fwrite(text, 1, static_cast<size_t>(n), file_) != static_cast<size_t>(n) ||
      std::fflush(file_) != 0)
    errno_ = errno != 0 ? errno : EIO;
}

void Recorder::seed(uint32_t seed) {
  char buf[32];
  line(buf, std::snprintf(buf, sizeof buf, "seed %" PRIu32 "\n", seed));
}

void Recorder::key(int64_t frame, bool down, int code) {
  char buf[48];
  line(buf,
       std::snprintf(buf, sizeof buf, "%" PRId64 " %s %d\n", frame, down ? "down" : "up", code));
}

void Recorder::end(int64_t frame) {
  char buf[32];
  line(buf, std::snprintf(buf, sizeof buf, "%" PRId64 " end\n", frame));
}

bool Recorder::ok(std::string& error) const {
  if (errno_ == 0) return true;
  error = "writing the recording " + path_ + " failed: " + std::strerror(errno_);
  return false;
}

}  // namespace app
