#include "rte2int/cleanint.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/rte2int/read_route.h"

namespace {

class CleanUpTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }
  std::string Read(const std::string& route) { return ReadRouteText(route, kRouteCsv); }

  ScratchDir dir_;
  RecordedMessages messages_;
};

TEST_F(CleanUpTest, SectionsAndRepeatsAndDroppedLines) {
  struct Case {
    const char* route;
    const char* dump;
  };
  const Case cases[] = {
      // The second of two equal distances goes, the commands after it stay.
      {"0,.pitch 1\n100,.pitch 2\n100,.pitch 3\n",
       "0 distance | 0\n65 pitch | 1\n0 distance | 100\n65 pitch | 2\n65 pitch | 3\n"},
      {"With Track\n0,\nWith Track\n100,\n",
       "6 with track\n0 distance | 0\n0 distance | 100\n"},
      // A prefix applies to one command; before any "With" there is no
      // section to fall back to, and no section line is made up for it.
      {"Route.Gauge 1000\n.Pitch 1\nTrain.Folder x\n.Pitch 2\n",
       "1 with route\n17 route.gauge | 1000\n65 pitch | 1\n2 with train\n24 folder | x\n"
       "65 pitch | 2\n"},
      {"With Track\n0,.pitch 1\nRoute.Gauge 1000\n.pitch 2\n",
       "6 with track\n0 distance | 0\n65 pitch | 1\n1 with route\n17 route.gauge | 1000\n"
       "6 with track\n65 pitch | 2\n"},
      // A prefix whose command is dropped does not carry over.
      {"With Track\n0,\nRoute.Comment x,\n100,.pitch 1\n",
       "6 with track\n0 distance | 0\n0 distance | 100\n65 pitch | 1\n"},
      {"With Route\n.Comment a,\n.DeveloperID b,\n.Gauge 1\n", "1 with route\n17 route.gauge | 1\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.route), c.dump) << c.route;
}

TEST_F(CleanUpTest, SignalSpacingBeforeEachCountedSignal) {
  EXPECT_EQ(Read("With Track\n0,.signal 4\n100,.signal 4\n250,.sig 4;;0;-1\n300,.signal 4\n"),
            "6 with track\n0 distance | 0\n-2 cleanup | 0 | 100\n69 signal | 4\n"
            "0 distance | 100\n-2 cleanup | 0 | 200\n69 signal | 4\n"
            "0 distance | 250\n70 sig | 4 |  | 0 | -1\n"
            "0 distance | 300\n-2 cleanup | 0 | 0\n69 signal | 4\n");
  // Distances beyond the int range are cut to it; the spacing between the
  // two ends of that range is the largest int, not a wrapped value.
  EXPECT_EQ(Read("With Track\n-99999999999,.signal 4\n99999999999,.signal 4\n"),
            "6 with track\n0 distance | -99999999999\n-2 cleanup | 0 | 2147483647\n"
            "69 signal | 4\n0 distance | 99999999999\n-2 cleanup | 0 | 0\n69 signal | 4\n");
}

TEST_F(CleanUpTest, StationTiming) {
  struct Case {
    const char* route;
    const char* timing;
  };
  const Case cases[] = {
      // The last station has no successor and gets no timing line.
      {"0,.sta A;10.00;10.01\n100,.sta B;10.05;10.06\n200,.sta C;10.10\n",
       "-2 cleanup | 3 | 36060 | 100 | 240\n-2 cleanup | 3 | 36360 | 200 | 240\n"},
      // A journey across midnight takes positive time.
      {"0,.sta A;23.50;23.55\n100,.sta B;0.05;0.06\n", "-2 cleanup | 3 | 86100 | 100 | 600\n"},
      // Two stations at one position: the second one is passed over and
      // the later ones still get their timing.
      {"0,.sta A;10.00;10.01,.sta B;10.02;10.03\n100,.sta C;10.10;10.11\n200,.sta D;10.20;10.21\n",
       "-2 cleanup | 3 | 36060 | 0 | 60\n-2 cleanup | 3 | 36660 | 200 | 540\n"},
      // A station before the first distance line stands at position 0.
      {".sta A;10.00;10.01\n50,.pitch 0\n100,.sta C;10.10;10.11\n200,.sta D;10.20;10.21\n",
       "-2 cleanup | 3 | 36660 | 200 | 540\n"},
      // Untimed stations take no part.
      {"0,.sta A\n100,.sta B;10.00;10.01\n200,.sta C;10.05\n",
       "-2 cleanup | 3 | 36060 | 200 | 240\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DumpLines(Read(c.route), "-2 cleanup | 3"), c.timing) << c.route;
}

// Side track 1 leaves the main track at 0 and comes back at 125.
const char kPassingLoop[] =
    "With Track\n"
    "0, .railstart 1;0;0\n25, .rail 1;1.9\n50, .rail 1;3.8\n75, .rail 1;3.8\n"
    "100, .rail 1;1.9\n125, .rail 1;0\n150, .railend 1\n200,\n";

TEST_F(CleanUpTest, PathLinksWhereSideTracksLeaveAndRejoin) {
  std::string dump = Read(kPassingLoop);
  EXPECT_EQ(DumpLines(dump, "-2 cleanup | 1 | 0 | 1"), "-2 cleanup | 1 | 0 | 1\n"
                                                       "-2 cleanup | 1 | 0 | 1\n");
  EXPECT_EQ(DumpLines(dump, "-2 cleanup | 1 | 1 | 0"), "-2 cleanup | 1 | 1 | 0\n"
                                                       "-2 cleanup | 1 | 1 | 0\n");
  // The links stand right before the distance line of their position.
  EXPECT_NE(dump.find("-2 cleanup | 1 | 0 | 1\n6 with track\n0 distance | 0\n"), std::string::npos);
  EXPECT_NE(dump.find("-2 cleanup | 1 | 1 | 0\n-2 cleanup | 1 | 1 | 1\n0 distance | 125\n"),
            std::string::npos);
  EXPECT_NE(dump.find("-2 cleanup | 1 | 1 | 0\n0 distance | 150\n"), std::string::npos);
}

TEST_F(CleanUpTest, SideTrackEndingOnALateralJumpMakesNoPath) {
  // The same side track, once with a smooth swing and once with a jump of
  // its lateral step (0.5 to 4.1 m per position) at 50.
  const char* smooth =
      "With Track\n0, .railstart 1;0;0\n25, .rail 1;0.5\n50, .rail 1;1.5\n75, .rail 1;3\n"
      "100, .rail 1;3\n125, .rail 1;1.5\n150, .rail 1;0\n175, .railend 1\n200,\n";
  const char* jump =
      "With Track\n0, .railstart 1;0;0\n25, .rail 1;0.5\n50, .rail 1;4.6\n75, .rail 1;4.6\n"
      "100, .rail 1;3\n125, .rail 1;1.5\n150, .rail 1;0\n175, .railend 1\n200,\n";
  EXPECT_NE(Read(smooth).find("-2 cleanup | 1 | 0 | 1\n6 with track\n0 distance | 0\n"),
            std::string::npos);
  // Where it comes back it meets the main track again, but no path leads
  // from the start through the jump.
  std::string dump = Read(jump);
  EXPECT_EQ(dump.find("-2 cleanup | 1 | 0 | 1\n6 with track\n0 distance | 0\n"), std::string::npos)
      << dump;
}

TEST_F(CleanUpTest, LinksAtAPositionWithoutDistanceLineDoNotHoldUpLaterOnes) {
  std::string route =
      ".railstart 1;0;0\n25, .rail 1;1.9\n50, .rail 1;1.9\n75, .rail 1;0\n100, .railend 1\n"
      "200, .railstart 2;0;0\n225, .rail 2;-1.9\n250, .rail 2;-1.9\n275, .rail 2;0\n"
      "300, .railend 2\n400,\n";
  std::string dump = Read(route);
  EXPECT_NE(dump.find("-2 cleanup | 1 | 0 | 2\n0 distance | 200\n"), std::string::npos) << dump;
  EXPECT_NE(dump.find("-2 cleanup | 1 | 2 | 0\n-2 cleanup | 1 | 2 | 2\n0 distance | 275\n"),
            std::string::npos)
      << dump;
}

TEST_F(CleanUpTest, RailOnAnInactiveTrackStartsItAfresh) {
  // Track 1 ends on its jump back at 25; at 50 a plain "rail" starts it
  // again, and its first step must not be held against that jump.
  for (const char* restart : {".Rail", ".RailStart"}) {
    std::string route = std::string("With Track\n0,.Rail 1;3.5;0,\n25,.Rail 1;-0.1;0,\n50,") +
                        restart + " 1;0;0,\n75,.Rail 1;0;0,\n100,\n";
    std::string dump = Read(route);
    EXPECT_EQ(DumpLines(dump, "-2 cleanup | 1 | 0 | 1") + DumpLines(dump, "-2 cleanup | 1 | 1"),
              "-2 cleanup | 1 | 0 | 1\n-2 cleanup | 1 | 1 | 0\n")
        << route;
    EXPECT_NE(dump.find("-2 cleanup | 1 | 0 | 1\n0 distance | 50\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("-2 cleanup | 1 | 1 | 0\n0 distance | 75\n"), std::string::npos) << dump;
  }
}

TEST_F(CleanUpTest, EveryLinkOfFifteenLevelSideTracksIsKept) {
  // Every side track lies on the main track at every position, so each
  // inner position links all 16 tracks with each other. A search that
  // rescans a position's points for every search into it needs some 55
  // million steps for 800 positions: no bound on the work may cut the
  // links short.
  const int positions = 800;
  std::string route = "With Track\n";
  for (int p = 0; p < positions; ++p) {
    const char* command = p == 0 ? ".RailStart" : p == positions - 1 ? ".RailEnd" : ".Rail";
    route += std::to_string(p * 25) + ",";
    for (int t = 1; t < 16; ++t) route += command + (" " + std::to_string(t)) + ";0;0,";
    route += "\n";
  }
  route += std::to_string(positions * 25) + ",\n";
  std::string dump = Read(route);
  size_t links = 0;
  for (size_t at = dump.find("-2 cleanup | 1 |"); at != std::string::npos;
       at = dump.find("-2 cleanup | 1 |", at + 1))
    ++links;
  EXPECT_EQ(links, static_cast<size_t>(16 + 256 * (positions - 2) + 16));
}

TEST_F(CleanUpTest, ManyTrackCommandsAtOnePositionAreAllSeen) {
  // Side track 2 runs level from 0 to 50; at 25 it comes after 300
  // commands for a raised track 1, and still meets the main track there.
  std::string route = "With Track\n0,.RailStart 2;0;0,\n25,";
  for (int k = 1; k <= 300; ++k) route += ".Rail 1;" + std::to_string(k) + ";50,";
  route += ".Rail 2;0;0,\n50,.RailEnd 2;0;0,\n75,\n";
  std::string dump = Read(route);
  EXPECT_EQ(DumpLines(dump, "-2 cleanup | 1 | 0 | 2") + DumpLines(dump, "-2 cleanup | 1 | 2"),
            "-2 cleanup | 1 | 0 | 2\n-2 cleanup | 1 | 0 | 2\n-2 cleanup | 1 | 2 | 0\n"
            "-2 cleanup | 1 | 2 | 2\n-2 cleanup | 1 | 2 | 0\n");
}

TEST_F(CleanUpTest, WrongDistanceOrderIsReportedWhenAskedAndKept) {
  global.showerrors = 1;
  std::string dump = Read("0,\n200,\n100,\n");
  EXPECT_EQ(dump, "0 distance | 0\n0 distance | 200\n0 distance | 100\n");
  ASSERT_EQ(messages_.errors.size(), 1u);
  EXPECT_EQ(messages_.errors[0], "Wrong distance order\n\n200 -> 100");
  ResetGlobals();
  Read("0,\n200,\n100,\n");
  EXPECT_EQ(messages_.errors.size(), 1u);
}

TEST_F(CleanUpTest, ReplacesTheBufferAndKeepsForeignLines) {
  BufferedFile* file = new BufferedFile(64, true);
  // A line of index -1 is copied like the clean-up's own lines.
  const std::string lines = "\x1F\r\n\x1E!0\r\n \"50\r\n";
  file->putstring(lines);
  BufferedFile* before = file;
  ASSERT_TRUE(CleanIntFile(file, nullptr));
  EXPECT_NE(file, before);
  EXPECT_EQ(file->view(), lines);
  delete file;
}

}  // namespace
