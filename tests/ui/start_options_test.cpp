#include "ui/start_options.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "sigsys/sigsys.h"
#include "test_support.h"
#include "ui/loadsave.h"
#include "ui/run.h"

namespace {

std::time_t LocalTime(int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = 124;
  t.tm_mon = 5;
  t.tm_mday = 1;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

class StartOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    sigsys = SignalSystem();
  }
  ScratchDir dir_;
};

TEST(ChanceTest, IsAnUnsignedNumberClampedTo100) {
  const std::pair<const char*, int> cases[] = {
      {"250", 100}, {"-5", 0}, {"abc", 0}, {"", 0},      {"12abc", 0},
      {" 40 ", 40}, {"007", 7}, {"100", 100}, {"99999999999999", 100},
  };
  for (auto& c : cases) EXPECT_EQ(ChanceFromText(c.first), c.second) << c.first;
}

TEST(StartTimeTest, FollowsTheTimetableMode) {
  std::time_t noon = LocalTime(12, 0, 45);
  EXPECT_EQ(StartTimeFor(kTimetableCustom, "16.35", noon, 1), 59700);
  EXPECT_EQ(StartTimeFor(kTimetableCustom, "9.05", noon, 1), 32700);
  EXPECT_EQ(StartTimeFor(kTimetableCustom, "16.354444", noon, 1), 59700);  // only hh.mm is read
  EXPECT_EQ(StartTimeFor(kTimetableRealTime, "", noon, 1), 43290);
  EXPECT_EQ(StartTimeFor(kTimetableRealTime, "", LocalTime(23, 59, 59), 1), 86430);  // not wrapped
  EXPECT_EQ(StartTimeFor(kTimetableDefault, "16.35", noon, 1234), 1234);
  for (int i = 0; i < 50; ++i) {
    int t = StartTimeFor(kTimetableRandom, "", noon, 1);
    EXPECT_EQ(t % 60, 0);
    EXPECT_LT(t, 86400);
  }
}

TEST_F(StartOptionsTest, OpeningShowsTheSettings) {
  WriteFile("Mine/sigsys.txt", "Mine\n");
  WriteFile("alpha/sigsys.txt", "alpha\n");
  global.tilting = 1;
  global.adhesionmode = kAdhesionBad;
  global.starttime = 59400;
  global.alternativechance = 35;
  sigsys.name = "Mine";
  StartOptionsForm form = OpenStartOptions(".");
  EXPECT_EQ(form.checked, (std::set<int>{kIdTilting, kSignalsNone, kAdhesionBad, kStaticKeep, kTimetableDefault}));
  EXPECT_EQ(form.start_time, "16.30");
  EXPECT_EQ(form.chance, "35");
  EXPECT_EQ(form.signal_systems, (std::vector<std::string>{"alpha", "Kavo Default", "Mine"}));
  EXPECT_EQ(form.signal_system, 2);
  sigsys.name = "gone";
  EXPECT_EQ(OpenStartOptions(".").signal_system, 1);
}

TEST_F(StartOptionsTest, AcceptingStoresTheFormAndSavesIt) {
  StartOptionsForm form;
  // Several buttons of a group checked: the first in the testing order wins;
  // none checked: the group's first button.
  form.checked = {kIdDeveloperMode, kIdLooseTimetable, kSignalsMild, kSignalsMedium, kTimetableCustom,
                  kTimetableRealTime};
  form.chance = "250";
  form.start_time = "9.05";
  form.signal_systems = {"kavo default"};
  form.signal_system = 0;
  sigsys.custom = 1;
  ASSERT_TRUE(AcceptStartOptions(form, 0));
  EXPECT_EQ(global.developermode, 1);
  EXPECT_EQ(global.loosetimetable, 1);
  EXPECT_EQ(global.tilting, 0);
  EXPECT_EQ(global.signalmode, kSignalsMedium);
  EXPECT_EQ(global.adhesionmode, kAdhesionNone);
  EXPECT_EQ(global.statictrainmode, kStaticKeep);
  EXPECT_EQ(global.timetablemode, kTimetableCustom);
  EXPECT_EQ(global.alternativechance, 100);
  EXPECT_EQ(global.starttime, 32700);
  EXPECT_EQ(sigsys.name, "kavo default");
  EXPECT_EQ(sigsys.custom, 0);
  EXPECT_NE(ReadFile("linewright10_2.cfg").find("1 0 0 0 0 0\n652 653 700 100 711\n0 0 32700 1\nkavo default"),
            std::string::npos);
}

TEST_F(StartOptionsTest, OnlyTheActionButtonsStoreAndStartARun) {
  StartOptionsForm form;
  form.checked = {kIdTilting};
  form.chance = "5";
  // Cancel, the close box, a dialog that could not be shown, anything else.
  for (int result : {static_cast<int>(kRunCancel), -1, 0, 3, 630}) {
    EXPECT_EQ(FinishStartOptions(result, form, 0), kRunCancel) << result;
    EXPECT_EQ(global.tilting, 0) << result;
    EXPECT_FALSE(std::filesystem::exists("linewright10_2.cfg")) << result;
  }
  for (int kind : {kRunLaunch, kRunCreate, kRunChart}) {
    global.tilting = 0;
    EXPECT_EQ(FinishStartOptions(kind, form, 0), kind);
    EXPECT_EQ(global.tilting, 1) << kind;
    EXPECT_EQ(global.alternativechance, 5) << kind;
  }
  EXPECT_TRUE(std::filesystem::exists("linewright10_2.cfg"));
}

TEST_F(StartOptionsTest, SignalSystemNamesOf16CharactersAreIgnored) {
  sigsys.name = "Mine";
  StartOptionsForm form;
  form.signal_systems = {"Sixteen chars xx"};
  form.signal_system = 0;
  ASSERT_TRUE(AcceptStartOptions(form, 0));
  EXPECT_EQ(sigsys.name, "Mine");
  EXPECT_EQ(sigsys.custom, 1);

  std::string caption, text;
  form.signal_systems = {"Kavo Default", "Mine"};
  EXPECT_FALSE(SignalSystemInfoBox(form, &caption, &text));
  EXPECT_EQ(sigsys.name, "Kavo Default");
  form.signal_system = 1;
  EXPECT_TRUE(SignalSystemInfoBox(form, &caption, &text));
  EXPECT_EQ(caption, "Mine");
  EXPECT_FALSE(text.empty());
  EXPECT_EQ(sigsys.custom, 1);  // the Info button leaves the flag alone
}

}  // namespace
