#include "trace.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

namespace app {

namespace {

constexpr size_t kFlushAt = 1 << 16;

void appendInt(std::string& out, long long v) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

void key(std::string& out, const char* k) {
  out += '"';
  out += k;
  out += "\":";
}

void numberField(std::string& out, const char* k, double v) {
  key(out, k);
  appendNumber(out, v);
  out += ',';
}

void arrayField(std::string& out, const char* k, const game::Per3& a) {
  key(out, k);
  out += '[';
  for (size_t n = 0; n < a.size(); ++n) {
    if (n) out += ',';
    appendNumber(out, a[n]);
  }
  out += "],";
}

void appendState(std::string& out, const game::GameState& s) {
  out += '{';
  numberField(out, "i", s.i);
  numberField(out, "j", s.j);
  numberField(out, "jikix", s.jikix);
  numberField(out, "jikiy", s.jikiy);
  numberField(out, "jikidx", s.jikidx);
  numberField(out, "jikidy", s.jikidy);
  numberField(out, "powered", s.powered);
  numberField(out, "score", s.score);
  numberField(out, "laserx", s.laserx);
  numberField(out, "lasery", s.lasery);
  numberField(out, "kumox", s.kumox);
  numberField(out, "kumoy", s.kumoy);
  numberField(out, "firetime", s.firetime);
  numberField(out, "jimeny", s.jimeny);
  numberField(out, "powerx", s.powerx);
  numberField(out, "powery", s.powery);
  numberField(out, "powertime", s.powertime);
  numberField(out, "bossy", s.bossy);
  numberField(out, "bossdy", s.bossdy);
  numberField(out, "bosshit", s.bosshit);
  numberField(out, "bosstime", s.bosstime);
  numberField(out, "bossr", s.bossr);
  numberField(out, "bossg", s.bossg);
  numberField(out, "bossb", s.bossb);
  numberField(out, "bossatarix", s.bossatarix);
  numberField(out, "bossatariy", s.bossatariy);
  numberField(out, "playing", s.playing);
  numberField(out, "endstep", s.endstep);
  numberField(out, "redflag", s.redflag);
  numberField(out, "bossghost", s.bossghost);
  arrayField(out, "ahirux", s.ahirux);
  arrayField(out, "ahiruy", s.ahiruy);
  arrayField(out, "ahiruangle", s.ahiruangle);
  arrayField(out, "ahirubasex", s.ahirubasex);
  arrayField(out, "ahirubasey", s.ahirubasey);
  arrayField(out, "telax", s.telax);
  arrayField(out, "telay", s.telay);
  arrayField(out, "teladir", s.teladir);
  arrayField(out, "ahirutype", s.ahirutype);
  out.back() = '}';
}

void appendControl(std::string& out, const play::Control& c) {
  appendString(out, c.name);
  out += ":{";
  numberField(out, "x", c.x);
  numberField(out, "y", c.y);
  out += c.Visible ? "\"visible\":true," : "\"visible\":false,";
  key(out, "picture");
  if (c.Picture)
    appendString(out, c.Picture->name);
  else
    out += "null";
  if (c.kind == play::Kind::PictureBox) {
    out += ',';
    numberField(out, "w", c.width());
    numberField(out, "h", c.height());
    key(out, "backcolor");
    appendNumber(out, c.BackColor);
  } else if (c.kind == play::Kind::Label) {
    out += ',';
    key(out, "caption");
    appendString(out, c.Caption);
  }
  out += '}';
}

}  // namespace

void appendNumber(std::string& out, double v) {
  char buf[400];  // the longest double in fixed notation has 309 digits before the point
  std::to_chars_result r{};
  if (!std::isfinite(v)) {
    out += "null";  // JSON has no infinities; the game never makes one
    return;
  }
  if (v == std::trunc(v)) {
    if (std::fabs(v) < 1e18)
      r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(v));  // -0 gives 0
    else
      r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  } else {
    r = std::to_chars(buf, buf + sizeof buf, v);
  }
  out.append(buf, r.ptr);
}

void appendString(std::string& out, std::string_view s) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c < 0x20 || c == 0x7f) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
  out += '"';
}

void appendTraceLine(std::string& out, const ClockEvent& e, const game::Game& g) {
  out += "{\"frame\":";
  appendInt(out, e.frame);
  out += ",\"event\":\"";
  out += e.name;
  out += '"';
  if (e.name[0] == 'k') {  // keydown, keyup
    out += ",\"code\":";
    appendInt(out, e.code);
  }
  if (!e.boxes.empty()) {
    out += ",\"msgbox\":[";
    for (size_t n = 0; n < e.boxes.size(); ++n) {
      if (n) out += ',';
      out += '[';
      appendString(out, e.boxes[n].text);
      out += ',';
      appendString(out, e.boxes[n].title);
      out += ']';
    }
    out += ']';
  }
  out += ",\"state\":";
  appendState(out, g.s);
  out += ",\"timers\":[";
  appendInt(out, g.f.Timer1.Interval);
  out += ',';
  appendInt(out, g.f.Timer2.Interval);
  out += ',';
  appendInt(out, g.f.Timer3.Interval);
  out += "],\"controls\":{";
  for (const play::Control* c : play::allControls(g.f)) {
    appendControl(out, *c);
    out += ',';
  }
  out += "\"form1\":{\"backcolor\":";
  appendNumber(out, g.f.form1.BackColor);
  out += "}}}\n";
}

std::unique_ptr<TraceWriter> TraceWriter::open(const std::string& path, std::string& error) {
  std::unique_ptr<TraceWriter> t(new TraceWriter());
  t->path_ = path == "-" ? "standard output" : path;
  if (path == "-") {
    t->file_ = stdout;
  } else {
    t->file_ = std::fopen(path.c_str(), "wb");
    if (!t->file_) {
      error = "cannot write the trace " + path + ": " + std::strerror(errno);
      return nullptr;
    }
    t->owned_ = true;
  }
  t->buf_.reserve(kFlushAt + 16384);
  return t;
}

TraceWriter::~TraceWriter() {
  if (!file_) return;
  std::string ignored;
  flush(ignored);
  if (owned_) std::fclose(file_);
}

void TraceWriter::write(const ClockEvent& e, const game::Game& g) {
  appendTraceLine(buf_, e, g);
  if (buf_.size() >= kFlushAt) {
    std::fwrite(buf_.data(), 1, buf_.size(), file_);
    buf_.clear();
  }
}

bool TraceWriter::flush(std::string& error) {
  if (!buf_.empty()) std::fwrite(buf_.data(), 1, buf_.size(), file_);
  buf_.clear();
  if (std::fflush(file_) != 0 || std::ferror(file_)) {
    error = "writing the trace to " + path_ + " failed: " + std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace app
