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
    global.trainname = "T";
    global.alternativechance = 0;
    platform::SeedRandom(1);
  }
  void TearDown() override {
    ResetGlobals();
    sigsys = SignalSystem();
  }
};

// The texts of every command `head` in a written route, in order: for
// ".pretrain" the time of ".pretrain 10.0500,".
std::vector<std::string> Values(const std::string& route, const std::string& head) {
  std::vector<std::string> values;
  for (size_t at = route.find(head); at != std::string::npos; at = route.find(head, at + 1)) {
    size_t start = at + head.size();
    values.push_back(route.substr(start, route.find_first_of(",\r", start) - start));
  }
  return values;
}

// The fields of the first station command of a route.
std::vector<std::string> StationFields(const std::string& route) {
  std::vector<std::string> fields;
  std::vector<std::string> stations = Values(route, ".sta ");
  if (stations.empty()) return fields;
  std::string text = stations[0];
  size_t start = 0;
  for (size_t semi; (semi = text.find(';', start)) != std::string::npos; start = semi + 1)
    fields.push_back(text.substr(start, semi - start));
  fields.push_back(text.substr(start));
  return fields;
}

// A station at 0 departing at 10:00 for the next one, at 1000 m, 600 s
// later; `signals` signals at 500 m (interpolated time 10:05:00), and the
// route's own run interval and preceding train.
std::string SignalRoute(int signals = 1) {
  std::string route = Cmd(19, "120") + Cmd(6) + Cmd(-2, "3;36000;1000;600") + Cmd(0, "0") +
                      Cmd(75, "A;10.00;10.00;0;1") + Cmd(92, "9.00") + Cmd(0, "500");
  for (int i = 0; i < signals; ++i) route += Cmd(69, "3;S");
  return route + Cmd(0, "1000");
}

TEST_F(RandomizeTest, EachSignalModeDrawsItsOffsetAndDropsTheRoutesOwnTimes) {
  struct Mode {
    int mode;
    int low, high;
  } modes[] = {{kSignalsMild, -300, -60}, {kSignalsMedium, -300, 20}, {kSignalsStrong, -240, 120}};
  for (const Mode& m : modes) {
    global.signalmode = m.mode;
    platform::SeedRandom(static_cast<unsigned>(m.mode));
    std::string route = WriteRoute(SignalRoute(2000));
    std::vector<std::string> times = Values(route, ".pretrain ");
    ASSERT_EQ(times.size(), 2001u) << m.mode;
    int lowest = 1000, highest = -1000;
    for (size_t i = 0; i + 1 < times.size(); ++i) {
      int offset = KavoTime2Sec(times[i].c_str()) - (36000 + 300);
      lowest = std::min(lowest, offset);
      highest = std::max(highest, offset);
    }
    EXPECT_EQ(lowest, m.low) << m.mode;
    EXPECT_EQ(highest, m.high) << m.mode;
    EXPECT_NE(route.find("\r\n500,.pretrain " + times[0] + ",.signal 3;S,.pretrain "),
              std::string::npos);
    // The closing time: departure + travel + 60 s, 2000 m past the end.
    EXPECT_EQ(times.back(), "10.1100");
    EXPECT_NE(route.find("route.developerid 40372958\r\nwith track\r\n3000,.pretrain 10.1100,"),
              std::string::npos);
    EXPECT_EQ(route.find("runinterval"), std::string::npos) << m.mode;
    EXPECT_EQ(route.find("9.00"), std::string::npos) << m.mode;
  }
}

TEST_F(RandomizeTest, WithoutRandomSignalsTheRoutesOwnTimesStay) {
  std::string route = WriteRoute(SignalRoute());
  EXPECT_NE(route.find("route.runinterval 120"), std::string::npos) << route;
  EXPECT_EQ(Values(route, ".pretrain "), std::vector<std::string>{"9.00"});
  global.timetablemode = kTimetableCustom;  // the route's times no longer fit
  route = WriteRoute(SignalRoute());
  EXPECT_NE(route.find("route.runinterval 120"), std::string::npos) << route;
  EXPECT_TRUE(Values(route, ".pretrain ").empty()) << route;
}

