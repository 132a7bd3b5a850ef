#include "play/form.h"

namespace play {

namespace {

constexpr uint32_t kBlack = 0;
constexpr uint32_t kWhite = 16777215;
constexpr uint32_t kYellow = 65535;

Control image(std::string name, double x, double y, double w, double h, const char* picture,
              bool visible = true) {
  Control c;
  c.name = std::move(name);
  c.kind = Kind::Image;
  c.Move(x, y);
  c.w = w;
  c.h = h;
  c.Visible = visible;
  if (picture) c.Picture = &artwork(picture);
  return c;
}

Control label(std::string name) {
  Control c;
  c.name = name;
  c.kind = Kind::Label;
  c.Move(0, 400.02);
  c.w = 217;
  c.h = 23.86;
  c.Caption = std::move(name);
  c.BackColor = kBlack;
  c.ForeColor = kWhite;
  c.face = Face::Gothic;
  c.FontSize = 14.25;
  return c;
}

std::string indexed(const char* name, int k) {
  return std::string(name) + "(" + std::to_string(k) + ")";
}

}  // namespace

void PrintSurface::Print(std::string text) {
  // On a surface that prints on cells of its BackColor, a print over an earlier one in the same
  // place and size, at least as long, hides it whole: keep only the new one. This keeps the
  // score line, printed on every tick, from piling up.
  if (opaqueText) {
    std::erase_if(prints, [&](const PrintItem& p) {
      return p.x == CurrentX && p.y == CurrentY && p.fontSize == FontSize &&
             p.text.size() <= text.size();
    });
  }
  prints.push_back({CurrentX, CurrentY, std::move(text), FontSize, ForeColor});
}

double Control::width() const {
  if (kind == Kind::PictureBox && AutoSize && Picture) return Picture->w;
  return w;
}

double Control::height() const {
  if (kind == Kind::PictureBox && AutoSize && Picture) return Picture->h / kPixelsPerUnitY;
  return h;
}

Form::Form() {
  form1.BackColor = kBlack;
  form1.ForeColor = kWhite;
  form1.face = Face::Window;
  form1.FontSize = 8.25;
  form1.AutoRedraw = false;
  form1.opaqueText = true;

  laser.name = "laser";
  laser.kind = Kind::PictureBox;
  laser.Move(0, -7.64);
  laser.w = 393;
  laser.h = 283.5;
  laser.BackColor = kBlack;
  laser.ForeColor = kYellow;
  laser.face = Face::Gothic;
  laser.FontSize = 48;
  laser.AutoRedraw = true;

  boss.name = "boss";
  boss.kind = Kind::PictureBox;
  boss.Move(216, 290.18);
  boss.w = 150;
  boss.h = 143.18;
  boss.AutoSize = true;
  boss.BackColor = kWhite;
  boss.Picture = &artwork("boss");

  toumei = image("toumei", 160, -299.98, 150, 143.18, "toumei", false);
  red = image("red", 160, -299.98, 32, 30.55, "red");
  Label2 = label("Label2");
  Label1 = label("Label1");
  fire = image("fire", 0, 299.98, 32, 30.55, "fire");
  jiki = image("jiki", -35, 0, 32, 30.55, nullptr);

  constexpr double bossPlace[5][2] = {
      {184, 297.82}, {200, 297.82}, {176, 305.45}, {184, 320.73}, {176, 297.82}};
  for (int k = 0; k < 5; ++k) {
    std::string n = indexed("bossi", k);
    bossi[k] = image(n, bossPlace[k][0], bossPlace[k][1], 150, 143.18, n.c_str(), false);
  }
  constexpr double tshPlace[5][2] = {
      {8, 343.64}, {48, 343.64}, {88, 297.82}, {88, 336}, {8, 381.82}};
  for (int k = 0; k < 5; ++k) {
    std::string n = indexed("tsh", k);
    tsh[k] = image(n, tshPlace[k][0], tshPlace[k][1], 32, 30.55, n.c_str(), false);
  }
  constexpr double ahiruPlace[3][2] = {{88, 381.82}, {136, 381.82}, {136, 336}};
  for (int k = 0; k < 3; ++k) {
    ahiru[k] = image(indexed("ahiru", k), ahiruPlace[k][0], ahiruPlace[k][1], 32, 30.55, nullptr);
  }
  jimen = image("jimen", -30, 250.09, 450, 28.64, "jimen");
  pipiro = image("pipiro", 8, 274.91, 32, 30.55, "pipiro", false);
  niwatori = image("niwatori", 8, 313.09, 32, 30.55, "niwatori", false);
  power = image("power", 136, 297.82, 32, 30.55, "power");
  constexpr double telaX[3] = {112, 80, 96};
  for (int k = 0; k < 3; ++k) {
    std::string n = indexed("tela", k);
    tela[k] = image(n, telaX[k], 282.55, 10, 9.55, n.c_str());
  }
  kumo = image("kumo", 136, 282.55, 32, 23.86, "kumo");
}

std::array<const Control*, 27> imagesBottomToTop(const Form& f) {
  return {&f.kumo,     &f.tela[1],  &f.tela[2],  &f.tela[0],  &f.power,    &f.ahiru[1], &f.ahiru[2],
          &f.niwatori, &f.pipiro,   &f.jimen,    &f.tsh[0],   &f.tsh[1],   &f.tsh[2],   &f.tsh[3],
          &f.tsh[4],   &f.ahiru[0], &f.bossi[1], &f.bossi[2], &f.bossi[3], &f.bossi[4], &f.bossi[0],
          &f.jiki,     &f.fire,     &f.Label1,   &f.Label2,   &f.red,      &f.toumei};
}

std::array<const Control*, 29> allControls(const Form& f) {
  return {&f.laser,    &f.boss,     &f.toumei,   &f.red,      &f.Label2,   &f.Label1,
          &f.fire,     &f.jiki,     &f.bossi[0], &f.bossi[1], &f.bossi[2], &f.bossi[3],
          &f.bossi[4], &f.ahiru[0], &f.ahiru[1], &f.ahiru[2], &f.tsh[0],   &f.tsh[1],
          &f.tsh[2],   &f.tsh[3],   &f.tsh[4],   &f.jimen,    &f.pipiro,   &f.niwatori,
          &f.power,    &f.tela[0],  &f.tela[1],  &f.tela[2],  &f.kumo};
}

}  // namespace play
