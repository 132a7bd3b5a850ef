#include "replay.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace app {

namespace {

constexpr std::string_view kMagic = "munyope-replay";
constexpr int kVersion = 1;
constexpr int64_t kMaxFrame = 2147483647;

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

// Splits a line into items separated by spaces and tabs. At most 4 are kept; the count says
// how many there were (capped at 5, enough to tell "too many").
struct Items {
  std::string_view item[4];
  int count = 0;
};

Items splitItems(std::string_view line) {
  Items it;
  size_t k = 0;
  while (k < line.size() && it.count < 5) {
    while (k < line.size() && isBlank(line[k])) ++k;
    if (k == line.size()) break;
    const size_t from = k;
    while (k < line.size() && !isBlank(line[k])) ++k;
    if (it.count < 4) it.item[it.count] = line.substr(from, k - from);
    ++it.count;
  }
  return it;
}

// An item as it can be shown in a one-line message: control bytes as '?', long ones cut.
std::string shown(std::string_view s) {
  constexpr size_t kMax = 32;
  std::string out;
  for (size_t k = 0; k < s.size() && k < kMax; ++k) {
    const auto c = static_cast<unsigned char>(s[k]);
    out += (c < 0x20 || c == 0x7f) ? '?' : static_cast<char>(c);
  }
  if (s.size() > kMax) out += "...";
  out.insert(out.begin(), '\'');
  out += '\'';
  return out;
}

enum class Num { Ok, NotANumber, OutOfRange };

// Plain decimal digits, leading zeros allowed, within lo..hi.
Num number(std::string_view s, int64_t lo, int64_t hi, int64_t& out) {
  if (s.empty()) return Num::NotANumber;
  int64_t v = 0;
  bool big = false;
  for (char c : s) {
    if (c < '0' || c > '9') return Num::NotANumber;
    if (!big) {
      v = v * 10 + (c - '0');
      if (v > hi) big = true;
    }
  }
  if (big || v < lo) return Num::OutOfRange;
  out = v;
  return Num::Ok;
}

class Parser {
 public:
  Parser(const std::string& name, Replay& out, std::string& error)
      : name_(name), out_(out), error_(error) {}

  bool run(std::string_view text) {
    size_t from = 0;
    while (from <= text.size()) {
      ++line_;
      size_t nl = text.find('\n', from);
      if (nl == std::string_view::npos) nl = text.size();
      std::string_view line = text.substr(from, nl - from);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (!item(line)) return false;
      if (nl == text.size()) break;
      from = nl + 1;
    }
    if (!header_) {
      line_ = line_ > 0 ? line_ : 1;
      return fail("not a replay file: it has no 'munyope-replay 1' line");
    }
    return true;
  }

 private:
  bool fail(const std::string& what) {
    error_ = name_ + ":" + std::to_string(line_) + ": " + what;
    return false;
  }

  bool none(const Items& it, int used) {
    if (it.count <= used) return true;
    return fail("unexpected " + shown(it.item[used]) + " after " +
                std::string(used == 1 ? "the item" : "the items"));
  }

  bool item(std::string_view line) {
    const Items it = splitItems(line);
    if (it.count == 0 || it.item[0].front() == '#') return true;
    const std::string_view word = it.item[0];
    if (!header_) {
      if (word != kMagic)
        return fail("not a replay file: the first item must be 'munyope-replay 1', not " +
                    shown(word));
      if (it.count < 2) return fail("the header has no version: 'munyope-replay 1'");
      int64_t v = 0;
      if (number(it.item[1], 0, 1000000, v) != Num::Ok || v != kVersion)
        return fail("replay version " + shown(it.item[1]) + " is not supported; this build reads " +
                    "version " + std::to_string(kVersion));
      header_ = true;
      return none(it, 2);
    }
    if (word == kMagic) return fail("a second 'munyope-replay' header");
    if (word == "seed") return seed(it);
    const char c = word.front();
    if ((c >= '0' && c <= '9') || c == '-' || c == '+') return framed(it);
    return fail("unknown word " + shown(word) + "; expected 'seed N', 'F down C', 'F up C' or " +
                "'F end'");
  }