TEST_F(RandomizeTest, NoPrecedingTrainBeforeTheFirstStationTiming) {
  global.signalmode = kSignalsStrong;
  // A signal before any timing, then a timing whose next station stands
  // where it was read: the time is the departure plus the offset alone.
  std::string in = Cmd(6) + Cmd(0, "0") + Cmd(75, "A;10.00;10.00;0;1") + Cmd(69, "3") +
                   Cmd(-2, "3;36000;0;600") + Cmd(0, "100") + Cmd(69, "3") + Cmd(0, "200");
  platform::SeedRandom(4);
  int offset = platform::Random() % 361 - 240;
  platform::SeedRandom(4);
  std::string route = WriteRoute(in);
  char expected[16];
  Sec2KavoTime(expected, 36000 + offset);
  EXPECT_EQ(Values(route, ".pretrain "), (std::vector<std::string>{expected, "10.1100"})) << route;
  EXPECT_NE(route.find("\r\n0,.sta A;10.0000;10.0000;0;1,.signal 3,\r\n100,.pretrain"),
            std::string::npos)
      << route;

  // Without any station timing nothing is drawn and no time is written.
  platform::SeedRandom(4);
  route = WriteRoute(Cmd(6) + Cmd(0, "0") + Cmd(75, "A;10.00;10.00;0;1") + Cmd(69, "3"));
  EXPECT_TRUE(Values(route, ".pretrain ").empty()) << route;
  platform::SeedRandom(4);
  int first = platform::Random();
  platform::SeedRandom(4);
  WriteRoute(Cmd(6) + Cmd(0, "0") + Cmd(75, "A;10.00;10.00;0;1") + Cmd(69, "3"));
  EXPECT_EQ(platform::Random(), first);
}

TEST_F(RandomizeTest, StationFieldsDrawInTheirOrder) {
  global.randomstart = 1;
  global.randomdwell = 1;
  global.randomtraffic = 1;
  platform::SeedRandom(9);
  int red = platform::Random() / 2;
  int dwell = std::max(5, 10 + platform::Random() % 41 - 20);
  int ratio = platform::Random() % 240 + 10;
  platform::SeedRandom(9);
  std::string route = WriteRoute(Cmd(0, "0") + Cmd(75, "A;10.00;10.05;0;1;0;0;snd;10;60;dep;1"));
  EXPECT_EQ(
      StationFields(route),
      (std::vector<std::string>{"A", "10.0000", "10.0500", "0", "1", std::to_string(red), "0",
                                "snd", std::to_string(dwell), std::to_string(ratio), "dep", "1"}));
}

TEST_F(RandomizeTest, StationCases) {
  struct Case {
    const char* name;
    const char* station;
    int randomstart, randomdwell, randomtraffic;
    const char* expected;
  } cases[] = {
      {"four fields pass unchanged", "A;10.00;10.05;0", 1, 1, 1, "A;10.00;10.05;0"},
      {"a T departure keeps its forced red", "A;10.00;T;0;1;7", 1, 0, 0, "A;10.0000;T;0;1;7"},
      {"no departure keeps it too", "A;10.00;;0;1;7", 1, 0, 0, "A;10.0000;;0;1;7"},
      {"two stop fields are too few", "A;;10.00;0;1;0;0;snd", 0, 1, 1, "A;;10.0000;0;1;0;0;snd"},
      {"options off", "A;10.00;10.05;0;1;0;0;snd;10;60", 0, 0, 0,
       "A;10.0000;10.0500;0;1;0;0;snd;10;60"},
  };
  for (const Case& c : cases) {
    global.randomstart = c.randomstart;
    global.randomdwell = c.randomdwell;
    global.randomtraffic = c.randomtraffic;
    std::string route = WriteRoute(Cmd(0, "0") + Cmd(75, c.station));
    EXPECT_EQ(Values(route, ".sta "), std::vector<std::string>{c.expected}) << c.name;
  }
}

