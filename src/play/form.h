// The window form1 and its 32 controls, as data: what the game reads and changes.
// Drawing them is compose.h's job; this header knows nothing of SDL.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "play/bitmap.h"

namespace play {

// Design fonts: the labels and `laser` use the Japanese proportional gothic face; the window
// prints in a small sans.
enum class Face { Window, Gothic };

// One Print: the text's top-left corner at (x, y) in the surface's own scale.
struct PrintItem {
  double x = 0;
  double y = 0;
  std::string text;
  double fontSize = 0;  // points
  uint32_t colour = 0;  // colour number
};

// Where printing happens: the window itself and the picture boxes.
struct PrintSurface {
  uint32_t BackColor = 0;
  uint32_t ForeColor = 0;
  double FontSize = 8;
  Face face = Face::Window;
  bool AutoRedraw = false;
  bool opaqueText =
      false;  // the window fills each text cell with BackColor; `laser` prints glyphs only
  double CurrentX = 0;
  double CurrentY = 0;
  std::vector<PrintItem> prints;

  void Print(std::string text);
  // Setting BackColor fills the surface anew, so whatever was printed on it is gone.
  void SetBackColor(uint32_t colour) {
    BackColor = colour;
    prints.clear();
  }
};

enum class Kind { Image, Label, PictureBox };

struct Control : PrintSurface {
  std::string name;
  Kind kind = Kind::Image;
  double x = 0;  // units
  double y = 0;
  double w = 0;  // design size in units; an image shows at its picture's size
  double h = 0;
  bool Visible = true;
  bool AutoSize = false;
  const Bitmap* Picture = nullptr;  // shared, never copied; equal only when one picture
  std::string Caption;              // labels

  void Move(double nx, double ny) {
    x = nx;
    y = ny;
  }
  void SetWidth(double units) { w = units; }
  void SetHeight(double units) { h = units; }
  // A picture box with AutoSize on takes the size of its picture.
  double width() const;
  double height() const;
};

struct Timer {
  int Interval = 0;  // 0 stopped; anything else ticks once a frame
};

// The run time's own services that the game calls: the random source and the message box.
struct Services {
  std::mt19937 rng;
  std::function<uint32_t()> takeSeed;  // the next seed: from the clock, or a replay file
  std::function<void(const std::string& text, const std::string& title)> msgBox;
};

struct Form {
  PrintSurface form1;  // the window: black, prints the score in white
  Control laser, boss, toumei, red, Label2, Label1, fire, jiki;
  std::array<Control, 5> bossi;
  std::array<Control, 3> ahiru;
  std::array<Control, 5> tsh;
  Control jimen, pipiro, niwatori, power;
  std::array<Control, 3> tela;
  Control kumo;
  Timer Timer1, Timer2, Timer3;
  Services rt;

  // Every control at its design place, with its design picture and settings.
  Form();

  void Randomize() { rt.rng.seed(rt.takeSeed ? rt.takeSeed() : 0); }
  // A random fraction, 0 <= r < 1.
  double Rnd() { return static_cast<double>(rt.rng()) / 4294967296.0; }
  void MsgBox(const std::string& text, const std::string& title) {
    if (rt.msgBox) rt.msgBox(text, title);
  }
};

// The images and labels from the bottom of the stacking order to its top; the two picture
// boxes, `boss` and then `laser`, are drawn over all of them.
std::array<const Control*, 27> imagesBottomToTop(const Form& f);
// Every control but the timers, in the order the state trace lists them.
std::array<const Control*, 29> allControls(const Form& f);

// One unit is one pixel across and 22/21 of a pixel down.
constexpr double kPixelsPerUnitY = 22.0 / 21.0;
constexpr int kClientW = 392;
constexpr int kClientH = 286;

}  // namespace play
