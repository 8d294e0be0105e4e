#include "int2rte/int2rte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "intermediate_builder.h"
#include "platform/random.h"
#include "route_check.h"
#include "rte2int/commands.h"
#include "sigsys/sigsys.h"
#include "test_support.h"
#include "ui/loadsave.h"
#include "write_route.h"

namespace {

const char kRouteEnd[] = "\r\nroute.developerid 40372958";

class WriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    sigsys = SignalSystem();
    global.trainname = "MyTrain";
    global.alternativechance = 0;
    platform::SeedRandom(1);
  }
  void TearDown() override {
    ResetGlobals();
    sigsys = SignalSystem();
  }
};

TEST_F(WriterTest, MainLineRouteComesBackInTheOutputSyntax) {
  std::string in = Cmd(1) + Cmd(2) + Cmd(24, "OldTrain") + Cmd(3) + Cmd(30, "0;rail0.b3d") +
                   Cmd(55, "3;Car.b3d") + Cmd(6) + Cmd(0, "0") + Cmd(60, "1;3.8") +
                   Cmd(75, "Alpha;10.30;10.31;0;1") + Cmd(0, "25") + Cmd(64, "600;30") +
                   Cmd(69, "3;A;1;2") + Cmd(80, "1;-1;2") + Cmd(0, "50") + Cmd(84, "m.bmp;100") +
                   Cmd(61, "1") + Cmd(77, "0;L;1;2") + Cmd(88, "0;3;1;0") + Cmd(91, "s.wav;1;2") +
                   Cmd(0, "75");
  bool ok = false;
  std::string log;
  std::string out = WriteRoute(in, &ok, &log);
  EXPECT_TRUE(ok);
  EXPECT_EQ(out,
            "\r\nwith route\r\nwith train\r\n.folder MyTrain,\r\nwith structure\r\n"
            // free-object file names in lower case, station times in full
            ".rail(0) rail0.b3d,\r\n.freeobj(3) car.b3d,\r\nwith track\r\n"
            "0,.rail 1;3.800000;0.000000;0,.sta Alpha;10.3000;10.3100;0;1,"
            "\r\n25,.curve 600;30,.signal 3;A;1;2,.wall 1;-1;2,"
            "\r\n50,.marker m.bmp;100,.railend 1;3.800000;0.000000;0,.form 0;L;1;2,"
            ".freeobj 0;3;1;0,.doppler s.wav;1.000000;2.000000,"
            "\r\n75," +
                std::string(kRouteEnd));
  EXPECT_EQ(log,
            "Intermediate2Route started\nentering loop\nexiting loop\nexiting Intermediate2Route\n");
}

TEST_F(WriterTest, LinesWithoutSpellingOrOutOfRangeAreSkipped) {
  std::string in = Cmd(0, "0") + Cmd(-2, "0;150") + Cmd(-2, "3;36000;500;120") + Cmd(-1, "x") +
                   std::string("\x87\x21q\r\n") + std::string("\n\n") + Cmd(60, "16;1") +
                   Cmd(60, "-1;2;3");
  EXPECT_EQ(WriteRoute(in), "\r\n0,.rail 16;1,.rail -1;2;3," + std::string(kRouteEnd));
}

TEST_F(WriterTest, BytesAbove127AndLongFieldsPassWhole) {
  std::string longName(600, 'n');
  std::string in = Cmd(0, "0") + Cmd(75, "Gr\xFCn\xFF;1") + Cmd(84, longName + ";5") + Cmd(0, "25");
  EXPECT_EQ(WriteRoute(in), "\r\n0,.sta Gr\xFCn\xFF;1,.marker " + longName + ";5,\r\n25," +
                                std::string(kRouteEnd));
}

TEST_F(WriterTest, SkippedBlocksGetBoundariesOnASwitchedPath) {
  std::string in = Cmd(6) + Cmd(-2, "1;0;1") + Cmd(0, "30") + Cmd(60, "1;3.5") + Cmd(0, "130") +
                   Cmd(60, "1;3.5") + Cmd(0, "150");
  std::string out = WriteRoute(in);
  EXPECT_EQ(out,
            "\r\nwith track\r\n"
            "30,.railend 1;3.500000;0.000000,.railstart 1;-3.500000;0.000000;0,"
            ".wallend 1,.dikeend 1,.poleend 1,.wallend 0,.dikeend 0,.poleend 0,"
            "\r\n50,.railtype 0;0,.railtype 1;0,"
            "\r\n75,.railtype 0;0,.railtype 1;0,"
            "\r\n100,.railtype 0;0,.railtype 1;0,"
            "\r\n125,.railtype 0;0,.railtype 1;0,"
            "\r\n130,.rail 1;-3.500000;0.000000;0,"
            "\r\n150," +
                std::string(kRouteEnd));
}

