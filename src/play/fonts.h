// Fonts: found through fontconfig, opened with SDL_ttf, and text rendered to cached masks.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "play/form.h"

struct _TTF_Font;

namespace play {

struct FontFiles {
  std::string gothic;  // stands in for the design's Japanese proportional gothic
  std::string window;  // the window's own small sans
};

// Looks the two faces up through fontconfig. False, with a one-line message naming the
// package to install, when no suitable font is there.
bool findFonts(FontFiles& files, std::string& error);

// A line of text rendered once: an 8-bit coverage mask, w x h.
struct TextMask {
  int w = 0;
  int h = 0;
  std::vector<uint8_t> alpha;
};

// Opens the faces at the sizes asked for and keeps what it rendered.
class Text {
 public:
  ~Text();
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  // Null, with a one-line reason, when SDL_ttf or the fonts are missing.
  static std::unique_ptr<Text> open(std::string& error);

  const TextMask& render(Face face, double points, const std::string& text);

 private:
  Text() = default;
  _TTF_Font* font(Face face, int pixels);

  FontFiles files_;
  std::map<std::pair<Face, int>, _TTF_Font*> fonts_;
  std::map<std::tuple<Face, int, std::string>, TextMask> masks_;
};

// Points to pixels at 96 pixels per inch.
inline int pointsToPixels(double points) {
  return static_cast<int>(points * 96.0 / 72.0 + 0.5);
}

}  // namespace play
