// The bot. Each frame in play it works from copies of the game, which play on exactly as the
// real one would (the random source is copied with them):
//  - a copy in which the hero stands still foresees where the enemies and the boss will be, and
//    so at what height a missile fired soon meets one of them: that is where the hero goes;
//  - a copy in which Z is pressed now tells whether the missile would score: then it fires;
//  - a copy per way of moving tells whether a shot would hit the hero within the next 30 frames
//    if it moved that way and then stood still; it takes the first safe way, nearest its goal.
// A move found safe leaves standing still safe for the frames after it, so the hero always has
// a way out unless a danger comes up from beyond the horizon.
#include "bot.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <string>

#include "clock.h"

namespace bot {

using game::Game;
using play::KeyEvent;

namespace {

constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kZ = 90, kSpace = 32;
constexpr double kStep = 7;  // the hero's step per tick on each axis
constexpr double kTop = 0, kBottom = 230;
constexpr int kHorizon = 30;        // frames a move is checked ahead for hits
constexpr int kForesight = 60;      // frames the enemies and the boss are foreseen
constexpr int kMissileFrames = 40;  // a missile flies at most this long before it parks
constexpr double kHomeX = 60;       // where the hero waits for the enemies
constexpr double kBossHomeX = 150;  // and for the boss: closer, so the missile flies shorter

// Key events that take the held keys to the arrows (dx, dy), with a Z press if `fire`. A Z
// still down from the frame before is released first, so that every shot is a fresh press.
void steer(Bot::Held& h, int dx, int dy, bool fire, std::vector<KeyEvent>& out) {
  if (h.z) {
    out.push_back({false, kZ});
    h.z = false;
  }
  if (dx != h.dx) {
    if (h.dx != 0) out.push_back({false, h.dx < 0 ? kLeft : kRight});
    if (dx != 0) out.push_back({true, dx < 0 ? kLeft : kRight});
    h.dx = dx;
  }
  if (dy != h.dy) {
    if (h.dy != 0) out.push_back({false, h.dy < 0 ? kUp : kDown});
    if (dy != 0) out.push_back({true, dy < 0 ? kUp : kDown});
    h.dy = dy;
  }
  if (fire) {
    out.push_back({true, kZ});
    h.z = true;
  }
}

// A copy of the game to look ahead in: it takes no real seed and shows no message box.
Game probe(const Game& g) {
  Game w = g;
  w.f.rt.takeSeed = [] { return 0u; };
  w.f.rt.msgBox = [](const std::string&, const std::string&) {};
  return w;
}

// One frame of a copy; true when a shot hit the hero in it (the power-up or the game is lost).
bool hitIn(Game& w, const std::vector<KeyEvent>& keys) {
  const double powered = w.s.powered;
  app::Clock(w).frame(keys);
  return w.s.playing == 0 || w.s.powered < powered;
}

// Hold the arrows (dx, dy) for `frames` frames, then let go and stand still.
struct Plan {
  int dx, dy, frames;
};

// The frame of the first hit on the hero when it follows the plan, or kHorizon if none comes.
int firstHit(const Game& g, Bot::Held held, const Plan& p, bool fire) {
  Game w = probe(g);
  std::vector<KeyEvent> keys;
  for (int f = 0; f < kHorizon; ++f) {
    keys.clear();
    const bool moving = f < p.frames;
    steer(held, moving ? p.dx : 0, moving ? p.dy : 0, fire && f == 0, keys);
    if (hitIn(w, keys)) return f;
    if (w.f.Timer1.Interval == 0) break;  // the ending has begun: no shot hits any more
  }
  return kHorizon;
}

// Whether a missile fired now, from where the hero stands, shoots an enemy down or hits the
// boss's weak spot before it parks.
bool missileScores(const Game& g, Bot::Held held) {
  Game w = probe(g);
  const double score = w.s.score, hits = w.s.bosshit;
  std::vector<KeyEvent> keys;
  steer(held, held.dx, held.dy, true, keys);
  for (int f = 0; f < kMissileFrames; ++f) {
    hitIn(w, keys);
    keys.clear();
    if (w.s.playing == 0) return false;
    if (w.s.score != score || w.s.bosshit > hits) return true;
    if (w.s.laserx > 400 || w.f.Timer1.Interval == 0) return false;
  }
  return false;
}

// Where the enemies and the boss are between two frames.
struct Sight {
  std::array<double, 3> x, y;
  double bossy, bosstime;
};

Sight sightOf(const game::GameState& s) {
  return {s.ahirux, s.ahiruy, s.bossy, s.bosstime};
}

// What the next frames bring while the hero stands still and holds its fire: element 0 is now,
// element t + 1 follows frame t.
std::vector<Sight> foresee(const Game& g, Bot::Held held) {
  std::vector<Sight> out{sightOf(g.s)};
  Game w = probe(g);
  std::vector<KeyEvent> keys;
  steer(held, 0, 0, false, keys);
  for (int f = 0; f < kForesight && w.f.Timer1.Interval != 0; ++f) {
    hitIn(w, keys);
    keys.clear();
    out.push_back(sightOf(w.s));
  }
  return out;
}

struct Goal {
  double x, y;
};

// Where the hero wants to be: across, at its waiting place; down, at a height from which a
// missile fired soon meets an enemy or the boss's weak spot, whichever it can meet first, or in
// the path of a power-up that comes its way.
Goal aim(const game::GameState& s, const std::vector<Sight>& sight, bool bossFight) {
  Goal goal{bossFight ? kBossHomeX : kHomeX, bossFight ? 115.0 : s.jikiy};
  const double launch = s.jikix + 32;  // the missile starts at the hero's right edge
  int soonest = INT_MAX;
  // A missile fired at frame f that meets its target in its n-th tick, if the hero is somewhere
  // in lo..hi by then.
  auto consider = [&](double lo, double hi, int f, int n) {
    lo = std::max(lo, kTop);
    hi = std::min(hi, kBottom);
    if (lo > hi || f + n >= soonest) return;
    const double gap = s.jikiy < lo ? lo - s.jikiy : (s.jikiy > hi ? s.jikiy - hi : 0);
    if (gap > kStep * f) return;
    soonest = f + n;
    const double mid = (lo + hi) / 2;  // a step inside the band where it is wide enough
    goal.y = std::clamp(s.jikiy, std::min(lo + kStep, mid), std::max(hi - kStep, mid));
  };
  const int last = static_cast<int>(sight.size()) - 1;
  for (int f = 0; f < last; ++f) {
    for (int n = 1; f + n <= last; ++n) {
      const double mx = launch + 10 * n;  // the missile's x in its n-th tick
      if (mx > 400) break;
      const Sight& before = sight[f + n - 1];
      // The enemy's point is 11 right of and below its corner, the missile's top 10 below the
      // hero's; 20 either way is a hit, a few units are kept in hand.
      for (int k = 0; k < 3; ++k) {
        if (std::abs(mx - (before.x[k] + 11)) < 16)
          consider(before.y[k] - 15, before.y[k] + 17, f, n);
      }
      // The weak spot: the missile's middle (hero y + 15) within 18 of it; the boss moves
      // during the tick, so a few units are kept in hand.
      if (bossFight && before.bosstime > 24 && mx > s.bossatarix + 1 && mx < s.bossatarix + 21) {
        const double spot = (before.bossy + sight[f + n].bossy) / 2 + s.bossatariy;
        consider(spot - 28, spot - 2, f, n);
      }
    }
  }
  // A chick takes the power-up when one drifts towards it: it is worth one hit.
  if (s.powered == 0 && s.powerx > s.jikix - 10 && s.powerx - s.jikix < 150) {
    goal.y = std::clamp(s.powery, kTop, kBottom);
  }
  return goal;
}

int toward(double from, double to) {
  const double d = to - from;
  return d >= kStep / 2 ? 1 : (d <= -kStep / 2 ? -1 : 0);
}

}  // namespace

bool restsOnLastCard(const Game& g) {
  return g.s.playing == 1 && g.s.endstep == 8 && g.f.Timer1.Interval == 0 &&
         g.f.Timer2.Interval == 0 && g.f.Timer3.Interval == 0;
}

std::vector<KeyEvent> Bot::keys(const Game& g) {
  std::vector<KeyEvent> out;
  if (spaceDown_) {
    out.push_back({false, kSpace});
    spaceDown_ = false;
  }
  if (g.f.Timer1.Interval != 0) {
    std::vector<KeyEvent> play = inPlay(g);
    out.insert(out.end(), play.begin(), play.end());
    return out;
  }
  // Outside play: let go of everything; on the title card, a key starts the game.
  steer(held_, 0, 0, false, out);
  if (g.s.playing == 0 && g.f.Timer2.Interval == 0) {
    out.push_back({true, kSpace});
    spaceDown_ = true;
  }
  return out;
}

std::vector<KeyEvent> Bot::inPlay(const Game& g) {
  const game::GameState& s = g.s;
  const bool bossFight = static_cast<long long>(s.score) % 20 == 19;
  const Goal goal = aim(s, foresee(g, held_), bossFight);
  const bool fire = s.laserx > 400 && missileScores(g, held_);

  // First choice: one step towards the goal, then standing still stays safe over the horizon.
  Plan chosen{toward(s.jikix, goal.x), toward(s.jikiy, goal.y), 1};
  bool firing = fire;
  if (firstHit(g, held_, chosen, fire) < kHorizon) {
    // Otherwise every way out, the ones ending nearest the goal first; the one that puts the
    // hit off longest if none is safe; and holding fire if firing makes it worse.
    std::vector<Plan> plans;
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        for (int frames : {1, 2, 4, 8, 16, kHorizon}) plans.push_back({dx, dy, frames});
      }
    }
    auto miss = [&](const Plan& p) {
      const double x = std::clamp(s.jikix + kStep * p.dx * p.frames, 0.0, 205.0);
      const double y = std::clamp(s.jikiy + kStep * p.dy * p.frames, kTop, kBottom);
      return std::abs(x - goal.x) + std::abs(y - goal.y);
    };
    std::stable_sort(plans.begin(), plans.end(),
                     [&](const Plan& a, const Plan& b) { return miss(a) < miss(b); });
    int latest = -1;
    for (bool withFire : {fire, false}) {
      for (const Plan& p : plans) {
        const int hit = firstHit(g, held_, p, withFire);
        if (hit > latest) {
          latest = hit;
          chosen = p;
          firing = withFire;
        }
        if (hit == kHorizon) break;
      }
      if (latest == kHorizon || !fire) break;
    }
  }
  std::vector<KeyEvent> out;
  steer(held_, chosen.dx, chosen.dy, firing, out);
  return out;
}

}  // namespace bot
