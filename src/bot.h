// A player for the whole game, from the title card to the last staff-roll card: it presses and
// releases keys the way a person would, lines the missile up with enemies and with the boss's
// weak spot, and dodges shots by playing copies of the game a little way ahead.
#pragma once

#include <vector>

#include "game/game.h"
#include "play/keys.h"

namespace bot {

class Bot {
 public:
  // The key presses and releases for the next frame, decided from the game between frames.
  std::vector<play::KeyEvent> keys(const game::Game& g);

  // The arrows held on each axis (-1, 0 or 1) and whether Z is down.
  struct Held {
    int dx = 0;
    int dy = 0;
    bool z = false;
  };

 private:
  std::vector<play::KeyEvent> inPlay(const game::Game& g);
  Held held_;
  bool spaceDown_ = false;
};

// The game has finished: the last card rests and no timer runs any more.
bool restsOnLastCard(const game::Game& g);

}  // namespace bot
