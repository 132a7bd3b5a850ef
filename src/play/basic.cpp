#include "play/basic.h"

#include <charconv>

namespace play {

std::string Str(double v) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  std::string digits(buf, end);
  return v >= 0 ? " " + digits : digits;
}

double ValMid(std::string_view text, int start, int length) {
  std::string_view part = text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(length));
  double value = 0;
  for (char c : part) value = value * 10 + (c - '0');
  return value;
}

}  // namespace play
