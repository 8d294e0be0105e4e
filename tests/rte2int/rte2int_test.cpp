#include "rte2int/rte2int.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/rteprocs.h"
#include "rte2int/cleanint.h"
#include "rte2int/dump.h"
#include "test_support.h"
#include "tests/rte2int/read_route.h"
#include "ui/loadsave.h"

namespace {

class RouteReadingTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }

  std::string Read(const std::string& route, int type) { return ReadRouteText(route, type); }

  ScratchDir dir_;
  RecordedMessages messages_;
};

TEST_F(RouteReadingTest, CommentsEndWhereTheSyntaxSays) {
  struct Case {
    const char* route;
    int type;
    const char* dump;
  };
  const Case cases[] = {
      // In comma-separated routes a comment also ends at the next comma.
      {"100, ; note, .pitch 3", kRouteCsv, "0 distance | 100\n65 pitch | 3\n"},
      {"100, ; note, .pitch 3\n200,", kRouteScript, "0 distance | 100\n0 distance | 200\n"},
      // Line feeds alone end a comment as well as CR LF does.
      {"0, ; a\n.pitch 1\n; b\n.pitch 2\n", kRouteCsv,
       "0 distance | 0\n65 pitch | 1\n65 pitch | 2\n"},
      {"0, ; a\r\n.pitch 1\r\n; b\r\n.pitch 2\r\n", kRouteCsv,
       "0 distance | 0\n65 pitch | 1\n65 pitch | 2\n"},
      {"[Railway]\n100, ; note, .pitch 3\n200,", kRouteSectioned,
       "6 with track\n85 height | 0.3\n0 distance | 100\n0 distance | 200\n"},
      // A ";" inside a command's own parameters separates them.
      {".rail 1;2;3,", kRouteCsv, "60 rail | 1 | 2 | 3\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.route, c.type), c.dump) << c.route;
}

TEST_F(RouteReadingTest, CommandsAtTheVeryStart) {
  EXPECT_EQ(Read("With Route\r\n.Gauge 1435", kRouteCsv), "1 with route\n17 route.gauge | 1435\n");
  // A byte-order mark does not hide the first command.
  EXPECT_EQ(Read("\xEF\xBB\xBFWith Route\r\n.Gauge 1435", kRouteCsv),
            "1 with route\n17 route.gauge | 1435\n");
  EXPECT_EQ(Read("\xEF\xBB\xBF[Route]\nGauge = 1000\n", kRouteSectioned),
            "1 with route\n17 route.gauge | 1000\n");
}

TEST_F(RouteReadingTest, SectionedFormsAreRewritten) {
  const std::string route =
      "Rail(1;2) before any section\n"
      "[Railway]\n"
      "Height(1)\nHeight(-0.3)\n"
      "Form(1; 9; 2; 3)\nForm(1;-9;2;3)\nForm(1;2;3;4)\n"
      "Station(A (north); 10.00; 10.30; 0; x; y)\n"
      "Station(B;P; 11.00; 1; s; t)\nStation(C; ; ; 1; s; t)\nStation(D; L; ; 1; s; t)\n"
      "Pole(0;1) = p.csv\nPole(2) = q.csv\n"
      "[Route]\nFile = a.csv; b\n"
      "[Railway]\n";
  EXPECT_EQ(Read(route, kRouteSectioned),
            "6 with track\n85 height | 0.3\n"
            "85 height | 1.3\n85 height | -0\n"
            "77 form | 1 | r | 2 | 3\n77 form | 1 | l | 2 | 3\n77 form | 1 | 2 | 3 | 4\n"
            "75 sta | A (north) | 10.00 | 10.30 | 0 | 1 | 0 | x |  | 10 | 50 | y\n"
            "75 sta | B | P | 11.00 | 0 | 1 | 0 | s |  | 10 | 50 | t\n"
            "75 sta | C | P | T | 0 | 1 | 0 | s |  | 10 | 50 | t\n"
            // Pieces are measured untrimmed: " L" is two characters.
            "75 sta | D | L | T | 0 | 1 | 1 | s |  | 10 | 50 | t\n"
            "31 pole | 0 | 1 | p.csv\n31 pole | 2 | 0 | q.csv\n"
            "1 with route\n24 folder | a.csv\n"
            "6 with track\n85 height | 0.3\n");
}

TEST_F(RouteReadingTest, CommaSeparatedFolderKeepsItsFields) {
  EXPECT_EQ(Read("With Train\n.Folder a; b\n", kRouteCsv), "2 with train\n24 folder | a | b\n");
}

TEST_F(RouteReadingTest, IntermediateBytesAreExact) {
  Read("With Track\n0,.rail 1;2.5;0,.sig 4;;1\n100,.sig 4;;1\n", kRouteCsv);
  EXPECT_EQ(ReadFile(kIntermediateFileName),
            std::string("\x1E!1!0!0\r\n"         // track 0 goes on at position 0
                        "&\r\n"                  // with track
                        "\x20!0\r\n"             // distance 0
                        "\x5C!1#2.5!0\r\n"       // rail 1;2.5;0
                        "\x1E!0#100\r\n"         // spacing to the next signal
                        "\x66!4 !1\r\n"          // sig 4;;1
                        "\x20#100\r\n"           // distance 100
                        "\x1E!0!0\r\n"           // the last signal's spacing
                        "\x66!4 !1\r\n"));
}

TEST_F(RouteReadingTest, ALargeRouteComesThroughWhole) {
  std::string route = "With Track\n";
  const int count = 120000;
  for (int i = 1; i <= count; ++i)
    route += std::to_string(i * 25) + ", .rail 1;3.8;0;2, .freeobj 0;4;-6;0;0,\n";
  ASSERT_GT(route.size(), 4u << 20);
  std::string dump = Read(route, kRouteCsv);
  size_t distances = 0, objects = 0;
  for (size_t p = dump.find("\n0 distance"); p != std::string::npos;
       p = dump.find("\n0 distance", p + 1))
    ++distances;
  for (size_t p = dump.find("\n88 freeobj"); p != std::string::npos;
       p = dump.find("\n88 freeobj", p + 1))
    ++objects;
  EXPECT_EQ(distances, static_cast<size_t>(count));
  EXPECT_EQ(objects, static_cast<size_t>(count));
  EXPECT_NE(dump.find("0 distance | " + std::to_string(count * 25) + "\n60 rail"),
            std::string::npos);
}

TEST_F(RouteReadingTest, LogLinesInOrder) {
  Read("With Track\n0,.pitch 1\n", kRouteCsv);
  EXPECT_EQ(ReadFile("log.txt"),
            "Route2Intermediate started\n"
            "PreProcessRoute started\nentering loop\nending loop\nexiting PreProcessRoute\n"
            "entering loop\nloop finished\n"
            "CleanIntFile started\nentering loop\nsearching paths\nsearch complete\nending loop\n"
            "del sigstack\ndel p_startpos\ndel p_starttrk\ndel p_alongtrk\ndel s_pos\n"
            "del s_arrive\ndel s_depart\ndel t_pos\ndel t_index\ndel t_cmd\n"
            "skip fp_startpos\nskip fp_starttrk\nskip fp_alongtrk\n"
            "del line\ndel params\ndel track\ndel prevtturn\ndel fs\nexiting CleanIntFile\n"
            "exiting Route2Intermediate\n");
}

TEST_F(RouteReadingTest, FailuresReturnZero) {
  global.routetype = kRouteCsv;
  EXPECT_EQ(Route2Intermediate("missing.csv", nullptr), 0);
  // The intermediate file cannot be saved where a folder stands.
  ASSERT_TRUE(WriteFile("linewright.tmp/inside", "x"));
  ASSERT_TRUE(WriteFile("route.csv", "With Track\n0,\n"));
  EXPECT_EQ(Route2Intermediate("route.csv", nullptr), 0);
}

// An error that ends preprocessing or the script drops the rest of the
// route; such a route is not read as if it were whole, and no intermediate
// file is written from it.
TEST_F(RouteReadingTest, ARouteCutShortIsNotRead) {
  const struct {
    const char* file;
    int type;
    const char* route;
  } cases[] = {
      {"cut.csv", kRouteCsv, "With Track\n0, .pitch 1,\n#macro<none>\n25, .pitch 2,\n"},
      {"cut.scr", kRouteScript, "With Track\n0, .pitch 1,\n#endrepeat<>\n25, .pitch 2,\n"},
  };
  for (const auto& c : cases) {
    global.routetype = static_cast<signed char>(c.type);
    ASSERT_TRUE(WriteFile(c.file, c.route));
    messages_.errors.clear();
    EXPECT_EQ(Route2Intermediate(c.file, nullptr), 0) << c.file;
    EXPECT_FALSE(FileExists("linewright.tmp")) << c.file;
    EXPECT_FALSE(messages_.errors.empty()) << c.file;
  }
  // A missing $Include loses only that file: the rest is read.
  global.routetype = kRouteCsv;
  ASSERT_TRUE(WriteFile("holes.csv", "With Track\n0, $Include(none.csv) .pitch 1,\n"));
  EXPECT_EQ(Route2Intermediate("holes.csv", nullptr), 1);
}

class RecordingProgress : public platform::ProgressSink {
 public:
  void SetPosition(int percent) override { seen.push_back(percent); }
  std::vector<int> seen;
};

TEST_F(RouteReadingTest, ProgressRunsToTheEndOfEachPass) {
  std::string route = "With Track\n";
  for (int i = 0; i < 400; ++i) route += std::to_string(i * 25) + ", .pitch 1\n";
  ASSERT_TRUE(WriteFile("route.csv", route));
  global.routetype = kRouteCsv;
  RecordingProgress progress;
  ASSERT_EQ(Route2Intermediate("route.csv", &progress), 1);
  int ends = 0;
  for (size_t i = 0; i < progress.seen.size(); ++i) {
    EXPECT_GE(progress.seen[i], 0);
    EXPECT_LE(progress.seen[i], 100);
    if (progress.seen[i] == 100) ++ends;
  }
  EXPECT_EQ(ends, 4);  // preprocessing, the reading and both clean-up passes
}

TEST_F(RouteReadingTest, MalformedInputIsReadWithoutHarm) {
  std::mt19937 rng(7);
  const std::string alphabet =
      ".,;()@=[]$ \t\r\n0123456789-railstwhoRAILS\x1F\x1E\xA3\xA7\xEF\xBB\xBF";
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> byte(1, 255);
  for (int round = 0; round < 60; ++round) {
    std::string text;
    for (int i = 0; i < 3000; ++i)
      text += round % 3 == 0 ? static_cast<char>(byte(rng)) : alphabet[pick(rng)];
    int type = round % 3 + 1;
    ASSERT_TRUE(WriteFile("route.txt", text));
    global.routetype = static_cast<signed char>(type);
    ASSERT_EQ(Route2Intermediate("route.txt", nullptr), 1) << round;
    // The clean-up also copes with lines that route reading never writes.
    BufferedFile* file = new BufferedFile(16, true);
    file->putstring(text);
    ASSERT_TRUE(CleanIntFile(file, nullptr));
    delete file;
  }
}

}  // namespace
