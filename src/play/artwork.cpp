// The game's pictures, drawn as text pixel maps under src/play/art/ and compiled in.
//
// Each map is a small text file: a header, a palette of one character per colour, and the
// pixels, one character each. A map can also borrow another map's pixels with a palette of its
// own ("from"), or be traced from another map as thin coloured lines ("trace"). The format is
// described in src/play/art/README.md. Maps are parsed on first use and kept for the whole run.
#include <algorithm>
#include <array>
#include <map>
#include <sstream>
#include <stdexcept>

#include "play/art_sources.h"
#include "play/bitmap.h"

namespace play {

namespace {

// A parsed map before it becomes a Bitmap: characters, their colours, and how it is built.
struct Sheet {
  std::string name;
  int w = 0, h = 0;    // of the character grid
  int sx = 1, sy = 1;  // whole-number enlargement, nearest neighbour
  std::optional<uint32_t> key;
  std::map<char, uint32_t> palette;  // 0xAARRGGBB
  std::vector<std::string> rows;
  std::string from;         // borrow this map's pixels
  std::string trace;        // outline this map's regions
  std::vector<char> order;  // palette characters in the order written (trace ranks)
};

[[noreturn]] void fail(const std::string& where, const std::string& what) {
  throw std::runtime_error("artwork " + where + ": " + what);
}

uint32_t parseColour(const std::string& where, const std::string& text) {
  if (text == "none") return 0x00000000u;
  if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
    fail(where, "bad colour '" + text + "'");
  return 0xFF000000u | static_cast<uint32_t>(std::stoul(text, nullptr, 16));
}

Sheet parse(const char* file, const char* text) {
  Sheet s;
  std::istringstream in(text);
  std::string line;
  enum { Header, Palette, Pixels } part = Header;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    const std::string where = std::string(file) + ":" + std::to_string(lineNo);
    if (part == Pixels) {
      if (line.empty()) continue;
      s.rows.push_back(line);
      continue;
    }
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string word;
    if (part == Palette && line.size() > 2 && line[1] == ' ') {
      std::string colour;
      std::istringstream rest(line.substr(2));
      rest >> colour;
      if (s.palette.count(line[0])) fail(where, std::string("'") + line[0] + "' given twice");
      s.palette[line[0]] = parseColour(where, colour);
      s.order.push_back(line[0]);
      continue;
    }
    words >> word;
    if (word == "picture") {
      words >> s.name;
    } else if (word == "size") {
      words >> s.w >> s.h;
    } else if (word == "scale") {
      words >> s.sx;
      if (!(words >> s.sy)) s.sy = s.sx;
    } else if (word == "key") {
      std::string colour;
      words >> colour;
      if (colour != "none") s.key = parseColour(where, colour) & 0xFFFFFFu;
    } else if (word == "from") {
      words >> s.from;
    } else if (word == "trace") {
      words >> s.trace;
    } else if (word == "palette") {
      part = Palette;
    } else if (word == "pixels") {
      part = Pixels;
    } else {
      fail(where, "unknown line '" + line + "'");
    }
  }
  if (s.name.empty()) fail(file, "no picture name");
  return s;
}

// Paints a grid of characters through a palette, enlarged by (sx, sy).
Bitmap paint(const Sheet& s, const std::vector<std::string>& rows,
             const std::map<char, uint32_t>& palette) {
  Bitmap b;
  b.name = s.name;
  b.w = s.w * s.sx;
  b.h = s.h * s.sy;
  b.key = s.key;
  b.px.resize(static_cast<size_t>(b.w) * b.h);
  if (static_cast<int>(rows.size()) != s.h)
    fail(s.name, "expected " + std::to_string(s.h) + " rows");
  for (int y = 0; y < s.h; ++y) {
    if (static_cast<int>(rows[y].size()) != s.w)
      fail(s.name, "row " + std::to_string(y) + " is not " + std::to_string(s.w) + " wide");
    for (int x = 0; x < s.w; ++x) {
      auto it = palette.find(rows[y][x]);
      if (it == palette.end()) fail(s.name, std::string("no colour for '") + rows[y][x] + "'");
      for (int v = 0; v < s.sy; ++v)
        for (int u = 0; u < s.sx; ++u)
          b.px[static_cast<size_t>(y * s.sy + v) * b.w + x * s.sx + u] = it->second;
    }
  }
  return b;
}

// Thin line drawing of another map's regions. The tracing palette gives each character of the
// source a line colour; characters left out belong to the background. Characters sharing a
// colour form one region. Where two regions meet, a one-pixel line is drawn on the side of the
// region listed later, in its colour; everything else is the background colour ('.').
Bitmap traceOf(const Sheet& s, const Sheet& src) {
  Bitmap b;
  b.name = s.name;
  b.w = src.w * src.sx;
  b.h = src.h * src.sy;
  b.key = s.key;
  auto bgIt = s.palette.find('.');
  if (bgIt == s.palette.end()) fail(s.name, "a traced picture needs '.' for its background");
  const uint32_t background = bgIt->second;
  std::array<int, 256> rank{};  // 0 background, else 1 + first index of the region's colour
  for (size_t i = 0; i < s.order.size(); ++i) {
    char c = s.order[i];
    if (c == '.') continue;
    size_t first = 0;
    while (s.palette.at(s.order[first]) != s.palette.at(c)) ++first;
    rank[static_cast<unsigned char>(c)] = static_cast<int>(first) + 1;
  }
  auto regionAt = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= b.w || y >= b.h) return 0;
    return rank[static_cast<unsigned char>(src.rows[y / src.sy][x / src.sx])];
  };
  b.px.assign(static_cast<size_t>(b.w) * b.h, background);
  for (int y = 0; y < b.h; ++y)
    for (int x = 0; x < b.w; ++x) {
      const int r = regionAt(x, y);
      if (r == 0) continue;
      const bool edge = regionAt(x - 1, y) < r || regionAt(x + 1, y) < r ||
                        regionAt(x, y - 1) < r || regionAt(x, y + 1) < r;
      if (edge) b.px[static_cast<size_t>(y) * b.w + x] = s.palette.at(s.order[r - 1]);
    }
  return b;
}

std::map<std::string, Bitmap> build() {
  std::map<std::string, Sheet> sheets;
  for (const ArtSource& source : artSources()) {
    Sheet s = parse(source.file, source.text);
    std::string name = s.name;
    if (!sheets.emplace(name, std::move(s)).second) fail(source.file, "picture given twice");
  }
  std::map<std::string, Bitmap> pictures;
  for (const auto& [name, s] : sheets) {
    if (!s.trace.empty()) {
      auto src = sheets.find(s.trace);
      if (src == sheets.end()) fail(name, "nothing to trace named " + s.trace);
      pictures.emplace(name, traceOf(s, src->second));
      continue;
    }
    const Sheet* grid = &s;
    std::map<char, uint32_t> palette = s.palette;
    if (!s.from.empty()) {
      auto src = sheets.find(s.from);
      if (src == sheets.end()) fail(name, "nothing to borrow named " + s.from);
      grid = &src->second;
      palette = grid->palette;
      for (const auto& [c, colour] : s.palette) palette[c] = colour;
    }
    Sheet shape = *grid;
    shape.name = name;
    shape.key = s.key;
    pictures.emplace(name, paint(shape, grid->rows, palette));
  }
  return pictures;
}

}  // namespace

const Bitmap& artwork(const std::string& name) {
  static const std::map<std::string, Bitmap> pictures = build();
  auto it = pictures.find(name);
  if (it == pictures.end()) throw std::out_of_range("no picture named " + name);
  return it->second;
}

}  // namespace play
