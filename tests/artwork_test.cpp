// The pictures: sizes, transparency, and what the game relies on in each.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <stdexcept>
#include <string>

#include "play/bitmap.h"

namespace {

using play::artwork;
using play::Bitmap;

constexpr uint32_t kBlack = 0xFF000000u;

struct Expected {
  const char* name;
  int w, h;
  std::optional<uint32_t> key;
  size_t maxColours;  // 16 for the pictures held in 16 colours, else a GIF's 256
};

const Expected kPictures[] = {
    {"pipiro", 32, 32, std::nullopt, 256},  {"niwatori", 32, 32, std::nullopt, 256},
    {"tsh(0)", 32, 32, std::nullopt, 256},  {"tsh(1)", 32, 32, std::nullopt, 256},
    {"tsh(2)", 32, 32, std::nullopt, 256},  {"tsh(3)", 32, 32, std::nullopt, 256},
    {"tsh(4)", 32, 32, std::nullopt, 256},  {"red", 32, 32, std::nullopt, 256},
    {"bossi(0)", 150, 150, 0x4242FF, 256},  {"bossi(1)", 150, 150, 0x00C600, 256},
    {"bossi(2)", 150, 150, 0x848484, 16},   {"bossi(3)", 150, 150, 0xFFFFFF, 256},
    {"bossi(4)", 150, 150, 0xFFFF00, 16},   {"toumei", 150, 150, std::nullopt, 256},
    {"boss", 150, 150, 0xFFFFFF, 16},       {"fire", 32, 32, std::nullopt, 256},
    {"power", 32, 32, std::nullopt, 256},   {"tela(0)", 10, 10, std::nullopt, 256},
    {"tela(1)", 10, 10, std::nullopt, 256}, {"tela(2)", 10, 10, std::nullopt, 256},
    {"kumo", 32, 25, std::nullopt, 256},    {"jimen", 450, 30, std::nullopt, 256},
    {"icon", 32, 32, std::nullopt, 16},
};

std::set<uint32_t> coloursOf(const Bitmap& b) {
  return {b.px.begin(), b.px.end()};
}

TEST(Artwork, EveryPictureHasItsSizeTransparencyAndColourCount) {
  for (const Expected& e : kPictures) {
    SCOPED_TRACE(e.name);
    const Bitmap& b = artwork(e.name);
    EXPECT_EQ(b.name, e.name);
    EXPECT_EQ(b.w, e.w);
    EXPECT_EQ(b.h, e.h);
    EXPECT_EQ(b.px.size(), static_cast<size_t>(e.w) * e.h);
    EXPECT_EQ(b.key, e.key);
    EXPECT_LE(coloursOf(b).size(), e.maxColours);
    if (std::string(e.name) != "icon") {
      for (uint32_t c : b.px) ASSERT_EQ(c >> 24, 0xFFu) << "only the icon has a mask";
    }
  }
}

TEST(Artwork, UnknownNameIsAnError) {
  EXPECT_THROW(artwork("ahiru(0)"), std::out_of_range);
}

TEST(Artwork, CharactersLieOnOpaqueBlack) {
  for (const char* name :
       {"pipiro", "niwatori", "tsh(0)", "tsh(1)", "tsh(2)", "tsh(3)", "tsh(4)", "red", "fire",
        "power", "kumo", "bossi(0)", "bossi(1)", "bossi(3)", "bossi(4)"}) {
    SCOPED_TRACE(name);
    const Bitmap& b = artwork(name);
    EXPECT_EQ(b.at(0, 0), kBlack);
    EXPECT_EQ(b.at(b.w - 1, 0), kBlack);
    EXPECT_EQ(b.at(0, b.h - 1), kBlack);
    EXPECT_EQ(b.at(b.w - 1, b.h - 1), kBlack);
    // and there is a creature on it
    size_t black = 0;
    for (uint32_t c : b.px) black += c == kBlack;
    EXPECT_LT(black, b.px.size() * 9 / 10);
  }
}

// A boss's body is its transparent colour, so the box's colour shows through it. The body must
// be big, and ringed off from the black background so that a flash never bleeds past it.
TEST(Artwork, BossBodiesAreTheLevelColourInsideAnOutline) {
  for (int level = 0; level < 5; ++level) {
    const std::string name = "bossi(" + std::to_string(level) + ")";
    SCOPED_TRACE(name);
    const Bitmap& b = artwork(name);
    ASSERT_TRUE(b.key);
    const uint32_t key = 0xFF000000u | *b.key;
    size_t body = 0;
    for (int y = 0; y < b.h; ++y)
      for (int x = 0; x < b.w; ++x) {
        if (b.at(x, y) != key) continue;
        ++body;
        ASSERT_TRUE(x > 0 && y > 0 && x < b.w - 1 && y < b.h - 1) << "body at the edge";
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
          ASSERT_NE(b.at(x + dx, y + dy), kBlack)
              << "body touches the background at " << x << "," << y;
      }
    EXPECT_GT(body, b.px.size() * 15 / 100);
  }
}

TEST(Artwork, DesignBossIsADuckOnCyanWithAWhiteBody) {
  const Bitmap& b = artwork("boss");
  EXPECT_EQ(b.at(0, 0), 0xFF00FFFFu);
  size_t body = 0;
  for (uint32_t c : b.px) body += c == 0xFFFFFFFFu;
  EXPECT_GT(body, b.px.size() * 15 / 100);
}

// The ghost: thin lines on black, in cyan, yellow, green, blue and red, with nothing that the
// box's colour could show through.
TEST(Artwork, GhostIsThinColouredLinesOnBlack) {
  const Bitmap& b = artwork("toumei");
  size_t black = 0;
  bool hue[5] = {};  // cyan, yellow, green, blue, red
  for (uint32_t c : b.px) {
    if (c == kBlack) {
      ++black;
      continue;
    }
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, bl = c & 0xFF;
    hue[0] |= r < 64 && g > 160 && bl > 160;
    hue[1] |= r > 160 && g > 160 && bl < 64;
    hue[2] |= r < 64 && g > 160 && bl < 128;
    hue[3] |= r < 64 && g < 128 && bl > 160;
    hue[4] |= r > 160 && g < 64 && bl < 64;
  }
  EXPECT_GT(black, b.px.size() * 85 / 100);
  for (bool seen : hue) EXPECT_TRUE(seen);
}

TEST(Artwork, GroundFadesFromBlackToOliveThenStaysOlive) {
  const Bitmap& b = artwork("jimen");
  uint32_t previous = 0;
  for (int y = 0; y < b.h; ++y) {
    SCOPED_TRACE(y);
    const uint32_t row = b.at(0, y);
    for (int x = 1; x < b.w; ++x) ASSERT_EQ(b.at(x, y), row);
    const uint32_t r = (row >> 16) & 0xFF, g = (row >> 8) & 0xFF, bl = row & 0xFF;
    EXPECT_EQ(r, g);  // olive all the way: red and green alike, no blue
    EXPECT_EQ(bl, 0u);
    if (y == 0) {
      EXPECT_EQ(row, kBlack);
    }
    if (y > 0 && y < 13) {
      EXPECT_GT(g, (previous >> 8) & 0xFF);
      EXPECT_LT(g, 132u);
    }
    if (y >= 13) {
      EXPECT_EQ(row, 0xFF848400u);
    }
    previous = row;
  }
}

TEST(Artwork, ShotsAreThreeSolidYellowSquares) {
  const Bitmap* seen[3];
  for (int k = 0; k < 3; ++k) {
    const Bitmap& b = artwork("tela(" + std::to_string(k) + ")");
    for (uint32_t c : b.px) ASSERT_EQ(c, 0xFFFFFF00u);
    seen[k] = &b;
  }
  EXPECT_NE(seen[0], seen[1]);
  EXPECT_NE(seen[1], seen[2]);
  EXPECT_NE(seen[0], seen[2]);
}

// The icon is the chick with a mask: see-through round it, opaque on it, the very pixels of
// the hero's picture where it shows.
TEST(Artwork, IconIsTheChickOnAMask) {
  const Bitmap& icon = artwork("icon");
  const Bitmap& chick = artwork("pipiro");
  size_t shown = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const uint32_t c = icon.at(x, y);
      const uint32_t alpha = c >> 24;
      ASSERT_TRUE(alpha == 0 || alpha == 255);
      if (alpha == 255) {
        ++shown;
        EXPECT_EQ(c, chick.at(x, y));
      }
    }
  EXPECT_EQ(icon.at(0, 0) >> 24, 0u);
  EXPECT_EQ(icon.at(31, 31) >> 24, 0u);
  EXPECT_EQ(icon.at(16, 18) >> 24, 255u);
  EXPECT_GT(shown, 300u);
  EXPECT_LT(shown, 900u);
}

}  // namespace
