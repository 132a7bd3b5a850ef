// munyope-bot writes the bot's game as a replay file. Read by the game's own replay reader and
// played back key for key on a fresh game, with the seeds the file gives, the file must tell the
// same game: no game over, and the last card comes to rest a few hundred frames before the end.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "bot.h"
#include "clock.h"
#include "replay.h"

namespace {

TEST(BotReplay, TheFilePlaysBackTheBotsWholeGame) {
  const std::string path = ::testing::TempDir() + "bot_game.replay";
  const std::string command = std::string(MUNYOPE_BOT_BINARY) + " " + path + " 99 > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  app::Replay r;
  std::string error;
  ASSERT_TRUE(app::loadReplay(path, r, error)) << error;
  ASSERT_TRUE(r.end.has_value());
  EXPECT_EQ(r.seeds, std::vector<uint32_t>{99});  // one game, one seed

  game::Game g;
  app::ReplayFeed feed(r);
  size_t seedsTaken = 0;
  int gameOvers = 0;
  g.f.rt.takeSeed = [&] {
    ++seedsTaken;
    return feed.nextSeed().value_or(0);
  };
  g.f.rt.msgBox = [&](const std::string&, const std::string&) { ++gameOvers; };
  app::Clock clock(g);
  clock.start();
  int64_t restsFrom = -1;
  std::vector<play::KeyEvent> keys;
  while (clock.next() < r.stopFrame()) {
    keys.clear();
    feed.keysOf(clock.next(), keys);
    clock.frame(keys);
    if (restsFrom < 0 && bot::restsOnLastCard(g)) restsFrom = clock.next();
  }
  EXPECT_EQ(seedsTaken, r.seeds.size());
  EXPECT_EQ(gameOvers, 0);
  ASSERT_GT(restsFrom, 0) << "the game played back never reached its last card";
  EXPECT_EQ(*r.end - restsFrom, 300);
  EXPECT_EQ(g.f.Label1.Caption, "The Saga Continues...");
}

}  // namespace
