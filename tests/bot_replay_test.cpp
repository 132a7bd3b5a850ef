// munyope-bot writes the bot's game as a replay file. Played back key for key on a fresh game,
// with the seeds the file gives, the file must tell the same game: no game over, and the last
// card comes to rest a few hundred frames before the file's end.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bot.h"
#include "clock.h"

namespace {

struct Replay {
  std::vector<uint32_t> seeds;
  std::map<int, std::vector<play::KeyEvent>> keys;  // by frame, in file order
  int end = -1;
};

// Reads the file, checking the form every line must have.
Replay read(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  Replay r;
  EXPECT_TRUE(std::getline(in, line));
  EXPECT_EQ(line, "munyope-replay 1");
  int lastFrame = 0;
  for (int number = 2; std::getline(in, line); ++number) {
    SCOPED_TRACE(path + ":" + std::to_string(number) + ": " + line);
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string first, word;
    words >> first;
    if (first == "seed") {
      unsigned long long seed = 0;
      EXPECT_TRUE(words >> seed);
      EXPECT_LE(seed, 4294967295ull);
      r.seeds.push_back(static_cast<uint32_t>(seed));
      continue;
    }
    const int frame = std::stoi(first);
    EXPECT_TRUE(words >> word);
    if (word == "end") {
      EXPECT_EQ(r.end, -1) << "a second end";
      r.end = frame;
      continue;
    }
    int code = 0;
    EXPECT_TRUE(word == "down" || word == "up");
    EXPECT_TRUE(words >> code);
    EXPECT_GE(code, 1);
    EXPECT_LE(code, 65535);
    EXPECT_GE(frame, lastFrame) << "frames go down";
    lastFrame = frame;
    r.keys[frame].push_back({word == "down", code});
  }
  return r;
}

TEST(BotReplay, TheFilePlaysBackTheBotsWholeGame) {
  const std::string path = ::testing::TempDir() + "bot_game.replay";
  const std::string command = std::string(MUNYOPE_BOT_BINARY) + " " + path + " 99 > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const Replay r = read(path);
  ASSERT_FALSE(HasFailure());
  ASSERT_GT(r.end, 0);
  EXPECT_EQ(r.seeds, std::vector<uint32_t>{99});  // one game, one seed

  game::Game g;
  size_t seedsTaken = 0;
  int gameOvers = 0;
  g.f.rt.takeSeed = [&] { return seedsTaken < r.seeds.size() ? r.seeds[seedsTaken++] : 0u; };
  g.f.rt.msgBox = [&](const std::string&, const std::string&) { ++gameOvers; };
  app::Clock clock(g);
  clock.start();
  int restsFrom = -1;
  while (clock.next() < r.end) {
    const auto k = r.keys.find(clock.next());
    clock.frame(k == r.keys.end() ? std::vector<play::KeyEvent>{} : k->second);
    if (restsFrom < 0 && bot::restsOnLastCard(g)) restsFrom = clock.next();
  }
  EXPECT_EQ(seedsTaken, r.seeds.size());
  EXPECT_EQ(gameOvers, 0);
  ASSERT_GT(restsFrom, 0) << "the game played back never reached its last card";
  EXPECT_EQ(r.end - restsFrom, 300);
  EXPECT_EQ(g.f.Label1.Caption, "The Saga Continues...");
}

}  // namespace
