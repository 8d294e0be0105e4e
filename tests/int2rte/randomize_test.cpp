// The start options' rules inside the route writer.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "intermediate_builder.h"
#include "platform/random.h"
#include "rte2int/kavotime.h"
#include "sigsys/sigsys.h"
#include "test_support.h"
#include "ui/loadsave.h"
#include "write_route.h"

namespace {

class RandomizeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    sigsys = SignalSystem();
    global.alternativechance = 0;
    platform::SeedRandom(1);
  }
  void TearDown() override { SetUp(); }
};

// The parameter text of every command `head` in a route, in order.
std::vector<std::string> Values(const std::string& route, const std::string& head) {
  std::vector<std::string> values;
  for (size_t at = route.find(head); at != std::string::npos; at = route.find(head, at + 1)) {
    size_t start = at + head.size();
    values.push_back(route.substr(start, route.find_first_of(",\r", start) - start));
  }
  return values;
}

// The smallest and largest number in field `field` (0 first) of the
// commands `head` of a route; for preceding trains, the times in seconds.
std::pair<int, int> Range(const std::string& route, const std::string& head, size_t field) {
  std::pair<int, int> range{1 << 30, -(1 << 30)};
  for (const std::string& text : Values(route, head)) {
    size_t start = 0;
    for (size_t i = 0; i < field; ++i) start = text.find(';', start) + 1;
    int v = head == ".pretrain " ? KavoTime2Sec(text.c_str()) : std::stoi(text.substr(start));
    range = {std::min(range.first, v), std::max(range.second, v)};
  }
  return range;
}

// A station at 0 departing at 10:00 for the next one, at 1000 m, 600 s
// later; signals at 500 m (interpolated time 10:05:00); the route's own run
// interval and preceding train.
std::string SignalRoute(int signals) {
  std::string route = Cmd(19, "120") + Cmd(6) + Cmd(-2, "3;36000;1000;600") + Cmd(0, "0") +
                      Cmd(75, "A;10.00;10.00;0;1") + Cmd(92, "9.00") + Cmd(0, "500");
  for (int i = 0; i < signals; ++i) route += Cmd(69, "3;S");
  return route + Cmd(0, "1000");
}

TEST_F(RandomizeTest, EachSignalModeDrawsItsOffsetAndDropsTheRoutesOwnTimes) {
  struct Mode {
    int mode, low, high;
  } modes[] = {{kSignalsMild, -300, -60}, {kSignalsMedium, -300, 20}, {kSignalsStrong, -240, 120}};
  for (const Mode& m : modes) {
    global.signalmode = m.mode;
    std::string route = WriteRoute(SignalRoute(2000));
    // The closing time (departure + travel + 60 s) stands 2000 m past the end.
    std::string closing = "route.developerid 40372958\r\nwith track\r\n3000,.pretrain 10.1100,";
    ASSERT_EQ(route.substr(route.size() - closing.size()), closing);
    route.resize(route.size() - closing.size());
    EXPECT_EQ(Range(route, ".pretrain ", 0), std::make_pair(36300 + m.low, 36300 + m.high));
    EXPECT_EQ(Values(route, ".pretrain ").size(), 2000u);
    EXPECT_NE(route.find("\r\n500,.pretrain "), std::string::npos);
    EXPECT_EQ(route.find("runinterval"), std::string::npos) << m.mode;
    EXPECT_EQ(route.find("9.00"), std::string::npos) << m.mode;
  }
  // Without random signals the route keeps its own, the preceding train
  // only with the default timetable.
  global.signalmode = kSignalsNone;
  std::string route = WriteRoute(SignalRoute(1));
  EXPECT_NE(route.find("route.runinterval 120"), std::string::npos) << route;
  EXPECT_EQ(Values(route, ".pretrain "), std::vector<std::string>{"9.00"});
  global.timetablemode = kTimetableCustom;
  route = WriteRoute(SignalRoute(1));
  EXPECT_NE(route.find("route.runinterval 120"), std::string::npos) << route;
  EXPECT_TRUE(Values(route, ".pretrain ").empty()) << route;
}

