// The program from its command line: exit statuses and messages, headless replays, the trace
// and PNG frames.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct Outcome {
  int status = -1;
  std::string out, err;
};

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(::testing::TempDir()) /
          ("cli-" + std::to_string(getpid()) + "-" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  // Runs the program with ARGS (shell words) in the test's folder.
  Outcome run(const std::string& args, const std::string& env = "") {
    const std::string cmd = "cd '" + dir.string() + "' && " + env + " '" MUNYOPE_BINARY "' " +
                            args + " >stdout.txt 2>stderr.txt";
    Outcome r;
    const int w = std::system(cmd.c_str());
    r.status = WIFEXITED(w) ? WEXITSTATUS(w) : 128 + WTERMSIG(w);
    r.out = slurp(dir / "stdout.txt");
    r.err = slurp(dir / "stderr.txt");
    return r;
  }
  void write(const std::string& name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
  }

  fs::path dir;
};

// Starting a game, then standing still until the enemies' shots end it, which takes the second
// seed.
const char* const kGameOver = "munyope-replay 1\nseed 1\nseed 2\n5 down 32\n6 up 32\n300 end\n";

// No X, no Wayland (and a runtime folder, so that Wayland's probe fails quietly).
const char* const kNoDisplay =
    "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR=/tmp";

bool oneLine(const std::string& s) {
  return !s.empty() && s.find('\n') == s.size() - 1;
}

}  // namespace

TEST_F(Cli, BadArgumentsStopWithStatus2AndOneLineNamingTheOption) {
  struct Case {
    const char* args;
    const char* says;
  } const cases[] = {
      {"--bogus", "unknown option '--bogus'; the options are --record FILE"},
      {"game.txt", "unknown option 'game.txt'"},
      {"--hz 0", "--hz takes a whole number 1..1000, not '0'"},
      {"--hz 1001", "--hz takes a whole number 1..1000"},
      {"--hz 60x", "--hz takes a whole number 1..1000, not '60x'"},
      {"--scale 9", "--scale takes a whole number 1..8"},
      {"--hz", "--hz needs a value: a whole number 1..1000"},
      {"--replay --headless", "--replay needs a value: a replay file"},
      {"--record rec.txt --trace", "--trace needs a value"},
      {"--headless", "--headless needs --replay FILE"},
      {"--headless --replay r.txt --frame-every 2", "--frame-every N needs --frames DIR"},
      {"--headless --replay r.txt --frames d --frame-every 0", "--frame-every takes a whole"},
      {"--replay r.txt --frames d", "--frames DIR needs --headless --replay FILE"},
      {"--record rec.txt --replay r.txt", "--record and --replay cannot be used together"},
      {"--record rec.txt --scale 0", "--scale takes a whole number 1..8"},
  };
  write("r.txt", kGameOver);
  for (const Case& c : cases) {
    const Outcome r = run(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_TRUE(oneLine(r.err)) << c.args << ": " << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << ": " << r.err;
  }
  EXPECT_FALSE(fs::exists(dir / "rec.txt"));  // nothing started
}

TEST_F(Cli, HelpAndVersion) {
  Outcome r = run("--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("--headless --replay FILE"), std::string::npos);
  r = run("--version");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("munyope ", 0), 0u);
}

TEST_F(Cli, ABadReplayIsRefusedBeforeAnythingRuns) {
  write("bad.txt", "munyope-replay 1\nseed 1\n10 down 90\n9 up 90\n");
  for (const char* how : {"--headless --replay bad.txt --trace t.jsonl", "--replay bad.txt"}) {
    const Outcome r = run(how);
    EXPECT_EQ(r.status, 2) << how;
    EXPECT_EQ(r.err,
              "munyope: bad.txt:4: frame 9 comes after frame 10: frame numbers never go "
              "down\n");
  }
  EXPECT_FALSE(fs::exists(dir / "t.jsonl"));
  const Outcome r = run("--headless --replay missing.txt");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "munyope: missing.txt: cannot read the replay file: No such file or directory\n");
}

TEST_F(Cli, AHeadlessReplayRunsToItsEndAndTracesEveryEvent) {
  write("r.txt", kGameOver);
  const Outcome r = run("--headless --replay r.txt --trace t.jsonl");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string t = slurp(dir / "t.jsonl");
  EXPECT_EQ(t.rfind("{\"frame\":0,\"event\":\"init\",", 0), 0u);
  EXPECT_NE(t.find("\n{\"frame\":5,\"event\":\"keydown\",\"code\":32,"), std::string::npos);
  EXPECT_NE(t.find("\n{\"frame\":6,\"event\":\"keyup\",\"code\":32,"), std::string::npos);
  EXPECT_NE(t.find("\n{\"frame\":5,\"event\":\"tick2\","), std::string::npos);
  // The box is answered at once and shows in the trace of the tick that opened it, only there.
  const size_t box = t.find(",\"msgbox\":[[\"SCORE 0\",\"GAME OVER\"]],");
  ASSERT_NE(box, std::string::npos);
  EXPECT_EQ(t.find("msgbox", box + 10), std::string::npos);

  // Standard output gets the same trace.
  const Outcome out = run("--headless --replay r.txt --trace -");
  EXPECT_EQ(out.status, 0);
  EXPECT_EQ(out.out, t);
}

