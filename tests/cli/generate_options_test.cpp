#include "cli/generate_options.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/random.h"
#include "sigsys/sigsys.h"
#include "test_support.h"
#include "ui/loadsave.h"

namespace {

class GenerateOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    sigsys = SignalSystem();
    global.trainfolder = dir_.File("train");
    global.routefolder = dir_.File("route");
    WriteFile(dir_.File("train/Blue Arrow/train.dat"), "x");
    WriteFile(dir_.File("route/line/a.csv"), "With Route\r\n");
  }

  bool Parse(std::vector<std::string> args) {
    error_.clear();
    request_ = GenerateRequest();
    return ParseGenerateArguments(args, &request_, &error_);
  }

  ScratchDir dir_;
  GenerateRequest request_;
  std::string error_;
};

TEST_F(GenerateOptionsTest, StoresEveryStartOption) {
  ASSERT_TRUE(Parse({"--route", "r.csv", "--train=Blue Arrow", "--kind", "chart", "--seed", "7",
                     "--signals", "strong", "--adhesion", "bad", "--static-trains", "move",
                     "--alternative-chance", "100", "--timetable", "random", "--tilting",
                     "--signal-distances", "--random-track-quality", "--random-dwell",
                     "--random-traffic", "--random-start", "--developer-mode", "--show-errors",
                     "--loose-timetable", "--choice", "yes"}))
      << error_;
  EXPECT_EQ(request_.route, "r.csv");
  EXPECT_EQ(request_.train, "Blue Arrow");
  EXPECT_EQ(request_.kind, 7);
  EXPECT_TRUE(request_.has_seed);
  EXPECT_EQ(request_.seed, 7u);
  EXPECT_TRUE(request_.choice_answer);
  EXPECT_EQ(global.signalmode, kSignalsStrong);
  EXPECT_EQ(global.adhesionmode, kAdhesionBad);
  EXPECT_EQ(global.statictrainmode, kStaticMove);
  EXPECT_EQ(global.alternativechance, 100);
  EXPECT_EQ(global.timetablemode, kTimetableRandom);
  for (int field : {global.tilting, global.signaldistances, global.randomtrackquality,
                    global.randomdwell, global.randomtraffic, global.randomstart,
                    global.developermode, global.showerrors, global.loosetimetable})
    EXPECT_EQ(field, 1);
  ASSERT_TRUE(Parse({"--route", "r.csv", "--train", "t", "--no-tilting", "--no-show-errors"}));
  EXPECT_EQ(global.tilting, 0);
  EXPECT_EQ(global.showerrors, 0);
  EXPECT_EQ(global.developermode, 1);  // untouched options keep their values
}

TEST_F(GenerateOptionsTest, UsageErrorsSayWhatIsWrong) {
  struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--train", "t"}, "--route FILE is required"},
      {{"--route", "r.csv"}, "--train NAME is required"},
      {{"--route", "r.csv", "--train", "t", "--signals", "wild"},
       "--signals expects medium|mild|none|strong, got 'wild'"},
      {{"--route", "r.csv", "--train", "t", "--alternative-chance", "250"},
       "--alternative-chance expects a whole number from 0 to 100, got '250'"},
      {{"--route", "r.csv", "--train", "t", "--seed", "-1"},
       "--seed expects a whole number from 0 to 4294967295, got '-1'"},
      {{"--route", "r.csv", "--train", "t", "--kind", "run"},
       "--kind expects launch|create|chart, got 'run'"},
      {{"--route", "r.csv", "--train", "t", "--frobnicate", "1"}, "unknown option --frobnicate"},
      {{"--route", "r.csv", "--train"}, "option --train expects a value"},
      {{"--route", "r.csv", "--train", "t", "--tilting=1"}, "option --tilting takes no value"},
      {{"--route", "r.csv", "--train", "t", "stray"}, "unexpected argument 'stray'"},
  };
  for (auto& c : cases) {
    EXPECT_FALSE(Parse(c.args));
    EXPECT_EQ(error_, c.message);
  }
}

