// The value helpers of the forms run time: Int, Abs, Sgn, Str, Mid and RGB.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace play {

inline double Int(double v) {
  return std::floor(v);
}
inline double Abs(double v) {
  return std::fabs(v);
}
inline double Sgn(double v) {
  return v > 0 ? 1 : (v < 0 ? -1 : 0);
}
inline double Sin(double v) {
  return std::sin(v);
}
inline double Cos(double v) {
  return std::cos(v);
}

// Colour number: red + 256 green + 65536 blue.
constexpr uint32_t RGB(double r, double g, double b) {
  return static_cast<uint32_t>(r) + 256u * static_cast<uint32_t>(g) +
         65536u * static_cast<uint32_t>(b);
}
// A colour number as a 0xFFRRGGBB pixel.
constexpr uint32_t toPixel(uint32_t colour) {
  return 0xFF000000u | ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

// A number as text, with a leading space when it is not negative: Str(17) is " 17".
std::string Str(double v);

// The substring of `length` characters from position `start` (counted from 1) as the number
// it spells: Val(Mid("066198132", 4, 3)) is 198.
double ValMid(std::string_view text, int start, int length);

}  // namespace play
