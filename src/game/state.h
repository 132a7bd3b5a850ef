// GameState: the one record of game variables that every event procedure reads and writes.
// Everything is 0 at program start; a reset sets only some of it, the rest carries over.
#pragma once

#include <array>

namespace game {

using Per3 = std::array<double, 3>;  // one element per enemy, indexed by `i`

struct GameState {
  int i = 0;  // the enemy index, shared by the reset loop and the play tick's enemy loop
  int j = 0;  // the boss's own loop over the enemies' pictures
  double jikix = 0, jikiy = 0, jikidx = 0, jikidy = 0;
  double powered = 0;
  double score = 0;
  double laserx = 0, lasery = 0;
  double kumox = 0, kumoy = 0;
  double firetime = 0;
  double jimeny = 0;
  double powerx = 0, powery = 0, powertime = 0;
  double bossy = 0, bossdy = 0, bosshit = 0, bosstime = 0;
  // Three-digit texts cut from the level table, held as the numbers they spell.
  double bossr = 0, bossg = 0, bossb = 0, bossatarix = 0, bossatariy = 0;
  double playing = 0;
  double endstep = 0;
  double redflag = 0;
  double bossghost = 0;
  Per3 ahirux{}, ahiruy{}, ahiruangle{}, ahirubasex{}, ahirubasey{};
  Per3 telax{}, telay{}, teladir{};
  Per3 ahirutype{};
};

}  // namespace game
