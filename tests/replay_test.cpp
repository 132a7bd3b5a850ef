// Replay files: what the reader accepts, what it refuses and where, and how a replay hands out
// its keys and seeds.
#include "replay.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "recorder.h"

using namespace app;

namespace {

std::string refusal(const std::string& text) {
  Replay r;
  std::string error;
  EXPECT_FALSE(parseReplay(text, "r.txt", r, error)) << text;
  return error;
}

Replay accepted(const std::string& text) {
  Replay r;
  std::string error;
  EXPECT_TRUE(parseReplay(text, "r.txt", r, error)) << error << "\n" << text;
  return r;
}

std::string keysOf(const Replay& r) {
  std::ostringstream s;
  for (const ReplayKey& k : r.keys) s << k.frame << (k.down ? "d" : "u") << k.code << " ";
  return s.str();
}

}  // namespace

TEST(ReplayReader, RefusesEveryMalformedFileNamingTheLine) {
  struct Case {
    const char* text;
    const char* where;  // "r.txt:LINE: " followed by this
  } const cases[] = {
      {"", "r.txt:1: not a replay file: it has no 'munyope-replay 1' line"},
      {"# only a comment\n\n", "r.txt:3: not a replay file: it has no"},
      {"seed 1\nmunyope-replay 1\n", "r.txt:1: not a replay file: the first item must be"},
      {"munyope-replay\n", "r.txt:1: the header has no version"},
      {"munyope-replay 2\n", "r.txt:1: replay version '2' is not supported"},
      {"munyope-replay x\n", "r.txt:1: replay version 'x' is not supported"},
      {"munyope-replay 1 1\n", "r.txt:1: unexpected '1' after the items"},
      {"munyope-replay 1\nmunyope-replay 1\n", "r.txt:2: a second 'munyope-replay' header"},
      {"munyope-replay 1\njump 3\n", "r.txt:2: unknown word 'jump'"},
      {"munyope-replay 1\nSEED 3\n", "r.txt:2: unknown word 'SEED'"},
      {"munyope-replay 1\nseed\n", "r.txt:2: 'seed' needs a number"},
      {"munyope-replay 1\nseed 4294967296\n", "r.txt:2: seed '4294967296' is out of range"},
      {"munyope-replay 1\nseed 99999999999999999999999\n", "r.txt:2: seed '9999"},
      {"munyope-replay 1\nseed -1\n", "r.txt:2: bad seed '-1'"},
      {"munyope-replay 1\nseed 0x10\n", "r.txt:2: bad seed '0x10'"},
      {"munyope-replay 1\nseed 1 2\n", "r.txt:2: unexpected '2' after the items"},
      {"munyope-replay 1\n\n3 down 0\n", "r.txt:3: key code '0' is out of range 1..65535"},
      {"munyope-replay 1\n3 down 65536\n", "r.txt:2: key code '65536' is out of range"},
      {"munyope-replay 1\n3 up\n", "r.txt:2: 'up' needs a key code"},
      {"munyope-replay 1\n3 down 9z\n", "r.txt:2: bad key code '9z'"},
      {"munyope-replay 1\n3 down 90 # z\n", "r.txt:2: unexpected '#' after the items"},
      {"munyope-replay 1\n3 press 90\n", "r.txt:2: unknown word 'press' after the frame"},
      {"munyope-replay 1\n3\n", "r.txt:2: frame 3 needs 'down C', 'up C' or 'end'"},
      {"munyope-replay 1\n2147483648 down 90\n", "r.txt:2: frame '2147483648' is out of range"},
      {"munyope-replay 1\n-1 down 90\n", "r.txt:2: bad frame number '-1'"},
      {"munyope-replay 1\n+1 down 90\n", "r.txt:2: bad frame number '+1'"},
      {"munyope-replay 1\n1.5 end\n", "r.txt:2: bad frame number '1.5'"},
      {"munyope-replay 1\n9 down 90\n8 up 90\n", "r.txt:3: frame 8 comes after frame 9"},
      {"munyope-replay 1\n9 end\n10 end\n", "r.txt:3: a second 'end' (the first is on line 2)"},
      {"munyope-replay 1\n9 end now\n", "r.txt:2: unexpected 'now' after the items"},
      {"munyope-replay 1\n1\vdown 2\n", "r.txt:2: bad frame number '1?down'"},
      {"munyope-replay 1\r\r\n", "r.txt:1: replay version '1?' is not supported"},
  };
  for (const Case& c : cases) {
    const std::string error = refusal(c.text);
    EXPECT_EQ(error.rfind(c.where, 0), 0u) << "file:\n" << c.text << "\ngot: " << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
}

TEST(ReplayReader, AcceptsCommentsBlanksSpacingCrlfAndLeadingZeros) {
  const Replay r = accepted(
      "\n# a session\r\n"
      "  munyope-replay\t1  \r\n"
      "\t\r\n"
      "   # indented comment\n"
      "seed 0\n"
      "0003 down 0090\n"
      "  3\tup  90\t\r\n"
      "seed 4294967295\n"
      "2147483647 down 65535\n"
      "0000000000000000000000000000012 end");
  EXPECT_EQ(r.seeds, (std::vector<uint32_t>{0, 4294967295u}));
  EXPECT_EQ(keysOf(r), "3d90 3u90 2147483647d65535 ");
  EXPECT_EQ(r.end, 12);
  EXPECT_EQ(r.stopFrame(), 12);
}

TEST(ReplayReader, EndTakesNoPartInOrderAndLaterKeysAreKeptButNeverRun) {
  const Replay r = accepted("munyope-replay 1\n20 down 90\n5 end\n30 up 90\n");
  EXPECT_EQ(r.stopFrame(), 5);
  ReplayFeed feed(r);
  std::vector<play::KeyEvent> keys;
  for (int64_t f = 0; f < r.stopFrame(); ++f) feed.keysOf(f, keys);
  EXPECT_TRUE(keys.empty());
}

TEST(ReplayReader, WithoutEndPlaybackStopsAfterTheLastKeyFrame) {
  EXPECT_EQ(accepted("munyope-replay 1\n7 down 90\n41 up 90\n").stopFrame(), 42);
  EXPECT_EQ(accepted("munyope-replay 1\nseed 5\n").stopFrame(), 0);
  EXPECT_EQ(accepted("munyope-replay 1\n2147483647 up 1\n").stopFrame(), 2147483648LL);
}

TEST(ReplayFeed, HandsOutKeysFrameByFrameAndSeedsInFileOrder) {
  const Replay r =
      accepted("munyope-replay 1\n2 down 38\n2 down 90\nseed 7\n4 up 38\nseed 8\n10 end\n");
  ReplayFeed feed(r);
  std::vector<std::string> frames;
  for (int64_t f = 0; f < r.stopFrame(); ++f) {
    std::vector<play::KeyEvent> keys;
    feed.keysOf(f, keys);
    std::string s;
    for (auto k : keys) s.append(k.down ? "d" : "u").append(std::to_string(k.code)).append(" ");
    frames.push_back(s);
  }
  EXPECT_EQ(frames, (std::vector<std::string>{"", "", "d38 d90 ", "", "u38 ", "", "", "", "", ""}));
  EXPECT_EQ(feed.nextSeed(), 7u);
  EXPECT_EQ(feed.nextSeed(), 8u);
  EXPECT_EQ(feed.nextSeed(), std::nullopt);
}

TEST(ReplayReader, ReadsFilesAndSaysWhenOneCannotBeRead) {
  Replay r;
  std::string error;
  EXPECT_FALSE(loadReplay("/nonexistent/r.txt", r, error));
  EXPECT_EQ(error, "/nonexistent/r.txt: cannot read the replay file: No such file or directory");
  EXPECT_FALSE(loadReplay("/", r, error));
  EXPECT_EQ(error, "/: cannot read the replay file: Is a directory");
}

// What the recorder writes reads back as the same session, with or without its end line.
TEST(Recorder, WritesAReplayThatReadsBackLineByLine) {
  const std::string path = ::testing::TempDir() + "recorder_test.txt";
  std::string error;
  auto rec = Recorder::open(path, error);
  ASSERT_TRUE(rec) << error;
  rec->seed(4294967295u);
  rec->key(0, true, 32);
  rec->key(31, false, 32);
  Replay r;
  // Nothing waits in a buffer: a session killed here plays back to frame 31.
  ASSERT_TRUE(loadReplay(path, r, error)) << error;
  EXPECT_EQ(keysOf(r), "0d32 31u32 ");
  EXPECT_EQ(r.stopFrame(), 32);
  rec->seed(12);
  rec->end(77);
  ASSERT_TRUE(rec->ok(error)) << error;
  rec.reset();
  ASSERT_TRUE(loadReplay(path, r, error)) << error;
  EXPECT_EQ(r.seeds, (std::vector<uint32_t>{4294967295u, 12}));
  EXPECT_EQ(r.stopFrame(), 77);
  std::filesystem::remove(path);

  EXPECT_FALSE(Recorder::open("/nonexistent/r.txt", error));
  EXPECT_EQ(error, "cannot write the recording /nonexistent/r.txt: No such file or directory");
}