TEST_F(RandomizeTest, NoPrecedingTrainBeforeTheFirstStationTiming) {
  global.signalmode = kSignalsStrong;
  // A signal before any timing draws nothing; after a timing whose next
  // station stands where it was read the time is departure plus offset.
  std::string in = Cmd(6) + Cmd(0, "0") + Cmd(75, "A;10.00;10.00;0;1") + Cmd(69, "3") +
                   Cmd(-2, "3;36000;0;600") + Cmd(0, "100") + Cmd(69, "3");
  platform::SeedRandom(4);
  char expected[16];
  Sec2KavoTime(expected, 36000 + platform::Random() % 361 - 240);
  platform::SeedRandom(4);
  EXPECT_EQ(WriteRoute(in),
            "\r\nwith track\r\n0,.sta A;10.0000;10.0000;0;1,.signal 3,\r\n100,.pretrain " +
                std::string(expected) +
                ",.signal 3,\r\nroute.developerid 40372958\r\nwith track\r\n2100,.pretrain "
                "10.1100,");
}

TEST_F(RandomizeTest, StationsDrawForcedRedDwellAndTrafficInThisOrder) {
  global.randomstart = 1;
  global.randomdwell = 1;
  global.randomtraffic = 1;
  platform::SeedRandom(9);
  int red = platform::Random() / 2;
  int dwell = std::max(5, 10 + platform::Random() % 41 - 20);
  int ratio = platform::Random() % 240 + 10;
  platform::SeedRandom(9);
  std::string route = WriteRoute(Cmd(0, "0") + Cmd(75, "A;10.00;10.05;0;1;0;0;snd;10;60;dep;1"));
  EXPECT_EQ(Values(route, ".sta ")[0], "A;10.0000;10.0500;0;1;" + std::to_string(red) + ";0;snd;" +
                                           std::to_string(dwell) + ";" + std::to_string(ratio) +
                                           ";dep;1");
  struct Case {
    const char* station;
    const char* expected;
  } cases[] = {
      {"A;10.00;10.05;0", "A;10.00;10.05;0"},              // four fields pass unchanged
      {"A;10.00;T;0;1;7", "A;10.0000;T;0;1;7"},            // a T departure keeps its forced red
      {"A;10.00;;0;1;7", "A;10.0000;;0;1;7"},              // so does none
      {"A;10.00;;0;1;0;0;snd", "A;10.0000;;0;1;0;0;snd"},  // two stop fields are too few
  };
  global.randomstart = 1;
  for (const Case& c : cases)
    EXPECT_EQ(Values(WriteRoute(Cmd(0, "0") + Cmd(75, c.station)), ".sta "),
              std::vector<std::string>{c.expected});
}

TEST_F(RandomizeTest, DwellAndTrafficStayInTheirRanges) {
  global.randomdwell = 1;
  global.randomtraffic = 1;
  for (int duration : {10, 3}) {
    std::string in = Cmd(0, "0");
    for (int i = 0; i < 1000; ++i)
      in += Cmd(75, "A;10.00;10.05;0;1;0;0;snd;" + std::to_string(duration) + ";60");
    std::string route = WriteRoute(in);
    EXPECT_EQ(Range(route, ".sta ", 8), std::make_pair(5, duration + 20)) << duration;
    EXPECT_EQ(Range(route, ".sta ", 9), std::make_pair(10, 249)) << duration;
  }
}

TEST_F(RandomizeTest, TimetableModesShiftStationTimes) {
  std::string in = Cmd(0, "0") + Cmd(75, "A;;10.00;0;1") + Cmd(75, "B;11.00;11.01;0;1");
  global.timetablemode = kTimetableCustom;
  global.starttime = 12 * 3600 + 30 * 60;
  EXPECT_EQ(Values(WriteRoute(in), ".sta "),
            (std::vector<std::string>{"A;;12.3000;0;1", "B;13.3000;13.3100;0;1"}));
  global.timetablemode = kTimetableDefault;
  global.loosetimetable = 1;  // an hour after the first time: 216 s later
  EXPECT_EQ(Values(WriteRoute(in), ".sta "),
            (std::vector<std::string>{"A;;10.0000;0;1", "B;11.0336;11.0439;0;1"}));
}

TEST_F(RandomizeTest, TiltingTurnsCantsAndLimitsThem) {
  global.tilting = 1;
  std::string in = Cmd(0, "0");
  for (const char* curve : {"600;100", "600;-100", "600;5000", "600;0", "0;100"})
    in += Cmd(64, curve);
  EXPECT_EQ(Values(WriteRoute(in), ".curve "),
            (std::vector<std::string>{"600;140", "600;-140", "600;100", "600;0", "0;100"}));
}

