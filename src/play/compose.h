// Composing the window into its 392 x 286 frame: one drawing path for the window on screen,
// for PNG frames and for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "play/fonts.h"
#include "play/form.h"

namespace play {

struct Frame {
  static constexpr int W = kClientW;
  static constexpr int H = kClientH;
  std::vector<uint32_t> px = std::vector<uint32_t>(static_cast<size_t>(W) * H);  // 0xAARRGGBB
  uint32_t at(int x, int y) const { return px[static_cast<size_t>(y) * W + x]; }
};

// Units to whole pixels: across one for one, down 22/21.
int unitsToPixelsX(double x);
int unitsToPixelsY(double y);

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

// The message box as it stands over the window: where its OK button is, in frame pixels.
struct MessageBoxLayout {
  Rect box;
  Rect ok;
};

class Composer {
 public:
  explicit Composer(Text& text) : text_(text) {}

  // The window as it shows now: BackColor, the window's text, images and labels bottom to
  // top, then `boss` and `laser`, all clipped to the client area.
  void compose(const Form& f, Frame& out);

  // Text printed on the window lasts only until that part of the window is redrawn: whatever
  // a picture box covers is gone. (A print over an earlier one in the same place replaces it
  // as it is printed.)
  void settleWindowText(Form& f);

  // Draws the modal message box over a composed frame.
  MessageBoxLayout drawMessageBox(Frame& out, const std::string& text, const std::string& title);

 private:
  void drawText(Frame& out, const Rect& clip, int x, int y, Face face, double points,
                uint32_t colour, const std::string& s);
  Rect textCell(int x, int y, Face face, double points, const std::string& s);

  Text& text_;
};

}  // namespace play
