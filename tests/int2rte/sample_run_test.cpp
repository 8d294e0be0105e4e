// The whole run on the sample routes: route reading, then the route writer
// (a create run) and the chart (a chart run), compared with the expected
// files under tests/int2rte/expected/. Set LINEWRIGHT_UPDATE_EXPECTED=1 to
// rewrite those files from the current output (and review the diff).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/random.h"
#include "route_check.h"
#include "sigsys/sigsys.h"
#include "test_support.h"
#include "ui/loadsave.h"
#include "ui/run.h"

namespace {

namespace fs = std::filesystem;

struct SampleRoute {
  const char* file;      // in sample/kavo/railway/route/Starter
  const char* expected;  // base name under tests/int2rte/expected
};

class SampleRunFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    sigsys = SignalSystem();
  }
  void TearDown() override {
    ResetGlobals();
    sigsys = SignalSystem();
  }

  // A simulator folder with an empty object folder, where a create run
  // puts the turnout signs.
  static void UseSimulatorFolder(const ScratchDir& dir) {
    global.simfolder = dir.File("kavo");
    fs::create_directories(dir.File("kavo/railway/object"));
  }

  // Compares `actual` with an expected file, or rewrites that file.
  static void ExpectFile(const std::string& name, const std::string& actual) {
    std::string path = SourcePath("tests/int2rte/expected/" + name);
    const char* update = std::getenv("LINEWRIGHT_UPDATE_EXPECTED");
    if (update != nullptr && std::string(update) == "1") {
      ASSERT_TRUE(WriteFile(path, actual)) << path;
      return;
    }
    std::string expected = ReadFile(path);
    ASSERT_FALSE(expected.empty()) << "missing " << path;
    EXPECT_EQ(actual, expected) << "differs from " << path;
  }
};

class SampleRunTest : public SampleRunFixture, public ::testing::WithParamInterface<SampleRoute> {};

TEST_P(SampleRunTest, WritesTheExpectedRouteAndChart) {
  const SampleRoute& sample = GetParam();
  ScratchDir dir;
  std::string routes = dir.File("route");
  fs::create_directories(routes);
  fs::copy(SourcePath("sample/kavo/railway/route/Starter"), routes + "/Starter",
           fs::copy_options::recursive);
  global.routefolder = routes;
  global.browsefolder = routes + "/Starter";
  global.routefile = sample.file;
  global.routetype = RouteTypeOf(sample.file);
  global.trainname = "Blue Arrow";
  global.outroutepath = OutRoutePath(routes);
  UseSimulatorFolder(dir);
  RecordedMessages messages;

  platform::SeedRandom(20);
  ASSERT_TRUE(GenerationRun(kRunCreate, nullptr)) << sample.file;
  ExpectFile(std::string(sample.expected) + ".csv", ReadFile(global.outroutepath));

  platform::SeedRandom(20);
  ASSERT_TRUE(GenerationRun(kRunChart, nullptr)) << sample.file;
  ExpectFile(std::string(sample.expected) + ".html", ReadFile(dir.File("chart.html")));
  EXPECT_FALSE(fs::exists(global.outroutepath)) << "a chart run removes the last route";
  EXPECT_TRUE(messages.errors.empty()) << messages.errors.front();
}

// A loop that leaves the main track at 100 m and comes back at 375 m: with
// the chance at 100 the train takes it, so the written route switches the
// tracks twice, with turns, turnout markers and skipped blocks between.
TEST_F(SampleRunTest, PassingLoopIsTakenThroughTheWholeRun) {
  ScratchDir dir;
  std::string routes = dir.File("route");
  ASSERT_TRUE(WriteFile(routes + "/loop.csv",
                        "With Route\n.Gauge 1435\nWith Train\n.Folder X\nWith Structure\n"
                        ".Rail(0) a.b3d\n.Rail(1) b.b3d\nWith Track\n0, .Railtype 0; 0,\n"
                        "100, .Railstart 1; 0; 0; 1,\n125, .Rail 1; 1,\n150, .Rail 1; 3,\n"
                        "175, .Rail 1; 4,\n200, .Rail 1; 4, .Sta Middle; 08.00; 08.01; 0; 1,\n"
                        "300, .Rail 1; 4,\n325, .Rail 1; 3,\n350, .Rail 1; 1,\n"
                        "375, .Railend 1; 0,\n400, .Curve 600; 0,\n500,\n"));
  global.routefolder = routes;
  global.browsefolder = routes;
  global.routefile = "loop.csv";
  global.routetype = RouteTypeOf("loop.csv");
  global.trainname = "Blue Arrow";
  global.outroutepath = OutRoutePath(routes);
  global.alternativechance = 100;
  UseSimulatorFolder(dir);
  RecordedMessages messages;

  platform::SeedRandom(3);
  ASSERT_TRUE(GenerationRun(kRunCreate, nullptr));
  std::string route = ReadFile(global.outroutepath);
  ExpectFile("passing_loop.csv", route);
  kavosim::RouteSummary summary = kavosim::CheckRoute(route);
  EXPECT_TRUE(summary.ok()) << (summary.problems.empty() ? "" : summary.problems[0]);
  EXPECT_EQ(summary.marker_pictures.count("LINEWRIGHT\\objs\\turnout2.gif"), 1u);
}