TEST_F(GenerateOptionsTest, FolderOverridesDropTrailingSeparator) {
  ASSERT_TRUE(Parse({"--route", "r.csv", "--train", "t", "--sim-folder", "/opt/kavo/",
                     "--route-folder", "/opt/kavo/routes", "--sim-exe", "kavo"}));
  EXPECT_EQ(global.simfolder, "/opt/kavo");
  EXPECT_EQ(global.routefolder, "/opt/kavo/routes");
  EXPECT_EQ(global.simexe, "kavo");
}

TEST_F(GenerateOptionsTest, ApplySetsRouteTrainAndPaths) {
  std::string route = dir_.File("route/line/a.csv");
  ASSERT_TRUE(Parse({"--route", route, "--train", "Blue Arrow"}));
  ASSERT_TRUE(ApplyGenerateRequest(request_, 0, &error_)) << error_;
  EXPECT_EQ(global.browsefolder, dir_.File("route/line"));
  EXPECT_EQ(global.routefile, "a.csv");
  EXPECT_EQ(global.routetype, kRouteCsv);
  EXPECT_EQ(global.trainname, "Blue Arrow");
  EXPECT_EQ(global.outroutepath, platform::JoinPath(global.routefolder, "linewrighttemp.csv"));
  EXPECT_EQ(sigsys.name, "Kavo Default");
  EXPECT_EQ(sigsys.custom, 0);
}

TEST_F(GenerateOptionsTest, ApplyRefusesUnknownRouteKindsAndTrains) {
  WriteFile(dir_.File("notes.txt"), "x");
  ASSERT_TRUE(Parse({"--route", dir_.File("notes.txt"), "--train", "Blue Arrow"}));
  EXPECT_FALSE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_NE(error_.find("must be a .csv, .rw or .scr file"), std::string::npos);
  ASSERT_TRUE(Parse({"--route", dir_.File("route/line/a.csv"), "--train", "Nope"}));
  EXPECT_FALSE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_NE(error_.find("no train 'Nope'"), std::string::npos);
  ASSERT_TRUE(Parse({"--route", dir_.File("route/line/b.csv"), "--train", "Blue Arrow"}));
  EXPECT_FALSE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_NE(error_.find("not found"), std::string::npos);
}

TEST_F(GenerateOptionsTest, StartTimeForEachTimetable) {
  std::string route = dir_.File("route/line/a.csv");
  ASSERT_TRUE(Parse({"--route", route, "--train", "Blue Arrow", "--start-time", "16.35"}));
  ASSERT_TRUE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_EQ(global.timetablemode, kTimetableCustom);
  EXPECT_EQ(global.starttime, 59700);

  ResetGlobals();
  global.trainfolder = dir_.File("train");
  request_ = GenerateRequest();
  ASSERT_TRUE(Parse({"--route", route, "--train", "Blue Arrow", "--timetable", "random"}));
  platform::SeedRandom(1);
  ASSERT_TRUE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_EQ(global.starttime, (41 % 1440) * 60);

  request_ = GenerateRequest();
  ASSERT_TRUE(Parse({"--route", route, "--train", "Blue Arrow", "--timetable", "default",
                     "--start-time", "9.05"}));
  global.starttime = 100;
  ASSERT_TRUE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_EQ(global.starttime, 100);  // the default timetable ignores it
}

TEST_F(GenerateOptionsTest, SignalSystemChoice) {
  std::string route = dir_.File("route/line/a.csv");
  ASSERT_TRUE(Parse({"--route", route, "--train", "Blue Arrow", "--signal-system", "kavo default"}));
  ASSERT_TRUE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_EQ(sigsys.custom, 0);
  request_ = GenerateRequest();
  ASSERT_TRUE(Parse({"--route", route, "--train", "Blue Arrow", "--signal-system", "Mine"}));
  ASSERT_TRUE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_EQ(sigsys.name, "Mine");
  EXPECT_EQ(sigsys.custom, 1);
  request_ = GenerateRequest();
  ASSERT_TRUE(Parse({"--route", route, "--train", "Blue Arrow", "--signal-system",
                     "Sixteen chars ok"}));
  ASSERT_TRUE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_EQ(sigsys.name, "Mine");  // too long a name is ignored
}

}  // namespace