TEST_F(WriterTest, BackOnTheMainTrackOneBoundaryBeforeTheNewPosition) {
  // Path onto rail 1 at 0, back onto rail 0 at 25; the step from 25 to
  // 130 then needs one boundary at 125 only.
  std::string in = Cmd(-2, "1;0;1") + Cmd(0, "0") + Cmd(60, "1;2") + Cmd(-2, "1;1;0") +
                   Cmd(0, "25") + Cmd(0, "130");
  global.alternativechance = 100;
  std::string out = WriteRoute(in);
  size_t at125 = out.find("\r\n125,");
  size_t at130 = out.find("\r\n130,");
  ASSERT_NE(at125, std::string::npos) << out;
  ASSERT_NE(at130, std::string::npos) << out;
  EXPECT_LT(at125, at130);
  EXPECT_EQ(out.find("\r\n50,"), std::string::npos) << out;
  EXPECT_EQ(out.find("\r\n100,"), std::string::npos) << out;
}

// Whether the writer took the path onto rail 1: it then ends rail 1 and
// starts the old main track as rail 1 at the point.
bool Switched(const std::string& out) { return out.find(".railstart 1;") != std::string::npos; }

TEST_F(WriterTest, AbsurdJumpGetsNoBoundaries) {
  std::string in = Cmd(-2, "1;0;1") + Cmd(0, "0") + Cmd(60, "1;2") + Cmd(0, "1000000000") +
                   Cmd(0, "1000000100");
  std::string out = WriteRoute(in);
  EXPECT_NE(out.find("\r\n1000000000,"), std::string::npos);
  EXPECT_EQ(out.find("\r\n25,"), std::string::npos);
  // The short step after it is still filled in.
  EXPECT_NE(out.find("\r\n1000000075,"), std::string::npos);
  EXPECT_LT(out.size(), 2000u);
}

TEST_F(WriterTest, PathPointWithOnlyOtherTracksAlwaysSwitches) {
  std::string in = Cmd(-2, "1;0;1") + Cmd(0, "0") + Cmd(60, "1;4") + Cmd(0, "25");
  for (int seed = 1; seed <= 20; ++seed) {
    platform::SeedRandom(seed);
    EXPECT_TRUE(Switched(WriteRoute(in))) << "seed " << seed;
  }
}

TEST_F(WriterTest, PathPointOfferingTheCurrentTrackSwitchesByChance) {
  std::string in = Cmd(-2, "1;0;0") + Cmd(-2, "1;0;1") + Cmd(0, "0") + Cmd(60, "1;4") + Cmd(0, "25");
  struct Case {
    int chance;
    int seed;
  } cases[] = {{0, 1}, {0, 7}, {100, 1}, {100, 7}, {40, 3}, {40, 11}, {40, 12}, {40, 99}};
  for (const Case& c : cases) {
    global.alternativechance = c.chance;
    // The first draw picks among the other tracks (only one here), the
    // second decides whether to take it.
    platform::SeedRandom(c.seed);
    platform::Random();
    bool expected = platform::Random() % 100 + 1 <= c.chance;
    platform::SeedRandom(c.seed);
    EXPECT_EQ(Switched(WriteRoute(in)), expected) << "chance " << c.chance << " seed " << c.seed;
  }
}

TEST_F(WriterTest, PathChoiceDrawsTheTrackFirstLastOfferedFirst) {
  std::string in = Cmd(-2, "1;0;1") + Cmd(-2, "1;0;2") + Cmd(0, "0") + Cmd(60, "1;4") +
                   Cmd(60, "2;-4") + Cmd(0, "25");
  for (int seed = 1; seed <= 8; ++seed) {
    platform::SeedRandom(seed);
    int chosen = platform::Random() % 2 == 0 ? 2 : 1;  // rail 2 was offered last
    platform::SeedRandom(seed);
    std::string out = WriteRoute(in);
    EXPECT_NE(out.find(".railstart " + std::to_string(chosen) + ";"), std::string::npos)
        << "seed " << seed << "\n" << out;
  }
}

TEST_F(WriterTest, SwitchedTurnWritesLeftTurnoutMarkers) {
  global.alternativechance = 1;
  // Rail 1 leaves rail 0 at 1000 and lies 0.5 m left of it at 1025: a
  // turn of -0.02 in the block of the switch.
  std::string in = Cmd(-2, "1;0;1") + Cmd(0, "1000") + Cmd(60, "1;0") + Cmd(0, "1025") +
                   Cmd(60, "1;-0.5") + Cmd(0, "1050") + Cmd(0, "1075");
  std::string out = WriteRoute(in);
  EXPECT_EQ(out,
            "\r\n1000,.railend 1;0.000000;0.000000,.railstart 1;0.000000;0.000000;0,"
            ".wallend 1,.dikeend 1,.poleend 1,.wallend 0,.dikeend 0,.poleend 0,"
            ".turn -0.020000,"
            "\r\n200,.marker LINEWRIGHT\\objs\\turnout3.gif;800,"
            "\r\n1000,.marker LINEWRIGHT\\objs\\turnout.gif;800,.curve 0;0,.railtype 0;0,"
            // straight again: the turn back, then the route's curve (none) restored
            "\r\n1025,.turn 0.020000,.rail 1;0.500000;0.000000;0,.railtype 0;0,"
            "\r\n1050,.curve 0;0,.railtype 0;0,.railtype 1;0,"
            "\r\n1075," +
                std::string(kRouteEnd));
}