// The smallest and largest of the numbers at `field` (0 first) of every
// command `head` in a route.
std::pair<int, int> Range(const std::string& route, const std::string& head, size_t field) {
  std::pair<int, int> range{1 << 30, -(1 << 30)};
  for (const std::string& text : Values(route, head)) {
    size_t start = 0;
    for (size_t i = 0; i < field; ++i) start = text.find(';', start) + 1;
    int v = std::stoi(text.substr(start));
    range.first = std::min(range.first, v);
    range.second = std::max(range.second, v);
  }
  return range;
}

TEST_F(RandomizeTest, DwellAndTrafficStayInTheirRanges) {
  global.randomdwell = 1;
  global.randomtraffic = 1;
  struct Case {
    const char* duration;
    int low, high;
  } cases[] = {{"10", 5, 30}, {"3", 5, 23}};
  for (const Case& c : cases) {
    std::string in = Cmd(0, "0");
    for (int i = 0; i < 1000; ++i)
      in += Cmd(75, "A;10.00;10.05;0;1;0;0;snd;" + std::string(c.duration) + ";60");
    std::string route = WriteRoute(in);
    EXPECT_EQ(Range(route, ".sta ", 8), std::make_pair(c.low, c.high)) << c.duration;
    EXPECT_EQ(Range(route, ".sta ", 9), std::make_pair(10, 249)) << c.duration;
  }
}

TEST_F(RandomizeTest, TimetableModesShiftStationTimes) {
  std::string in =
      Cmd(0, "0") + Cmd(75, "A;;10.00;0;1") + Cmd(0, "100") + Cmd(75, "B;11.00;11.01;0;1");
  global.timetablemode = kTimetableCustom;
  global.starttime = 12 * 3600 + 30 * 60;
  std::string route = WriteRoute(in);
  EXPECT_EQ(Values(route, ".sta "),
            (std::vector<std::string>{"A;;12.3000;0;1", "B;13.3000;13.3100;0;1"}));
  global.timetablemode = kTimetableDefault;
  global.loosetimetable = 1;  // an hour after the first time: 216 s later
  route = WriteRoute(in);
  EXPECT_EQ(Values(route, ".sta "),
            (std::vector<std::string>{"A;;10.0000;0;1", "B;11.0336;11.0439;0;1"}));
}

TEST_F(RandomizeTest, TiltingTurnsCantsAndLimitsThem) {
  global.tilting = 1;
  struct Case {
    const char* curve;
    const char* written;
  } cases[] = {{"600;100", "600;140"},    {"600;-100", "600;-140"}, {"600;5000", "600;100"},
               {"600;-5000", "600;-100"}, {"600;0", "600;0"},       {"0;100", "0;100"}};
  for (const Case& c : cases) {
    std::string route = WriteRoute(Cmd(0, "0") + Cmd(64, c.curve));
    EXPECT_EQ(Values(route, ".curve "), std::vector<std::string>{c.written}) << c.curve;
  }
}

TEST_F(RandomizeTest, AdhesionAndAccuracy) {
  struct Case {
    int adhesion;
    int low, high;
  } cases[] = {{kAdhesionNone, 120, 120},
               {kAdhesionGood, 255, 255},
               {kAdhesionBad, 50, 50},
               {kAdhesionRandom, 50, 255}};
  global.randomtrackquality = 1;
  std::string in = Cmd(0, "0");
  for (int i = 0; i < 3000; ++i) in += Cmd(67, "120;x") + Cmd(63, "9");
  for (const Case& c : cases) {
    global.adhesionmode = c.adhesion;
    std::string route = WriteRoute(in);
    EXPECT_EQ(Range(route, ".adhesion ", 0), std::make_pair(c.low, c.high)) << c.adhesion;
    std::string first = Values(route, ".adhesion ").at(0);
    EXPECT_EQ(first.substr(first.find(';')), ";x");  // the other field stays
    EXPECT_EQ(Range(route, ".accuracy ", 0), std::make_pair(1, 4));
  }
}

// The path onto rail 2, 6 m right of rail 0, at 25 m, with a parked train
// (its file name says CAR) and other free objects there.
std::string ParkedTrainRoute() {
  return Cmd(3) + Cmd(55, "4;Parked_CAR.B3D;X") + Cmd(55, "5;Tree.b3d") + Cmd(6) + Cmd(0, "0") +
         Cmd(60, "2;6") + Cmd(-2, "1;0;2") + Cmd(0, "25") + Cmd(60, "2;6") + Cmd(88, "2;4;0;0;9") +
         Cmd(88, "2;4;3;0") + Cmd(88, "2;5") + Cmd(0, "50");
}

