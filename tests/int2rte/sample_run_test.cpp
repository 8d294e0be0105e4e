// The whole run on the sample routes: route reading, then the route writer
// (a create run) and the chart (a chart run), compared with the expected
// files under tests/int2rte/expected/. Set LINEWRIGHT_UPDATE_EXPECTED=1 to
// rewrite those files from the current output (and review the diff).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/random.h"
#include "test_support.h"
#include "ui/loadsave.h"
#include "ui/run.h"

namespace {

namespace fs = std::filesystem;

struct SampleRoute {
  const char* file;      // in sample/kavo/railway/route/Starter
  const char* expected;  // base name under tests/int2rte/expected
};

class SampleRunTest : public ::testing::TestWithParam<SampleRoute> {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }

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

INSTANTIATE_TEST_SUITE_P(AllSyntaxes, SampleRunTest,
                         ::testing::Values(SampleRoute{"starter.csv", "starter_csv"},
                                           SampleRoute{"starter.rw", "starter_rw"},
                                           SampleRoute{"starter.scr", "starter_scr"}),
                         [](const ::testing::TestParamInfo<SampleRoute>& p) {
                           return std::string(p.param.expected);
                         });

}  // namespace
