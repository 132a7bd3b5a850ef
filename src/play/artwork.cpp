// Stand-in pictures of the right sizes and transparent colours, until the artwork lands.
#include <map>
#include <stdexcept>

#include "play/bitmap.h"

namespace play {

namespace {

Bitmap solid(const std::string& name, int w, int h, uint32_t argb) {
  Bitmap b;
  b.name = name;
  b.w = w;
  b.h = h;
  b.px.assign(static_cast<size_t>(w) * h, argb);
  return b;
}

// A black square with a disc of the key colour: the body that shows the boss's BackColor.
Bitmap keyedBoss(const std::string& name, uint32_t keyRgb) {
  Bitmap b = solid(name, 150, 150, 0xFF000000u);
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 150; ++x)
      if ((x - 75) * (x - 75) + (y - 75) * (y - 75) < 55 * 55)
        b.px[y * 150 + x] = 0xFF000000u | keyRgb;
  b.key = keyRgb;
  return b;
}

std::map<std::string, Bitmap> build() {
  std::map<std::string, Bitmap> m;
  auto add = [&m](Bitmap b) { m.emplace(b.name, std::move(b)); };
  add(solid("pipiro", 32, 32, 0xFFFFFFFF));
  add(solid("niwatori", 32, 32, 0xFF8484FF));
  const uint32_t tshColour[5] = {0xFF4242FF, 0xFF00C600, 0xFF848484, 0xFFFFFFFF, 0xFFFFFF00};
  for (int k = 0; k < 5; ++k) add(solid("tsh(" + std::to_string(k) + ")", 32, 32, tshColour[k]));
  add(solid("red", 32, 32, 0xFFFF0000));
  const uint32_t bossKey[5] = {0x4242FF, 0x00C600, 0x848484, 0xFFFFFF, 0xFFFF00};
  for (int k = 0; k < 5; ++k) add(keyedBoss("bossi(" + std::to_string(k) + ")", bossKey[k]));
  add(keyedBoss("boss", 0xFFFFFF));
  add(solid("toumei", 150, 150, 0xFF000000));
  add(solid("fire", 32, 32, 0xFFFF8000));
  add(solid("power", 32, 32, 0xFFC00000));
  for (int k = 0; k < 3; ++k) add(solid("tela(" + std::to_string(k) + ")", 10, 10, 0xFFFFFF00));
  add(solid("kumo", 32, 25, 0xFF848400));
  add(solid("jimen", 450, 30, 0xFF848400));
  add(solid("icon", 32, 32, 0xFFFFFFFF));
  return m;
}

}  // namespace

const Bitmap& artwork(const std::string& name) {
  static const std::map<std::string, Bitmap> pictures = build();
  auto it = pictures.find(name);
  if (it == pictures.end()) throw std::out_of_range("no picture named " + name);
  return it->second;
}

}  // namespace play