  bool seed(const Items& it) {
    if (it.count < 2) return fail("'seed' needs a number 0..4294967295");
    int64_t v = 0;
    switch (number(it.item[1], 0, 4294967295LL, v)) {
      case Num::NotANumber:
        return fail("bad seed " + shown(it.item[1]) + ": a number 0..4294967295");
      case Num::OutOfRange:
        return fail("seed " + shown(it.item[1]) + " is out of range 0..4294967295");
      case Num::Ok:
        break;
    }
    out_.seeds.push_back(static_cast<uint32_t>(v));
    return none(it, 2);
  }

  bool framed(const Items& it) {
    int64_t frame = 0;
    switch (number(it.item[0], 0, kMaxFrame, frame)) {
      case Num::NotANumber:
        return fail("bad frame number " + shown(it.item[0]) + ": plain digits 0..2147483647");
      case Num::OutOfRange:
        return fail("frame " + shown(it.item[0]) + " is out of range 0..2147483647");
      case Num::Ok:
        break;
    }
    if (it.count < 2)
      return fail("frame " + std::to_string(frame) + " needs 'down C', 'up C' or 'end'");
    const std::string_view what = it.item[1];
    if (what == "end") {
      if (endLine_ != 0)
        return fail("a second 'end' (the first is on line " + std::to_string(endLine_) + ")");
      endLine_ = line_;
      out_.end = static_cast<int>(frame);
      return none(it, 2);
    }
    if (what != "down" && what != "up")
      return fail("unknown word " + shown(what) +
                  " after the frame; expected 'down', 'up' or 'end'");
    if (it.count < 3)
      return fail(std::string(what == "down" ? "'down'" : "'up'") + " needs a key code 1..65535");
    int64_t code = 0;
    switch (number(it.item[2], 1, 65535, code)) {
      case Num::NotANumber:
        return fail("bad key code " + shown(it.item[2]) + ": a number 1..65535");
      case Num::OutOfRange:
        return fail("key code " + shown(it.item[2]) + " is out of range 1..65535");
      case Num::Ok:
        break;
    }
    if (!out_.keys.empty() && frame < out_.keys.back().frame)
      return fail("frame " + std::to_string(frame) + " comes after frame " +
                  std::to_string(out_.keys.back().frame) + ": frame numbers never go down");
    out_.keys.push_back({static_cast<int>(frame), what == "down", static_cast<int>(code)});
    return none(it, 3);
  }

  const std::string& name_;
  Replay& out_;
  std::string& error_;
  int line_ = 0;
  bool header_ = false;
  int endLine_ = 0;
};

}  // namespace

int64_t Replay::stopFrame() const {
  if (end) return *end;
  if (!keys.empty()) return static_cast<int64_t>(keys.back().frame) + 1;
  return 0;
}

bool parseReplay(std::string_view text, const std::string& name, Replay& out, std::string& error) {
  out = Replay{};
  return Parser(name, out, error).run(text);
}

bool loadReplay(const std::string& path, Replay& out, std::string& error) {
  std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!f) {
    error = path + ": cannot read the replay file: " + std::strerror(errno);
    return false;
  }
  std::string text;
  char buf[65536];
  size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) text.append(buf, n);
  if (std::ferror(f.get())) {
    error = path + ": cannot read the replay file: " + std::strerror(errno);
    return false;
  }
  return parseReplay(text, path, out, error);
}

void ReplayFeed::keysOf(int64_t frame, std::vector<play::KeyEvent>& out) {
  while (key_ < r_.keys.size() && r_.keys[key_].frame < frame) ++key_;
  for (; key_ < r_.keys.size() && r_.keys[key_].frame == frame; ++key_)
    out.push_back({r_.keys[key_].down, r_.keys[key_].code});
}

std::optional<uint32_t> ReplayFeed::nextSeed() {
  if (seed_ >= r_.seeds.size()) return std::nullopt;
  return r_.seeds[seed_++];
}

}  // namespace app
