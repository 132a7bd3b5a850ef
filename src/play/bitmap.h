// A picture: pixels in 0xAARRGGBB, row-major, with an optional transparent colour.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace play {

struct Bitmap {
  std::string name;  // the control whose design picture this is, e.g. "tsh(2)"
  int w = 0;
  int h = 0;
  std::vector<uint32_t> px;     // 0xAARRGGBB; alpha is 255 except in the icon's mask
  std::optional<uint32_t> key;  // transparent colour 0xRRGGBB, never drawn
  uint32_t at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

// Every picture of the game, built once and kept for the whole run. Names are the controls
// that own them ("pipiro", "tsh(0)" .. "tsh(4)", "bossi(0)" .. "bossi(4)", "tela(0)" ..,
// "boss", "toumei", "red", "fire", "power", "kumo", "jimen") plus "icon" for the window icon.
const Bitmap& artwork(const std::string& name);

}  // namespace play