TEST_F(Cli, RunningOutOfSeedsStopsTheRunAndKeepsTheTrace) {
  write("two.txt", kGameOver);
  ASSERT_EQ(run("--headless --replay two.txt --trace full.jsonl").status, 0);
  const std::string full = slurp(dir / "full.jsonl");
  const size_t box = full.find(",\"msgbox\":");
  ASSERT_NE(box, std::string::npos) << "no game over in the sample session";
  const size_t boxLine = full.rfind('\n', box) + 1;
  const std::string frame = full.substr(boxLine + 9, full.find(',', boxLine) - boxLine - 9);

  std::string one = kGameOver;
  one.erase(one.find("seed 2\n"), 7);
  write("one.txt", one);
  Outcome r = run("--headless --replay one.txt --trace t.jsonl");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "munyope: one.txt: no seed left for the reset in frame " + frame +
                       "; add a 'seed N' line for it\n");
  // Kept up to the event before the one that took the seed, which never returned.
  EXPECT_EQ(slurp(dir / "t.jsonl"), full.substr(0, boxLine));

  write("none.txt", "munyope-replay 1\n3 down 32\n");
  r = run("--headless --replay none.txt --trace t.jsonl");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("none.txt: no seed left for the reset in frame 0"), std::string::npos);
  EXPECT_EQ(slurp(dir / "t.jsonl"), "");
}

TEST_F(Cli, FramesAreWrittenEveryNthFrameFromFrameZeroWithoutChangingTheTrace) {
  write("r.txt", "munyope-replay 1\nseed 9\n2 down 32\n7 end\n");
  Outcome r = run("--headless --replay r.txt --trace plain.jsonl");
  ASSERT_EQ(r.status, 0) << r.err;
  r = run("--headless --replay r.txt --trace drawn.jsonl --frames out/png --frame-every 3");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(slurp(dir / "plain.jsonl"), slurp(dir / "drawn.jsonl"));

  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir / "out/png"))
    names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names,
            (std::vector<std::string>{"frame-000000.png", "frame-000003.png", "frame-000006.png"}));
  const std::string png = slurp(dir / "out/png/frame-000003.png");
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  auto be32 = [&](size_t at) {
    return (static_cast<uint8_t>(png[at]) << 24) | (static_cast<uint8_t>(png[at + 1]) << 16) |
           (static_cast<uint8_t>(png[at + 2]) << 8) | static_cast<uint8_t>(png[at + 3]);
  };
  EXPECT_EQ(be32(16), 392);
  EXPECT_EQ(be32(20), 286);
}

TEST_F(Cli, FailuresToWriteOrDisplayStopWithStatus1AndSayWhatToDo) {
  write("r.txt", kGameOver);
  write("file", "");
  struct Case {
    const char* args;
    const char* env;
    const char* says;
  } const cases[] = {
      {"--headless --replay r.txt --trace /nonexistent/t.jsonl", "",
       "cannot write the trace /nonexistent/t.jsonl: No such file or directory"},
      {"--headless --replay r.txt --frames file/png", "", "cannot make the folder file/png"},
      {"--record /nonexistent/rec.txt", "", "cannot write the recording /nonexistent/rec.txt"},
      {"", kNoDisplay, "under Xvfb"},
      {"--replay r.txt", kNoDisplay, "--headless --replay FILE"},
  };
  for (const Case& c : cases) {
    const Outcome r = run(c.args, c.env);
    EXPECT_EQ(r.status, 1) << c.args;
    EXPECT_TRUE(oneLine(r.err)) << c.args << ": " << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << ": " << r.err;
  }
}

// The bot's whole game, five bosses and the staff roll, played back from its file by the
// program: it ends on the last card with every timer stopped.
TEST_F(Cli, AWholeGamePlaysBackToItsLastCard) {
  ASSERT_EQ(
      std::system(("'" MUNYOPE_BOT_BINARY "' '" + (dir / "bot.replay").string() + "' 5 >/dev/null")
                      .c_str()),
      0);
  const Outcome r = run("--headless --replay bot.replay --trace t.jsonl");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string t = slurp(dir / "t.jsonl");
  const std::string last = t.substr(t.rfind('\n', t.size() - 2) + 1);
  EXPECT_NE(last.find("\"timers\":[0,0,0]"), std::string::npos);
  EXPECT_NE(last.find("\"caption\":\"The Saga Continues...\""), std::string::npos) << last;
  EXPECT_EQ(t.find("msgbox"), std::string::npos);
  EXPECT_NE(t.find("\"score\":100,"), std::string::npos);
}
