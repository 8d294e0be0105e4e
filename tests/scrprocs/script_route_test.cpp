#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "platform/random.h"
#include "scrprocs/scrprocs.h"
#include "scrprocs/uservars.h"
#include "test_support.h"
#include "ui/loadsave.h"

namespace {

class ScriptRouteTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override {
    ResetGlobals();
    ResetUserVariables();
  }

  // Runs the route as the script command does, with a fixed seed.
  bool Run(const std::string& folder, const std::string& file, const std::string& train,
           unsigned seed, std::string* text) {
    global.browsefolder = folder;
    global.routefile = file;
    global.routetype = RouteTypeOf(file);
    global.trainname = train;
    platform::SeedRandom(seed);
    return ScriptRouteText(platform::JoinPath(folder, file).c_str(), text);
  }

  ScratchDir scratch_;
  RecordedMessages messages_;
};

TEST_F(ScriptRouteTest, SampleScriptRunsCleanAndRepeatably) {
  const std::string folder = SourcePath("sample/kavo/railway/route/Scripted");
  for (unsigned seed : {1u, 2u, 77u}) {
    for (const char* train : {"Blue Arrow", "Red Hauler"}) {
      messages_.answers = {true};
      std::string first, second;
      ASSERT_TRUE(Run(folder, "scripted.scr", train, seed, &first)) << train << " " << seed;
      messages_.answers = {true};
      ASSERT_TRUE(Run(folder, "scripted.scr", train, seed, &second));
      EXPECT_EQ(first, second) << train << " " << seed;
      EXPECT_EQ(first.find('#'), std::string::npos) << first;
      EXPECT_EQ(first.find('$'), std::string::npos) << first;
      EXPECT_EQ(first.find('\x01'), std::string::npos);
      EXPECT_EQ(first.find("written to show"), std::string::npos);  // the notes
      EXPECT_NE(first.find(std::string(".Folder ") + train), std::string::npos);
      EXPECT_NE(first.find(".Background(0) starter\\sky.bmp"), std::string::npos);
      EXPECT_NE(first.find(".Railstart 2"), std::string::npos);  // the answered choice
      // Only the goods train takes the loop at Millbrook.
      EXPECT_EQ(first.find(".Railstart 1;") != std::string::npos,
                std::string(train) == "Red Hauler")
          << first;
    }
  }
  EXPECT_TRUE(messages_.errors.empty());
}

TEST_F(ScriptRouteTest, OnlyScriptRoutesRunTheScript) {
  ASSERT_TRUE(WriteFile(scratch_.File("plain.csv"), "#notes<>x#endnotes<>.Pitch #RND{2,2},"));
  ASSERT_TRUE(WriteFile(scratch_.File("plain.scr"), "#notes<>x#endnotes<>.Pitch #RND{2,2},"));
  std::string text;
  EXPECT_TRUE(Run(scratch_.path(), "plain.csv", "", 1, &text));
  EXPECT_EQ(text, ".Pitch #rnd<2,2},");
  EXPECT_TRUE(Run(scratch_.path(), "plain.scr", "", 1, &text));
  EXPECT_EQ(text, ".Pitch 2,");
}

TEST_F(ScriptRouteTest, AnyReportedErrorFailsTheRun) {
  ASSERT_TRUE(WriteFile(scratch_.File("bad.scr"), "a#macro<none>b"));
  ASSERT_TRUE(WriteFile(scratch_.File("lookup.scr"), "a#word<none>b"));
  std::string text;
  EXPECT_FALSE(Run(scratch_.path(), "bad.scr", "", 1, &text));
  EXPECT_EQ(text, "a");
  ASSERT_EQ(messages_.errors.size(), 2u);
  EXPECT_EQ(messages_.errors[1],
            "An error occured during the preprocessing of the route. The route may not be "
            "playable.");

  messages_.errors.clear();
  EXPECT_FALSE(Run(scratch_.path(), "lookup.scr", "", 1, &text));
  EXPECT_EQ(text, "ab");
  EXPECT_EQ(messages_.errors.size(), 1u);

  EXPECT_FALSE(Run(scratch_.path(), "missing.scr", "", 1, &text));
}

}  // namespace
