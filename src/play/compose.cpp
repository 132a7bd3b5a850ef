#include "play/compose.h"

#include <algorithm>
#include <cmath>

#include "play/basic.h"

namespace play {

namespace {

constexpr Rect kClient{0, 0, Frame::W, Frame::H};

Rect intersect(const Rect& a, const Rect& b) {
  int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
  return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

bool overlaps(const Rect& a, const Rect& b) {
  Rect r = intersect(a, b);
  return r.w > 0 && r.h > 0;
}

void fill(Frame& out, const Rect& area, uint32_t pixel) {
  Rect r = intersect(area, kClient);
  for (int y = r.y; y < r.y + r.h; ++y) {
    uint32_t* row = &out.px[static_cast<size_t>(y) * Frame::W];
    std::fill(row + r.x, row + r.x + r.w, pixel);
  }
}

// A picture at (x, y), one picture pixel to one frame pixel, its transparent colour skipped.
void blit(Frame& out, const Rect& clip, int x, int y, const Bitmap& b) {
  Rect r = intersect(intersect({x, y, b.w, b.h}, clip), kClient);
  if (r.w == 0 || r.h == 0) return;
  const bool keyed = b.key.has_value();
  const uint32_t key = keyed ? (*b.key & 0xFFFFFF) : 0;
  for (int py = r.y; py < r.y + r.h; ++py) {
    const uint32_t* src = &b.px[static_cast<size_t>(py - y) * b.w + (r.x - x)];
    uint32_t* dst = &out.px[static_cast<size_t>(py) * Frame::W + r.x];
    if (!keyed) {
      std::copy(src, src + r.w, dst);
      continue;
    }
    for (int k = 0; k < r.w; ++k)
      if ((src[k] & 0xFFFFFF) != key) dst[k] = src[k];
  }
}

uint32_t blend(uint32_t dst, uint32_t colour, uint32_t a) {
  auto mix = [a](uint32_t d, uint32_t c) { return (c * a + d * (255 - a) + 127) / 255; };
  uint32_t r = mix((dst >> 16) & 0xFF, (colour >> 16) & 0xFF);
  uint32_t g = mix((dst >> 8) & 0xFF, (colour >> 8) & 0xFF);
  uint32_t b = mix(dst & 0xFF, colour & 0xFF);
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

Rect boxRect(const Control& c) {
  return {unitsToPixelsX(c.x), unitsToPixelsY(c.y), static_cast<int>(std::lround(c.width())),
          static_cast<int>(std::lround(c.height() * kPixelsPerUnitY))};
}

}  // namespace

int unitsToPixelsX(double x) {
  return static_cast<int>(std::floor(x + 0.5));
}
int unitsToPixelsY(double y) {
  return static_cast<int>(std::floor(y * kPixelsPerUnitY + 0.5));
}

Rect Composer::textCell(int x, int y, Face face, double points, const std::string& s) {
  const TextMask& m = text_.render(face, points, s);
  return {x, y, m.w, m.h};
}

void Composer::drawText(Frame& out, const Rect& clip, int x, int y, Face face, double points,
                        uint32_t colour, const std::string& s) {
  const TextMask& m = text_.render(face, points, s);
  Rect r = intersect(intersect({x, y, m.w, m.h}, clip), kClient);
  if (r.w == 0 || r.h == 0) return;  // nothing to draw, an empty caption included
  const uint32_t c = toPixel(colour);
  for (int py = r.y; py < r.y + r.h; ++py) {
    const uint8_t* src = &m.alpha[static_cast<size_t>(py - y) * m.w + (r.x - x)];
    uint32_t* dst = &out.px[static_cast<size_t>(py) * Frame::W + r.x];
    for (int k = 0; k < r.w; ++k)
      if (src[k]) dst[k] = src[k] == 255 ? c : blend(dst[k], c, src[k]);
  }
}

void Composer::compose(const Form& f, Frame& out) {
  fill(out, kClient, toPixel(f.form1.BackColor));

  // The window prints on a cell of its own BackColor, so a shorter score hides a longer one.
  for (const PrintItem& p : f.form1.prints) {
    const int x = unitsToPixelsX(p.x), y = unitsToPixelsY(p.y);
    fill(out, textCell(x, y, f.form1.face, p.fontSize, p.text), toPixel(f.form1.BackColor));
    drawText(out, kClient, x, y, f.form1.face, p.fontSize, p.colour, p.text);
  }

  for (const Control* c : imagesBottomToTop(f)) {
    if (!c->Visible) continue;
    const int x = unitsToPixelsX(c->x), y = unitsToPixelsY(c->y);
    if (c->kind == Kind::Label) {
      Rect r = boxRect(*c);
      fill(out, r, toPixel(c->BackColor));
      drawText(out, r, x, y, c->face, c->FontSize, c->ForeColor, c->Caption);
    } else if (c->Picture) {
      blit(out, kClient, x, y, *c->Picture);
    }
  }

  for (const Control* c : {&f.boss, &f.laser}) {
    if (!c->Visible) continue;
    Rect r = boxRect(*c);
    fill(out, r, toPixel(c->BackColor));
    if (c->Picture) blit(out, r, r.x, r.y, *c->Picture);
    for (const PrintItem& p : c->prints)
      drawText(out, r, r.x + static_cast<int>(p.x), r.y + static_cast<int>(p.y), c->face,
               p.fontSize, p.colour, p.text);
  }
}

void Composer::settleWindowText(Form& f) {
  Rect boxes[2];
  int count = 0;
  for (const Control* c : {&f.boss, &f.laser})
    if (c->Visible) boxes[count++] = boxRect(*c);
  std::erase_if(f.form1.prints, [&](const PrintItem& p) {
    const Rect cell =
        textCell(unitsToPixelsX(p.x), unitsToPixelsY(p.y), f.form1.face, p.fontSize, p.text);
    return std::any_of(boxes, boxes + count, [&](const Rect& b) { return overlaps(b, cell); });
  });
}

MessageBoxLayout Composer::drawMessageBox(Frame& out, const std::string& text,
                                          const std::string& title) {
  constexpr uint32_t kFace = 0xFFD4D0C8, kTitle = 0xFF0A246A, kLight = 0xFFFFFFFF,
                     kDark = 0xFF404040;
  const TextMask& body = text_.render(Face::Window, 9, text);
  const int w = std::max(150, body.w + 48), h = 96;
  MessageBoxLayout l;
  l.box = {(Frame::W - w) / 2, (Frame::H - h) / 2, w, h};
  l.ok = {l.box.x + (w - 64) / 2, l.box.y + h - 30, 64, 22};
  auto bevel = [&](const Rect& r, bool raised) {
    fill(out, r, raised ? kLight : kDark);
    fill(out, {r.x + 1, r.y + 1, r.w - 1, r.h - 1}, raised ? kDark : kLight);
    fill(out, {r.x + 1, r.y + 1, r.w - 2, r.h - 2}, kFace);
  };
  bevel(l.box, true);
  fill(out, {l.box.x + 3, l.box.y + 3, w - 6, 18}, kTitle);
  drawText(out, l.box, l.box.x + 7, l.box.y + 4, Face::Window, 9, 16777215, title);
  drawText(out, l.box, l.box.x + 24, l.box.y + 34, Face::Window, 9, 0, text);
  bevel(l.ok, true);
  const TextMask& ok = text_.render(Face::Window, 9, "OK");
  drawText(out, l.ok, l.ok.x + (l.ok.w - ok.w) / 2, l.ok.y + (l.ok.h - ok.h) / 2, Face::Window, 9,
           0, "OK");
  return l;
}

}  // namespace play