TEST_F(WriterTest, HeldMarkersWaitForTheTurnoutOrTheEnd) {
  global.alternativechance = 100;
  std::string in = Cmd(0, "0") + Cmd(84, "early.bmp;300") + Cmd(0, "500") + Cmd(84, "late.bmp;50") +
                   Cmd(-2, "1;0;1") + Cmd(0, "2000") + Cmd(60, "1;0") + Cmd(0, "2025") +
                   Cmd(60, "1;0.5") + Cmd(0, "2050") + Cmd(84, "end.bmp;20") + Cmd(0, "2075");
  std::string out = WriteRoute(in);
  // At the turnout at 2000 the marker held from 0 is written and the one
  // from 500 (less than 1600 m back) is dropped; the rest come at the end.
  size_t early = out.find("\r\n0,.marker early.bmp;300,");
  size_t ahead = out.find("\r\n1200,.marker LINEWRIGHT\\objs\\turnout4.gif;800,");
  size_t at = out.find("\r\n2000,.marker LINEWRIGHT\\objs\\turnout2.gif;800,");
  size_t end = out.find(std::string(kRouteEnd) + "\r\n2050,.marker end.bmp;20,");
  EXPECT_NE(early, std::string::npos) << out;
  EXPECT_NE(ahead, std::string::npos) << out;
  EXPECT_NE(at, std::string::npos) << out;
  EXPECT_NE(end, std::string::npos) << out;
  EXPECT_LT(early, ahead);
  EXPECT_LT(ahead, at);
  EXPECT_EQ(out.find("late.bmp"), std::string::npos) << out;
}

// The path onto rail 2, 6 m right of rail 0, at 25 m.
std::string PathOntoRail2() {
  return Cmd(0, "0") + Cmd(80, "2;1;5") + Cmd(60, "2;6") + Cmd(-2, "1;0;2") + Cmd(0, "25") +
         Cmd(60, "2;6");
}

TEST_F(WriterTest, SideTracksAreRenumberedAroundThePlayerTrack) {
  global.alternativechance = 100;
  std::string in = PathOntoRail2() + Cmd(60, "3;10") + Cmd(88, "0;4;1") + Cmd(77, "2;0;1;1") +
                   Cmd(71, "1;2") + Cmd(0, "50") + Cmd(0, "75");
  std::string out = WriteRoute(in);
  EXPECT_EQ(out,
            "\r\n0,.wall 2;1;5,.rail 2;6.000000;0.000000;0,"
            "\r\n25,.railend 2;6.000000;0.000000,.railstart 2;-6.000000;0.000000;0,"
            // rail 0's structures now go with rail 2, rail 2's with rail 0
            ".wallend 2,.dikeend 2,.poleend 2,.wall 0;1;5,.dikeend 0,.poleend 0,"
            ".turn 0.240000,.marker LINEWRIGHT\\objs\\turnout2.gif;800,.curve 0;0,"
            ".rail 3;4.000000;0.000000;0,.freeobj 2;4;1,.form 0;2;1;1,"
            ".relay -5.000000;2.000000,.railtype 0;0,"
            "\r\n50,.turn -0.240000,.rail 3;4.000000;0.000000;0,.railtype 0;0,.railtype 2;0,"
            "\r\n75,.curve 0;0," +
                std::string(kRouteEnd));
}

TEST_F(WriterTest, CurveRadiusIsMeasuredFromThePlayerTrack) {
  global.alternativechance = 100;
  std::string in = PathOntoRail2() + Cmd(0, "50") + Cmd(0, "75") + Cmd(64, "500;40") + Cmd(0, "100");
  std::string out = WriteRoute(in);
  EXPECT_NE(out.find("\r\n75,.curve 494;40,"), std::string::npos) << out;
}