TEST_F(RandomizeTest, ParkedTrainsOnThePlayersPath) {
  // The path onto rail 2, 6 m right of rail 0, at 25 m, with a parked
  // train (its file name says CAR) on it and beside it, and a tree.
  std::string in = Cmd(3) + Cmd(55, "4;Parked_CAR.B3D;X") + Cmd(55, "5;Tree.b3d") + Cmd(6) +
                   Cmd(0, "0") + Cmd(60, "2;6") + Cmd(-2, "1;0;2") + Cmd(0, "25") + Cmd(60, "2;6") +
                   Cmd(88, "2;4;0;0;9") + Cmd(88, "2;4;3;0") + Cmd(88, "2;5");
  global.alternativechance = 100;
  struct Case {
    int mode;
    std::vector<std::string> freeObjects;
  } cases[] = {
      {kStaticKeep, {"0;4;0.000000;0;9", "0;4;3;0", "0;5"}},
      {kStaticRemove, {"0;4;3;0", "0;5"}},
      {kStaticMove, {"2;4;0.000000;0;9", "0;4;3;0", "0;5"}},
  };
  for (const Case& c : cases) {
    global.statictrainmode = c.mode;
    std::string route = WriteRoute(in);
    EXPECT_EQ(Values(route, ".freeobj "), c.freeObjects) << c.mode;
    EXPECT_NE(route.find(".freeobj(4) parked_car.b3d;x,"), std::string::npos) << route;
  }
}

TEST_F(RandomizeTest, SignalsAreRebasedAndLabelledRelaysAlwaysTyped) {
  std::string in = Cmd(0, "0") + Cmd(-2, "0;150") + Cmd(69, "3;Home") + Cmd(70, "2;S;1;2;0;extra") +
                   Cmd(71, "3;1;more") + Cmd(71);
  const std::string relays = ".relay 3.000000;1.000000;more,.relay 0.000000;-1.000000,";
  EXPECT_EQ(WriteRoute(in), "\r\n0,.signal 3;Home,.sig 2;S;1;2;0;extra," + relays +
                                "\r\nroute.developerid 40372958");
  global.signaldistances = 1;
  EXPECT_EQ(WriteRoute(in),
            "\r\n0,.signal 3;Home$chr(13)150m >;0.000000;-1.000000;1,"
            ".sig 2;S$chr(13)150m >;1.000000;2.000000;0;extra," +
                relays + "\r\nroute.developerid 40372958");

  // On rail 2, 6 m to the right, offsets are measured from it.
  global.signaldistances = 0;
  global.alternativechance = 100;
  std::string route =
      WriteRoute(Cmd(0, "0") + Cmd(60, "2;6;0.5") + Cmd(-2, "1;0;2") + Cmd(0, "25") +
                 Cmd(60, "2;6;0.5") + Cmd(69, "3;A") + Cmd(69, "3;B;0;2"));
  EXPECT_EQ(Values(route, ".signal "),
            (std::vector<std::string>{"3;A;0.000000;-1.000000;1", "3;B;-6.000000;1.500000;1"}));
}

TEST_F(RandomizeTest, ACustomSystemWritesSignalsThroughItsTemplates) {
  sigsys.custom = 1;
  sigsys.loaded = true;
  sigsys.signaldef =
      "\xA7s\xA7"
      "a\xA7p\xA7n\xA7p\xA7x\xA7p\xA7y\xA7p\xA7t\xA7"
      "e";
  sigsys.relaydef =
      "\xA7r\xA7x\xA7p\xA7y\xA7"
      "e#value<missing>";
  sigsys.speeds = "\r\nwith route\r\n.signal(0) #rnd<0,0>,";
  std::string in = Cmd(1) + Cmd(18, "0;0") + Cmd(6) + Cmd(0, "0") + Cmd(69, "4;A;1") +
                   Cmd(71, "1;2") + Cmd(71) + Cmd(71);
  RecordedMessages messages;
  std::string log;
  EXPECT_EQ(WriteRoute(in, nullptr, &log),
            "\r\nwith route\r\nwith track\r\n0,.sig 4;A;1.000000;-1.000000;1,"
            ".relay 1.000000;2.000000,.relay 0.000000;-1.000000,.relay 0.000000;-1.000000,"
            "\r\nroute.developerid 40372958\r\nwith route\r\n.signal(0) 0,");
  // The faulty directive of the relay template is shown once.
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].substr(0, 32), "#value command, value not found.");
  EXPECT_NE(log.find("message repeated 2 more times: #value command, value not found."),
            std::string::npos)
      << log;

  // Definitions that were not loaded leave the route its own signals.
  sigsys.loaded = false;
  std::string route = WriteRoute(in);
  EXPECT_NE(route.find(".signal(0) 0,"), std::string::npos) << route;
  EXPECT_NE(route.find(".signal 4;A;1,"), std::string::npos) << route;
}

}  // namespace
