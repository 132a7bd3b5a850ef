// munyope-sheet: writes one PNG with every picture of the game enlarged, its name under it, on a
// mid-grey ground, for looking the artwork over. Each boss picture is shown twice: over its
// level's colour, as it flies, and over the orange it flashes when hit.
//
//   munyope-sheet OUT.png [--scale N] [NAME ...]
//
// With names, only those pictures are shown.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "play/bitmap.h"
#include "play/png.h"

namespace {

constexpr uint32_t kGround = 0xFF808080u;
constexpr uint32_t kInk = 0xFF000000u;
constexpr uint32_t kOrange = 0xFF8000u;

// A 5 x 7 font for the names: each glyph is seven rows of five bits, high bit on the left.
struct Glyph {
  char c;
  uint8_t rows[7];
};
constexpr Glyph kFont[] = {
    {'a', {0x00, 0x00, 0x0E, 0x01, 0x0F, 0x11, 0x0F}},
    {'b', {0x10, 0x10, 0x1E, 0x11, 0x11, 0x11, 0x1E}},
    {'c', {0x00, 0x00, 0x0E, 0x10, 0x10, 0x10, 0x0E}},
    {'d', {0x01, 0x01, 0x0F, 0x11, 0x11, 0x11, 0x0F}},
    {'e', {0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E}},
    {'f', {0x06, 0x08, 0x1C, 0x08, 0x08, 0x08, 0x08}},
    {'g', {0x00, 0x0F, 0x11, 0x11, 0x0F, 0x01, 0x0E}},
    {'h', {0x10, 0x10, 0x1E, 0x11, 0x11, 0x11, 0x11}},
    {'i', {0x04, 0x00, 0x0C, 0x04, 0x04, 0x04, 0x0E}},
    {'j', {0x02, 0x00, 0x06, 0x02, 0x02, 0x12, 0x0C}},
    {'k', {0x10, 0x10, 0x12, 0x14, 0x18, 0x14, 0x12}},
    {'l', {0x0C, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'m', {0x00, 0x00, 0x1A, 0x15, 0x15, 0x15, 0x15}},
    {'n', {0x00, 0x00, 0x1E, 0x11, 0x11, 0x11, 0x11}},
    {'o', {0x00, 0x00, 0x0E, 0x11, 0x11, 0x11, 0x0E}},
    {'p', {0x00, 0x00, 0x1E, 0x11, 0x1E, 0x10, 0x10}},
    {'q', {0x00, 0x00, 0x0F, 0x11, 0x0F, 0x01, 0x01}},
    {'r', {0x00, 0x00, 0x16, 0x19, 0x10, 0x10, 0x10}},
    {'s', {0x00, 0x00, 0x0F, 0x10, 0x0E, 0x01, 0x1E}},
    {'t', {0x08, 0x08, 0x1C, 0x08, 0x08, 0x09, 0x06}},
    {'u', {0x00, 0x00, 0x11, 0x11, 0x11, 0x13, 0x0D}},
    {'v', {0x00, 0x00, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'w', {0x00, 0x00, 0x11, 0x11, 0x15, 0x15, 0x0A}},
    {'x', {0x00, 0x00, 0x11, 0x0A, 0x04, 0x0A, 0x11}},
    {'y', {0x00, 0x11, 0x11, 0x11, 0x0F, 0x01, 0x0E}},
    {'z', {0x00, 0x00, 0x1F, 0x02, 0x04, 0x08, 0x1F}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'(', {0x02, 0x04, 0x08, 0x08, 0x08, 0x04, 0x02}},
    {')', {0x08, 0x04, 0x02, 0x02, 0x02, 0x04, 0x08}},
    {',', {0x00, 0x00, 0x00, 0x00, 0x0C, 0x04, 0x08}},
};
constexpr int kTextScale = 2;
constexpr int kAdvance = 6 * kTextScale;
constexpr int kTextHeight = 7 * kTextScale;

struct Canvas {
  int w, h;
  std::vector<uint32_t> px;
  Canvas(int width, int height) : w(width), h(height), px(static_cast<size_t>(w) * h, kGround) {}
  void set(int x, int y, uint32_t c) {
    if (x >= 0 && y >= 0 && x < w && y < h) px[static_cast<size_t>(y) * w + x] = c;
  }
  void text(int x, int y, const std::string& s) {
    for (char c : s) {
      for (const Glyph& g : kFont) {
        if (g.c != c) continue;
        for (int r = 0; r < 7; ++r)
          for (int b = 0; b < 5; ++b)
            if (g.rows[r] & (0x10 >> b))
              for (int v = 0; v < kTextScale; ++v)
                for (int u = 0; u < kTextScale; ++u)
                  set(x + b * kTextScale + u, y + r * kTextScale + v, kInk);
      }
      x += kAdvance;
    }
  }
  // Draws a picture as its control would: over `back` where it is transparent (by its colour
  // key, or by alpha for the icon), or over the sheet where `back` is not given.
  void picture(int x, int y, int scale, const play::Bitmap& b, std::optional<uint32_t> back) {
    for (int py = 0; py < b.h; ++py)
      for (int px_ = 0; px_ < b.w; ++px_) {
        uint32_t c = b.at(px_, py);
        if ((b.key && (c & 0xFFFFFFu) == *b.key) || (c >> 24) == 0) {
          if (!back) continue;
          c = 0xFF000000u | *back;
        }
        for (int v = 0; v < scale; ++v)
          for (int u = 0; u < scale; ++u) set(x + px_ * scale + u, y + py * scale + v, c);
      }
  }
};

struct Cell {
  std::string name;     // picture
  std::string caption;  // text under it
  std::optional<uint32_t> back;
  bool newRow = false;  // start a row: the bosses keep to rows of their own
};

std::vector<Cell> cellsFor(const std::vector<std::string>& names) {
  const uint32_t levelColour[5] = {0x4242FF, 0x00C600, 0x848484, 0xFFFFFF, 0xFFFF00};
  std::vector<Cell> cells;
  bool large = false;
  for (const std::string& n : names) {
    const bool big = play::artwork(n).w == 150;
    const bool startRow = big && !large;
    large = large || big;
    int level = -1;
    if (std::sscanf(n.c_str(), "bossi(%d)", &level) == 1 && level >= 0 && level < 5) {
      cells.push_back({n, n, levelColour[level], startRow});
      cells.push_back({n, n + " hit", kOrange});
    } else if (n == "boss") {
      cells.push_back({n, n, 0xFFFFFFu, startRow});  // the box's design-time white
    } else {
      cells.push_back({n, n, std::nullopt, startRow});
    }
  }
  return cells;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: munyope-sheet OUT.png [--scale N] [NAME ...]\n");
    return 2;
  }
  const std::string out = argv[1];
  int scale = 3;
  std::vector<std::string> names;
  for (int a = 2; a < argc; ++a) {
    std::string arg = argv[a];
    if (arg == "--scale" && a + 1 < argc) {
      scale = std::atoi(argv[++a]);
      if (scale < 1) scale = 1;
    } else {
      names.push_back(arg);
    }
  }
  if (names.empty())
    names = {"pipiro",   "niwatori", "icon",     "tsh(0)", "tsh(1)",   "tsh(2)",
             "tsh(3)",   "tsh(4)",   "red",      "fire",   "power",    "kumo",
             "tela(0)",  "tela(1)",  "tela(2)",  "jimen",  "bossi(0)", "bossi(1)",
             "bossi(2)", "bossi(3)", "bossi(4)", "toumei", "boss"};
  const std::vector<Cell> cells = cellsFor(names);

  // Flow the cells left to right, wrapping at a width that holds four bosses.
  constexpr int kPad = 16;
  const int maxWidth = 4 * (150 * scale + kPad) + kPad;
  struct Place {
    int x, y;
  };
  std::vector<Place> places;
  int x = kPad, y = kPad, rowHeight = 0, width = 0;
  for (const Cell& c : cells) {
    const play::Bitmap& b = play::artwork(c.name);
    const int cw = std::max(b.w * scale, static_cast<int>(c.caption.size()) * kAdvance);
    const int ch = b.h * scale + 6 + kTextHeight;
    if (x > kPad && (x + cw > maxWidth || c.newRow)) {
      x = kPad;
      y += rowHeight + kPad;
      rowHeight = 0;
    }
    places.push_back({x, y});
    x += cw + kPad;
    width = std::max(width, x);
    rowHeight = std::max(rowHeight, ch);
  }
  Canvas canvas(width, y + rowHeight + kPad);
  for (size_t k = 0; k < cells.size(); ++k) {
    const play::Bitmap& b = play::artwork(cells[k].name);
    canvas.picture(places[k].x, places[k].y, scale, b, cells[k].back);
    canvas.text(places[k].x, places[k].y + b.h * scale + 6, cells[k].caption);
  }
  std::string error;
  if (!play::writePng(out, canvas.px.data(), canvas.w, canvas.h, error)) {
    std::fprintf(stderr, "munyope-sheet: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
