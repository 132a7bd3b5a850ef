// The state trace: numbers, strings and the shape of one line.
#include "trace.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>

using namespace app;

namespace {

std::string number(double v) {
  std::string s;
  appendNumber(s, v);
  return s;
}

std::string line(const ClockEvent& e, const game::Game& g) {
  std::string s;
  appendTraceLine(s, e, g);
  return s;
}

// Where KEY first appears after FROM, or npos.
size_t at(const std::string& s, const std::string& key, size_t from = 0) {
  return s.find("\"" + key + "\":", from);
}

}  // namespace

TEST(TraceNumbers, WholeValuesAreIntegersOthersTheShortestThatReadsBack) {
  struct Case {
    double v;
    const char* text;
  } const cases[] = {
      {400.0, "400"},
      {0.0, "0"},
      {-0.0, "0"},
      {-7.0, "-7"},
      {16777215.0, "16777215"},
      {4294967296.0, "4294967296"},
      {1e20, "100000000000000000000"},
      {-1e18, "-1000000000000000000"},
      {0.1, "0.1"},
      {-2.5, "-2.5"},
      {150.0 * 21 / 22, "143.1818181818182"},
      {1.0 / 3, "0.3333333333333333"},
      {0.1 + 0.2, "0.30000000000000004"},
      {1e-7, "1e-07"},
      {std::numeric_limits<double>::infinity(), "null"},
  };
  for (const Case& c : cases) EXPECT_EQ(number(c.v), c.text) << c.v;

  // Any finite double reads back to itself.
  for (double v : {std::nextafter(1.0, 2.0), 1e300, -4.9e-324, 123456.789, std::sin(1.0)}) {
    const std::string s = number(v);
    double back = 0;
    std::from_chars(s.data(), s.data() + s.size(), back);
    EXPECT_EQ(back, v) << s;
  }
}

TEST(TraceStrings, EscapeQuotesBackslashesAndControlsAndKeepUtf8) {
  std::string s;
  appendString(s, "a\"b\\c\nd\te\x01 むにょぺ ｢↑｣");
  EXPECT_EQ(s, "\"a\\\"b\\\\c\\nd\\u0009e\\u0001 むにょぺ ｢↑｣\"");
}

TEST(TraceLine, ListsEveryVariableTimerAndControlInOrder) {
  game::Game g;
  g.f.rt.takeSeed = [] { return 1u; };
  game::Form_Initialize(g.s, g.f);
  g.s.bossr = 66;
  g.f.Timer2.Interval = 1;
  const std::string s = line({0, "init", 0, {}}, g);

  EXPECT_EQ(s.rfind("{\"frame\":0,\"event\":\"init\",\"state\":{\"i\":3,", 0), 0u) << s;
  EXPECT_EQ(s.back(), '\n');
  EXPECT_EQ(s.find('\n'), s.size() - 1);
  EXPECT_EQ(at(s, "code"), std::string::npos);
  EXPECT_EQ(at(s, "msgbox"), std::string::npos);
  EXPECT_NE(s.find("\"bossr\":66,"), std::string::npos);
  EXPECT_NE(s.find("\"ahirux\":[400,410,420],"), std::string::npos);
  EXPECT_NE(s.find("\"timers\":[0,1,0],\"controls\":{\"laser\":{"), std::string::npos);
  EXPECT_NE(s.find("\"jiki\":{\"x\":-100,\"y\":100,\"visible\":true,\"picture\":\"pipiro\"}"),
            std::string::npos);
  EXPECT_NE(s.find("\"Label1\":{\"x\":0,\"y\":400.02,\"visible\":true,\"picture\":null,"
                   "\"caption\":\"Label1\"}"),
            std::string::npos)
      << s;
  EXPECT_TRUE(s.ends_with(",\"form1\":{\"backcolor\":0}}}\n")) << s;

  size_t pos = 0;
  for (const char* k :
       {"i",       "j",         "jikix",     "jikiy",      "jikidx",     "jikidy",     "powered",
        "score",   "laserx",    "lasery",    "kumox",      "kumoy",      "firetime",   "jimeny",
        "powerx",  "powery",    "powertime", "bossy",      "bossdy",     "bosshit",    "bosstime",
        "bossr",   "bossg",     "bossb",     "bossatarix", "bossatariy", "playing",    "endstep",
        "redflag", "bossghost", "ahirux",    "ahiruy",     "ahiruangle", "ahirubasex", "ahirubasey",
        "telax",   "telay",     "teladir",   "ahirutype",  "timers",     "controls"}) {
    const size_t next = at(s, k, pos);
    ASSERT_NE(next, std::string::npos) << k << " missing or out of order";
    pos = next;
  }
  for (const play::Control* c : play::allControls(g.f)) {
    const size_t next = at(s, c->name, pos);
    ASSERT_NE(next, std::string::npos) << c->name << " missing or out of order";
    pos = next;
    const size_t close = s.find('}', pos);
    const bool box = c->kind == play::Kind::PictureBox;
    EXPECT_EQ(s.find("\"backcolor\":", pos) < close, box) << c->name;
    EXPECT_EQ(s.find("\"w\":", pos) < close, box) << c->name;
    EXPECT_EQ(s.find("\"caption\":", pos) < close, c->kind == play::Kind::Label) << c->name;
  }
}

TEST(TraceLine, KeyEventsCarryTheCodeAndMessageBoxesAppearWhenShown) {
  game::Game g;
  const MessageBoxShown boxes[] = {{"SCORE 12", "GAME OVER"}, {"a\"b", "t"}};
  const std::string key = line({17, "keydown", 90, {}}, g);
  EXPECT_EQ(key.rfind("{\"frame\":17,\"event\":\"keydown\",\"code\":90,\"state\":{", 0), 0u);
  const std::string up = line({18, "keyup", 65535, {}}, g);
  EXPECT_EQ(up.rfind("{\"frame\":18,\"event\":\"keyup\",\"code\":65535,\"state\":{", 0), 0u);
  const std::string tick = line({2147483647, "tick1", 0, boxes}, g);
  EXPECT_EQ(tick.rfind("{\"frame\":2147483647,\"event\":\"tick1\",\"msgbox\":[[\"SCORE 12\","
                       "\"GAME OVER\"],[\"a\\\"b\",\"t\"]],\"state\":{",
                       0),
            0u)
      << tick;
}
