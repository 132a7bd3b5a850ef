// How the window is drawn: stacking, clipping, picture boxes, printed text, units.
#include "play/compose.h"

#include <gtest/gtest.h>

#include "play/basic.h"
#include "play/keys.h"

using namespace play;

namespace {

Bitmap solid(uint32_t argb, int w = 32, int h = 32) {
  Bitmap b;
  b.w = w;
  b.h = h;
  b.px.assign(static_cast<size_t>(w) * h, argb);
  return b;
}

constexpr uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kGrey = 0xFF808080;
constexpr uint32_t kBlackPx = 0xFF000000;

// A window with every sprite moved out of the way and the title card's box shrunk away, so a
// test places just what it looks at.
class ComposeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    text = Text::open(error);
    ASSERT_TRUE(text) << error;
    composer = std::make_unique<Composer>(*text);
    for (const Control* c : allControls(f)) const_cast<Control*>(c)->Move(1000, 1000);
  }
  // `laser` over the whole window, printing at 48 points from (x, y) of its own pixels.
  void printOnLaser(uint32_t colour, double x, double y) {
    f.laser.Move(0, 0);
    f.laser.SetWidth(392);
    f.laser.SetHeight(273);
    f.laser.FontSize = 48;
    f.laser.ForeColor = colour;
    f.laser.CurrentX = x;
    f.laser.CurrentY = y;
    f.laser.Print("むにょぺ");
  }
  uint32_t at(int x, int y) {
    composer->compose(f, frame);
    return frame.at(x, y);
  }
  std::unique_ptr<Text> text;
  std::unique_ptr<Composer> composer;
  Form f;
  Frame frame;
  Bitmap red = solid(kRed), blue = solid(kBlue);
};

TEST_F(ComposeTest, ControlsStackInTheirDesignOrder) {
  struct Case {
    const char* what;
    Control* over;
    Control* under;
  };
  const Case cases[] = {
      {"ahiru(0) over the ground", &f.ahiru[0], &f.jimen},
      {"the ground over ahiru(1)", &f.jimen, &f.ahiru[1]},
      {"the ground over ahiru(2)", &f.jimen, &f.ahiru[2]},
      {"the ground over a shot", &f.jimen, &f.tela[0]},
      {"the ground over the power-up", &f.jimen, &f.power},
      {"the explosion over the hero", &f.fire, &f.jiki},
      {"the hero over ahiru(0)", &f.jiki, &f.ahiru[0]},
      {"boss over the hero", &f.boss, &f.jiki},
      {"laser over boss", &f.laser, &f.boss},
      {"a label over the explosion", &f.Label1, &f.fire},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const Control* k : allControls(f)) const_cast<Control*>(k)->Move(1000, 1000);
    c.over->Picture = &red;
    c.under->Picture = &blue;
    c.over->BackColor = 16777215;
    c.under->BackColor = 16777215;
    c.over->Caption = "";
    c.over->Move(100, 100);
    c.under->Move(100, 100);
    const uint32_t top = c.over->kind == Kind::Label ? toPixel(c.over->BackColor) : kRed;
    EXPECT_EQ(at(105, 110), top);
  }
}

TEST_F(ComposeTest, SpritesAreClippedAtEveryEdge) {
  f.jiki.Picture = &red;
  const struct {
    double x, y;
    int inX, inY;    // a pixel the sprite still covers
    int outX, outY;  // a pixel next to it that it does not
  } cases[] = {
      {-20, 100, 0, 110, 12, 110},     // left: 12 columns show
      {380, 100, 391, 110, 379, 110},  // right
      {100, -20, 110, 0, 110, 12},     // top: 32 - 21 rows show
      {100, 260, 110, 285, 110, 271},  // bottom
  };
  for (const auto& c : cases) {
    f.jiki.Move(c.x, c.y);
    EXPECT_EQ(at(c.inX, c.inY), kRed) << c.x << "," << c.y;
    EXPECT_EQ(at(c.outX, c.outY), kBlackPx) << c.x << "," << c.y;
  }
  f.jiki.Move(-40, 100);  // wholly outside: not seen, yet still visible and in its place
  composer->compose(f, frame);
  EXPECT_TRUE(f.jiki.Visible);
  EXPECT_EQ(frame.at(0, 110), kBlackPx);
}

TEST_F(ComposeTest, BossBackColorShowsOnlyThroughTransparentPixels) {
  Bitmap body = solid(kGrey, 150, 150);
  body.key = 0x4242FF;
  for (int y = 50; y < 100; ++y)
    for (int x = 50; x < 100; ++x) body.px[y * 150 + x] = 0xFF4242FF;
  f.boss.Picture = &body;
  f.boss.Move(100, 50);
  f.boss.SetBackColor(RGB(255, 128, 0));
  composer->compose(f, frame);
  const int top = unitsToPixelsY(50);
  EXPECT_EQ(frame.at(175, top + 75), 0xFFFF8000u);  // the body shows the orange
  EXPECT_EQ(frame.at(110, top + 10), kGrey);        // the outline keeps its colour
  f.boss.SetBackColor(RGB(66, 66, 255));
  composer->compose(f, frame);
  EXPECT_EQ(frame.at(175, top + 75), 0xFF4242FFu);
  EXPECT_EQ(frame.at(110, top + 10), kGrey);
}

