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
    UseFolders();
    WriteFile(dir_.File("train/Blue Arrow/train.dat"), "x");
    WriteFile(dir_.File("route/line/a.csv"), "With Route\r\n");
    platform::MakeDirectory(dir_.File("kavo"));
  }

  void UseFolders() {
    global.trainfolder = dir_.File("train");
    global.routefolder = dir_.File("route");
    global.simfolder = dir_.File("kavo");
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
  ASSERT_TRUE(Parse({"--route", "r.csv", "--train=Blue Arrow", "--kind", "chart", "--seed", "7", "--strict",
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
  EXPECT_TRUE(request_.strict);
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
       "--signals expects none|mild|medium|strong, got 'wild'"},
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
      {{"--route", "notes.txt", "--train", "t"}, "--route expects a .csv, .rw or .scr file, got 'notes.txt'"},
      {{"--route", "r.csv", "--train", "t", "--start-time", "24.00"},
       "--start-time expects HH.MM or HH:MM (hours 0-23, minutes 0-59), got '24.00'"},
      {{"--route", "r.csv", "--train", "t", "--frobnicate"}, "unknown option --frobnicate"},
      {{"--route", "r.csv", "--train", "t", "--strict=yes"}, "option --strict takes no value"},
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

TEST(StartTime, AcceptsHoursAndMinutesInRange) {
  const struct {
    const char* text;
    int seconds;  // -1: refused
  } cases[] = {
      {"16.35", 59700}, {"16:35", 59700}, {"9.05", 32700}, {"00.00", 0}, {"23.59", 86340},
      {"24.00", -1},    {"12.60", -1},    {"12.5", -1},    {"123.00", -1}, {"12", -1},
      {".30", -1},      {"-1.30", -1},    {"12.-5", -1},   {"12,30", -1},  {"12.30x", -1},
  };
  for (const auto& c : cases) {
    int seconds = -1;
    EXPECT_EQ(ParseStartTime(c.text, &seconds), c.seconds >= 0) << c.text;
    if (c.seconds >= 0) {
      EXPECT_EQ(seconds, c.seconds) << c.text;
    }
  }
}

TEST_F(GenerateOptionsTest, ApplyRefusesMissingFoldersRoutesAndTrains) {
  ASSERT_TRUE(Parse({"--route", dir_.File("route/line/a.csv"), "--train", "Nope"}));
  EXPECT_FALSE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_NE(error_.find("no train 'Nope'"), std::string::npos);
  ASSERT_TRUE(Parse({"--route", dir_.File("route/line/b.csv"), "--train", "Blue Arrow"}));
  EXPECT_FALSE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_NE(error_.find("not found"), std::string::npos);

  // A saved folder is checked only when the run needs it: a chart writes
  // no route.
  std::string missing = dir_.File("nowhere");
  global.simfolder = missing;
  ASSERT_TRUE(Parse({"--route", dir_.File("route/line/a.csv"), "--train", "Blue Arrow", "--kind", "chart"}));
  EXPECT_TRUE(ApplyGenerateRequest(request_, 0, &error_)) << error_;
  ASSERT_TRUE(Parse({"--route", dir_.File("route/line/a.csv"), "--train", "Blue Arrow", "--kind", "create"}));
  EXPECT_FALSE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_EQ(error_, "the simulator folder '" + missing +
                        "' does not exist; set it with --sim-folder DIR (it is saved for later runs)");
}

TEST_F(GenerateOptionsTest, StartTimeForEachTimetable) {
  std::string route = dir_.File("route/line/a.csv");
  ASSERT_TRUE(Parse({"--route", route, "--train", "Blue Arrow", "--start-time", "16.35"}));
  ASSERT_TRUE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_EQ(global.timetablemode, kTimetableCustom);
  EXPECT_EQ(global.starttime, 59700);

  ResetGlobals();
  UseFolders();
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

TEST_F(GenerateOptionsTest, SignalSystemMustBeInstalled) {
  std::string route = dir_.File("route/line/a.csv");
  ASSERT_TRUE(Parse({"--route", route, "--train", "Blue Arrow", "--signal-system", "kavo default"}));
  ASSERT_TRUE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_EQ(sigsys.custom, 0);
  ASSERT_TRUE(Parse({"--route", route, "--train", "Blue Arrow", "--signal-system", "Mine"}));
  EXPECT_FALSE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_EQ(error_,
            "no signal system 'Mine' is installed; none are (a signal system is a folder holding "
            "sigsys.txt in the working folder); or use 'Kavo Default'");
  EXPECT_EQ(sigsys.custom, 0);

  WriteFile(dir_.File("mine/sigsys.txt"), "Mine\r\n");
  WriteFile(dir_.File("alps/sigsys.txt"), "Alpine\r\n");
  ASSERT_TRUE(Parse({"--route", route, "--train", "Blue Arrow", "--signal-system", "mine"}));
  ASSERT_TRUE(ApplyGenerateRequest(request_, 0, &error_)) << error_;
  EXPECT_EQ(sigsys.name, "Mine");  // as installed
  EXPECT_EQ(sigsys.custom, 1);
  ASSERT_TRUE(Parse({"--route", route, "--train", "Blue Arrow", "--signal-system", "Sixteen chars ok"}));
  EXPECT_FALSE(ApplyGenerateRequest(request_, 0, &error_));
  EXPECT_EQ(error_, "no signal system 'Sixteen chars ok' is installed; installed: 'Alpine' (folder "
                    "alps), 'Mine' (folder mine); or use 'Kavo Default'");
}

}  // namespace