TEST_F(RandomizeTest, ParkedTrainsOnThePlayersPath) {
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
    std::string route = WriteRoute(ParkedTrainRoute());
    EXPECT_EQ(Values(route, ".freeobj "), c.freeObjects) << c.mode << "\n" << route;
    EXPECT_NE(route.find(".freeobj(4) parked_car.b3d;x,"), std::string::npos) << route;
  }
  // On the main track nothing is changed.
  global.alternativechance = 0;
  global.statictrainmode = kStaticRemove;
  std::string route = WriteRoute(Cmd(55, "4;car.b3d") + Cmd(0, "0") + Cmd(88, "0;4;0;0"));
  EXPECT_EQ(Values(route, ".freeobj "), std::vector<std::string>{"0;4;0;0"});
}

TEST_F(RandomizeTest, SignalsAreRebasedAndLabelledRelaysAlwaysTyped) {
  std::string in = Cmd(0, "0") + Cmd(-2, "0;150") + Cmd(69, "3;Home") + Cmd(70, "2;S;1;2;0;extra") +
                   Cmd(71, "3;1;more") + Cmd(71);
  std::string route = WriteRoute(in);
  EXPECT_EQ(route,
            "\r\n0,.signal 3;Home,.sig 2;S;1;2;0;extra,.relay 3.000000;1.000000;more,"
            ".relay 0.000000;-1.000000,\r\nroute.developerid 40372958");
  global.signaldistances = 1;
  route = WriteRoute(in);
  EXPECT_EQ(
      route,
      "\r\n0,.signal 3;Home$chr(13)150m >;0.000000;-1.000000;1,"
      ".sig 2;S$chr(13)150m >;1.000000;2.000000;0;extra,"
      ".relay 3.000000;1.000000;more,.relay 0.000000;-1.000000,\r\nroute.developerid 40372958");

  // On rail 2, 6 m to the right, offsets are measured from it.
  global.signaldistances = 0;
  global.alternativechance = 100;
  route = WriteRoute(Cmd(0, "0") + Cmd(60, "2;6;0.5") + Cmd(-2, "1;0;2") + Cmd(0, "25") +
                     Cmd(60, "2;6;0.5") + Cmd(69, "3;A") + Cmd(69, "3;B;0;2") + Cmd(0, "50"));
  EXPECT_EQ(Values(route, ".signal "),
            (std::vector<std::string>{"3;A;0.000000;-1.000000;1", "3;B;-6.000000;1.500000;1"}));
}

TEST_F(RandomizeTest, ACustomSystemWritesSignalsThroughItsTemplates) {
  sigsys.name = "Mine";
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
  global.signalmode = kSignalsMild;
  std::string in = Cmd(1) + Cmd(18, "0;0") + Cmd(6) + Cmd(0, "0") + Cmd(69, "4;A;1") +
                   Cmd(71, "1;2") + Cmd(71) + Cmd(71) + Cmd(0, "25");
  RecordedMessages messages;
  std::string log;
  std::string route = WriteRoute(in, nullptr, &log);
  EXPECT_EQ(route,
            "\r\nwith route\r\nwith track\r\n0,.sig 4;A;1.000000;-1.000000;1,"
            ".relay 1.000000;2.000000,.relay 0.000000;-1.000000,.relay 0.000000;-1.000000,"
            "\r\n25,\r\nroute.developerid 40372958\r\nwith route\r\n.signal(0) 0,");
  // The faulty directive of the relay template is shown once.
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].substr(0, 32), "#value command, value not found.");
  EXPECT_NE(log.find("message repeated 2 more times: #value command, value not found."),
            std::string::npos)
      << log;

  // Definitions that were not loaded leave the route its own signals.
  sigsys.loaded = false;
  route = WriteRoute(in);
  EXPECT_NE(route.find(".signal(0) 0,"), std::string::npos) << route;
  EXPECT_NE(route.find(".signal 4;A;1,"), std::string::npos) << route;
}

}  // namespace