TEST_F(ComposeTest, APictureWithoutTransparentColourHidesTheBackColor) {
  Bitmap ghost = solid(kBlackPx, 150, 150);
  f.boss.Picture = &ghost;
  f.boss.Move(100, 50);
  f.boss.SetBackColor(RGB(255, 255, 0));
  composer->compose(f, frame);
  const Frame yellow = frame;
  f.boss.SetBackColor(RGB(255, 128, 0));
  composer->compose(f, frame);
  EXPECT_EQ(frame.px, yellow.px);
}

TEST_F(ComposeTest, PicturesAreSharedNotCopied) {
  f.jiki.Picture = f.pipiro.Picture;
  EXPECT_EQ(f.jiki.Picture, f.pipiro.Picture);
  EXPECT_NE(f.jiki.Picture, f.niwatori.Picture);
  // Two pictures with the same pixels are still two pictures.
  EXPECT_NE(f.tela[0].Picture, f.tela[1].Picture);
  EXPECT_EQ(f.tela[0].Picture->px, f.tela[1].Picture->px);
}

TEST_F(ComposeTest, BackColorErasesPrintedText) {
  printOnLaser(16777215, 10, 10);
  composer->compose(f, frame);
  int lit = 0;
  for (uint32_t p : frame.px) lit += p != kBlackPx;
  EXPECT_GT(lit, 500);
  f.laser.SetBackColor(0);
  EXPECT_TRUE(f.laser.prints.empty());
  composer->compose(f, frame);
  for (uint32_t p : frame.px) ASSERT_EQ(p, kBlackPx);
}

TEST_F(ComposeTest, TextOnLaserIsGlyphsOnlySoTheShadowShows) {
  printOnLaser(12632256, 53, 33);
  printOnLaser(65535, 50, 30);
  composer->compose(f, frame);
  int silver = 0, yellow = 0;
  for (uint32_t p : frame.px) {
    silver += p == 0xFFC0C0C0u;
    yellow += p == 0xFFFFFF00u;
  }
  EXPECT_GT(silver, 100);  // the grey print still shows beside the yellow one
  EXPECT_GT(yellow, 500);
}

TEST_F(ComposeTest, APictureBoxOverWindowTextWipesIt) {
  f.form1.CurrentX = 0;
  f.form1.CurrentY = 0;
  f.form1.Print("SCORE 12");
  composer->settleWindowText(f);
  ASSERT_EQ(f.form1.prints.size(), 1u);
  composer->compose(f, frame);
  int lit = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 80; ++x) lit += frame.at(x, y) != kBlackPx;
  EXPECT_GT(lit, 40);

  // The title card covers the window, then turns into the missile and moves away.
  f.laser.Move(-1, -1);
  f.laser.SetWidth(393);
  f.laser.SetHeight(297);
  composer->settleWindowText(f);
  f.laser.SetWidth(10);
  f.laser.SetHeight(10);
  f.laser.Move(-32, 0);
  composer->settleWindowText(f);
  EXPECT_TRUE(f.form1.prints.empty());
  composer->compose(f, frame);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 80; ++x) ASSERT_EQ(frame.at(x, y), kBlackPx) << x << "," << y;
}

TEST_F(ComposeTest, ALaterScoreReplacesTheOneUnderIt) {
  for (const char* s : {"SCORE 9", "SCORE 10", "SCORE 11"}) {
    f.form1.CurrentX = 0;
    f.form1.CurrentY = 0;
    f.form1.Print(s);
    composer->settleWindowText(f);
  }
  ASSERT_EQ(f.form1.prints.size(), 1u);
  EXPECT_EQ(f.form1.prints[0].text, "SCORE 11");
}

TEST(Units, OneUnitIsOnePixelAcrossAndTwentyTwoTwentyFirstsDown) {
  EXPECT_EQ(unitsToPixelsX(205), 205);
  EXPECT_EQ(unitsToPixelsY(0), 0);
  EXPECT_EQ(unitsToPixelsY(273), 286);
  EXPECT_EQ(unitsToPixelsY(100), 105);
  EXPECT_EQ(unitsToPixelsY(-7.64), -8);
  EXPECT_EQ(unitsToPixelsY(143.18), 150);
}

TEST_F(ComposeTest, AnImageCoversItsPicturesSizeInPixels) {
  f.jiki.Picture = &red;
  f.jiki.Move(100, 100);
  composer->compose(f, frame);
  const int top = unitsToPixelsY(100);
  EXPECT_EQ(frame.at(131, top + 31), kRed);
  EXPECT_EQ(frame.at(132, top + 31), kBlackPx);
  EXPECT_EQ(frame.at(131, top + 32), kBlackPx);
}

TEST(Keys, SdlKeysBecomeVirtualKeyNumbers) {
  const struct {
    int sdl, scancode, vk;
  } cases[] = {
      {0x40000050, 80, 37},  {0x40000052, 82, 38},  {0x4000004F, 79, 39},  {0x40000051, 81, 40},
      {'z', 29, 90},         {'a', 4, 65},          {'0', 39, 48},         {'9', 38, 57},
      {' ', 44, 32},         {'\r', 40, 13},        {27, 41, 27},          {0x400000E1, 225, 16},
      {0x400000E0, 224, 17}, {0x4000003A, 58, 112}, {0x40000045, 69, 123},
  };
  for (const auto& c : cases) EXPECT_EQ(virtualKey(c.sdl, c.scancode), c.vk) << c.sdl;
  // A key with no number of its own still gets a fixed one, never 0.
  EXPECT_EQ(virtualKey(0x4000007F, 127), virtualKey(0x4000007F, 127));
  EXPECT_GT(virtualKey(0x4000007F, 127), 255);
}

}  // namespace