// Every start option on, alternative paths always taken: the seed fixes the
// whole route.
struct OptionsRun {
  const char* folder;  // in sample/kavo/railway/route
  const char* file;
  int signalmode;
  int statictrainmode;
  bool semaphores;       // with the sample signal system Semaphore Arms
  const char* expected;  // base name under tests/int2rte/expected
};

class OptionsRunTest : public SampleRunFixture, public ::testing::WithParamInterface<OptionsRun> {};

TEST_P(OptionsRunTest, TheSeedFixesTheRoute) {
  const OptionsRun& run = GetParam();
  ScratchDir dir;
  std::string routes = dir.File("route");
  fs::create_directories(routes);
  fs::copy(SourcePath("sample/kavo/railway/route"), routes, fs::copy_options::recursive);
  fs::copy(SourcePath("sample/sigsys"), dir.path(), fs::copy_options::recursive);
  UseSimulatorFolder(dir);
  global.routefolder = routes;
  global.browsefolder = routes + "/" + run.folder;
  global.routefile = run.file;
  global.routetype = RouteTypeOf(run.file);
  global.trainname = "Red Hauler";
  global.outroutepath = OutRoutePath(routes);
  global.signalmode = run.signalmode;
  global.statictrainmode = run.statictrainmode;
  global.timetablemode = kTimetableCustom;
  global.starttime = 16 * 3600 + 30 * 60;
  global.adhesionmode = kAdhesionRandom;
  global.alternativechance = 100;
  for (int* option :
       {&global.tilting, &global.signaldistances, &global.randomtrackquality, &global.randomdwell,
        &global.randomtraffic, &global.randomstart, &global.loosetimetable, &global.developermode})
    *option = 1;
  if (run.semaphores) {
    sigsys.name = "Semaphore Arms";
    sigsys.custom = 1;
  }
  RecordedMessages messages;

  platform::SeedRandom(77);
  ASSERT_TRUE(GenerationRun(kRunCreate, nullptr)) << run.file;
  std::string route = ReadFile(global.outroutepath);
  platform::SeedRandom(77);
  ASSERT_TRUE(GenerationRun(kRunCreate, nullptr)) << run.file;
  EXPECT_EQ(ReadFile(global.outroutepath), route) << "the same seed, another route";
  ExpectFile(std::string(run.expected) + ".csv", route);
  kavosim::RouteSummary summary = kavosim::CheckRoute(route);
  EXPECT_TRUE(summary.ok()) << (summary.problems.empty() ? "" : summary.problems[0]);
  EXPECT_TRUE(messages.errors.empty()) << messages.errors.front();
  EXPECT_FALSE(fs::exists(dir.File("sigswap.linewright"))) << "only a launch exchanges bitmaps";
}

INSTANTIATE_TEST_SUITE_P(
    EveryOption, OptionsRunTest,
    ::testing::Values(OptionsRun{"Valley Line", "Valley Line.csv", kSignalsMild, kStaticKeep, false,
                                 "options_valley_mild_keep"},
                      OptionsRun{"Valley Line", "Valley Line.csv", kSignalsMedium, kStaticRemove,
                                 true, "options_valley_medium_remove_semaphores"},
                      OptionsRun{"Valley Line", "Valley Line.csv", kSignalsStrong, kStaticMove,
                                 false, "options_valley_strong_move"},
                      OptionsRun{"Hill Line", "Hill Line.rw", kSignalsStrong, kStaticKeep, true,
                                 "options_hill_rw_semaphores"},
                      OptionsRun{"Starter", "starter.scr", kSignalsMedium, kStaticMove, false,
                                 "options_starter_scr"}),
    [](const ::testing::TestParamInfo<OptionsRun>& p) { return std::string(p.param.expected); });

INSTANTIATE_TEST_SUITE_P(AllSyntaxes, SampleRunTest,
                         ::testing::Values(SampleRoute{"starter.csv", "starter_csv"},
                                           SampleRoute{"starter.rw", "starter_rw"},
                                           SampleRoute{"starter.scr", "starter_scr"}),
                         [](const ::testing::TestParamInfo<SampleRoute>& p) {
                           return std::string(p.param.expected);
                         });

}  // namespace