TEST_F(WriterTest, TurnAtTheSwitchAddsTheRouteTurnAndCurve) {
  global.alternativechance = 100;
  // The switch onto rail 2 (6 m right) at 25 m gives a slope of 0.24.
  struct Case {
    const char* name;
    std::string atZero, atSwitch;
    std::string turnAtSwitch, turnAfter;
  } cases[] = {
      {"nothing else", "", "", ".turn 0.240000,", ".turn -0.240000,"},
      {"route turn and a new curve", "", Cmd(66, "0.05") + Cmd(64, "506;10"),
       // 0.24 + 0.05 + 12.5 / (500 cos(12.5 / 500)); then the curve runs on:
       // -0.24 + tan(25 / 500)
       ".turn 0.315008,", ".turn -0.189958,"},
      {"curve running since before", Cmd(64, "506;10"), "",
       // 0.24 + tan(25 / 500), then -0.24 + tan(25 / 500)
       ".turn 0.290042,", ".turn -0.189958,"},
      {"radius equal to the offset", "", Cmd(64, "6;0"), ".turn 0.240000,", ".turn -0.240000,"},
  };
  for (const Case& c : cases) {
    std::string in = Cmd(0, "0") + c.atZero + Cmd(60, "2;6") + Cmd(-2, "1;0;2") + Cmd(0, "25") +
                     c.atSwitch + Cmd(60, "2;6") + Cmd(0, "50") + Cmd(60, "2;6") + Cmd(0, "75");
    std::string out = WriteRoute(in);
    size_t at25 = out.find("\r\n25,");
    size_t at50 = out.find("\r\n50,");
    ASSERT_NE(at50, std::string::npos) << c.name << "\n" << out;
    std::string block25 = out.substr(at25, at50 - at25);
    std::string block50 = out.substr(at50, out.find("\r\n75,") - at50);
    EXPECT_NE(block25.find(c.turnAtSwitch), std::string::npos) << c.name << "\n" << out;
    EXPECT_NE(block50.find(c.turnAfter), std::string::npos) << c.name << "\n" << out;
    // The route's own turn and curve of the switch block were taken over.
    EXPECT_EQ(block25.find(".turn 0.05"), std::string::npos) << c.name;
    EXPECT_EQ(block25.find(".curve 5"), std::string::npos) << c.name;
  }
}

TEST_F(WriterTest, ProgressRunsUpTo100) {
  struct Recorder : platform::ProgressSink {
    void SetPosition(int percent) override { seen.push_back(percent); }
    std::vector<int> seen;
  } recorder;
  ScratchDir dir;
  std::string in;
  for (int i = 0; i < 40; ++i) in += Cmd(0, std::to_string(i * 25)) + Cmd(60, "1;2");
  WriteFile(dir.File("linewright.tmp"), in);
  global.outroutepath = dir.File("out.csv");
  ASSERT_TRUE(Intermediate2Route(&recorder));
  ASSERT_EQ(recorder.seen.size(), 80u);
  EXPECT_TRUE(std::is_sorted(recorder.seen.begin(), recorder.seen.end()));
  EXPECT_EQ(recorder.seen.back(), 100);
}

TEST_F(WriterTest, SwitchedRoutesPassTheSimulatorsCheck) {
  global.alternativechance = 100;
  std::string paths[] = {
      PathOntoRail2() + Cmd(60, "3;10") + Cmd(88, "0;4;1") + Cmd(77, "2;0;1;1") + Cmd(71, "1;2") +
          Cmd(0, "50") + Cmd(64, "500;40") + Cmd(0, "75") + Cmd(84, "m.bmp;30") + Cmd(0, "200"),
      Cmd(0, "0") + Cmd(84, "early.bmp;300") + Cmd(-2, "1;0;1") + Cmd(0, "1000") + Cmd(60, "1;0") +
          Cmd(78, "1;0;0;50;3") + Cmd(0, "1025") + Cmd(60, "1;-0.5") + Cmd(-2, "1;1;0") +
          Cmd(0, "1200") + Cmd(61, "1"),
  };
  for (const std::string& in : paths) {
    std::string out = WriteRoute(in);
    kavosim::RouteSummary summary = kavosim::CheckRoute(out);
    EXPECT_TRUE(summary.ok()) << out << "\n" << (summary.problems.empty() ? "" : summary.problems[0]);
    EXPECT_EQ(summary.developer_id, "40372958");
  }
}

TEST_F(WriterTest, MissingIntermediateFileWritesNothing) {
  ScratchDir dir;
  global.outroutepath = dir.File("linewrighttemp.csv");
  WriteFile(global.outroutepath, "old");
  EXPECT_FALSE(Intermediate2Route(nullptr));
  EXPECT_EQ(ReadFile(global.outroutepath), "old");
}

TEST_F(WriterTest, UnwritableRouteFolderIsAFailure) {
  ScratchDir dir;
  WriteFile(dir.File("linewright.tmp"), Cmd(0, "0"));
  global.outroutepath = dir.File("no/such/folder/linewrighttemp.csv");
  EXPECT_FALSE(Intermediate2Route(nullptr));
}

}  // namespace
