#include "ui/main_window_state.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ui/loadsave.h"
#include "ui/run.h"
#include "platform/files.h"
#include "test_support.h"

namespace {

class MainWindowStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir_.File("route/main.csv"), "");
    WriteFile(dir_.File("route/Sub/branch.rw"), "");
    WriteFile(dir_.File("train/Red/train.dat"), "");
    ResetGlobals();
    global.routefolder = dir_.File("route");
    global.browsefolder = "elsewhere";
    global.trainfolder = dir_.File("train");
    state_.FillLists();
  }
  int Entry(const std::string& text) {
    for (size_t i = 0; i < state_.routes().size(); ++i)
      if (state_.routes()[i] == text) return static_cast<int>(i);
    ADD_FAILURE() << "no entry " << text;
    return -1;
  }
  ScratchDir dir_;
  MainWindowState state_;
};

TEST_F(MainWindowStateTest, AFolderEntryTurnsSelectOffAndKeepsTheFile) {
  EXPECT_EQ(global.browsefolder, global.routefolder);
  state_.ChooseRoute(Entry("main.csv"));
  EXPECT_FALSE(state_.SelectEnabled());
  EXPECT_TRUE(state_.RouteInfoAvailable());
  state_.ChooseTrain(0);
  EXPECT_TRUE(state_.SelectEnabled());
  EXPECT_TRUE(state_.ChooseRoute(Entry("  (Sub)")));
  EXPECT_FALSE(state_.SelectEnabled());
  EXPECT_FALSE(state_.RouteInfoAvailable());  // a double click on a folder shows nothing
  EXPECT_EQ(global.routetype, kRouteNone);
  EXPECT_EQ(global.routefile, "main.csv");
  EXPECT_EQ(global.browsefolder, platform::JoinPath(dir_.File("route"), "Sub"));
  EXPECT_TRUE(state_.ChooseRoute(Entry("  (..)")));
  EXPECT_EQ(global.browsefolder, global.routefolder);
}

TEST_F(MainWindowStateTest, AFolderThatCannotBeEnteredKeepsSelectOff) {
  ASSERT_TRUE(WriteFile(dir_.File("route/gone.csv/x"), ""));
  state_.FillLists();
  int gone = Entry("  (gone.csv)");
  std::filesystem::remove_all(dir_.File("route/gone.csv"));
  state_.ChooseRoute(Entry("main.csv"));
  EXPECT_FALSE(state_.ChooseRoute(gone));
  EXPECT_EQ(state_.routeSelection(), gone);
  state_.ChooseTrain(0);
  EXPECT_FALSE(state_.SelectEnabled());
  EXPECT_EQ(global.browsefolder, global.routefolder);
}

TEST_F(MainWindowStateTest, AFolderThatCannotBeListedIsNamedAndKeepsItsList) {
  global.trainfolder = dir_.File("gone");
  EXPECT_EQ(state_.FillLists(), dir_.File("gone"));
  EXPECT_EQ(state_.trains(), std::vector<std::string>{"Red"});
}

TEST(WindowAfterRunTest, LaunchClosesChartOpensFailureStays) {
  EXPECT_EQ(WindowAfterRun(kRunLaunch, true), AfterRun::kClose);
  EXPECT_EQ(WindowAfterRun(kRunLaunch, false), AfterRun::kStay);
  EXPECT_EQ(WindowAfterRun(kRunChart, true), AfterRun::kOpenChart);
  EXPECT_EQ(WindowAfterRun(kRunCreate, true), AfterRun::kStay);
}

}  // namespace
