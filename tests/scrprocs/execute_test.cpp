#include <gtest/gtest.h>

#include <string>

#include "platform/random.h"
#include "script_test_support.h"
#include "scrprocs/uservars.h"
#include "test_support.h"
#include "ui/loadsave.h"

namespace {

class ProcessScrTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetUserVariables();
    global.trainname = "Red Hauler";
    platform::SeedRandom(11);
  }
  void TearDown() override { ResetUserVariables(); }

  ScratchDir scratch_;
  RecordedMessages messages_;
};

TEST_F(ProcessScrTest, CleanScripts) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"#if<0>A#else<>B#endif<>C", "BC"},
      {"#if<1>A#else<>B#endif<>C", "AC"},
      {"#if<0>A#elseif<1>B#else<>C#endif<>", "B"},
      {"#if<0>A#elseif<0>B#else<>C#endif<>", "C"},
      {"#if<0>#if<1>X#endif<>Y#endif<>Z", "Z"},
      {"#If{#equal<2,#add<1,1>>}two#endif<>", "two"},
      {"#if<#train<Red Hauler>>R#else<>B#endif<>", "R"},
      {"#if<#train<Blue Arrow>>B#elseif<#train<Red Hauler>>R#endif<>", "R"},
      {"#setvalue<n,0>#repeat<>#setvalue<n,#add<#value<n>,1>>"
       "#if<#equal<#value<n>,3>>#breakrepeat<>#endif<>x#endrepeat<>[#value<n>]",
       "xx[3]"},
      {"#setvalue<n,0>#repeat<>#setvalue<n,#add<#value<n>,1>>"
       "#if<#greater<#value<n>,3>>#breakrepeat<>#endif<>"
       "#if<#equal<#value<n>,2>>#continue<>#endif<>x#value<n>,#endrepeat<>",
       "x1,x3,"},
      {"#setvalue<p,12345.67>#value<p>", "12345.67"},
      {"#setword<w,Hill>#word<w>", "Hill"},
      {"#definerndset<s,a,a,endlisting>#rndset<s>", "a"},
      {"#version<1>#playerselectstrain<0>#message<a,b>#customfile<a,b>"
       "#annmaker<1,2,3,4,5,6>ok",
       "ok"},
      {"a#x b", "a#x b"},
      {"#selectedtrain<>", "Red Hauler"},
      {"#time<6,#rnd<30,30>,0>", "6.3000"},
      {"keep\r\nlines\r\n", "keep\r\nlines\r\n"},
  };
  for (const auto& c : cases) {
    bool ok = false;
    EXPECT_EQ(Scripted(c.in, &ok), c.out) << c.in;
    EXPECT_TRUE(ok) << c.in;
  }
  EXPECT_TRUE(messages_.errors.empty());
}

TEST_F(ProcessScrTest, RandomSetItems) {
  Scripted("#definerndset<s,a,b,endlisting>");
  ASSERT_NE(FindUserRndSet("s"), nullptr);
  EXPECT_EQ(FindUserRndSet("s")->count, 2);
  Scripted("#definerndset<s,a,b>");
  EXPECT_EQ(FindUserRndSet("s")->count, 2);
  Scripted("#definerndset<s>");
  EXPECT_EQ(FindUserRndSet("s")->count, 0);
  Scripted("#definerndset<s,endlisting,b>");
  EXPECT_EQ(FindUserRndSet("s")->count, 2);

  // Items are cut to 15 characters; items past 32 are read and dropped.
  std::string list = "#definerndset<s,a-very-long-item-name";
  for (int i = 1; i < 40; ++i) list += "," + std::to_string(i);
  EXPECT_EQ(Scripted(list + ">after"), "after");
  const UserRndSet* s = FindUserRndSet("s");
  EXPECT_EQ(s->count, 32);
  EXPECT_EQ(s->items[0], "a-very-long-ite");
  EXPECT_EQ(s->items[31], "31");
}

TEST_F(ProcessScrTest, NamesAndWordsAtTheirLimits) {
  const std::string name30(30, 'v'), name31(31, 'v');
  const std::string text40(40, 't');
  bool ok = false;
  EXPECT_EQ(Scripted("#setword<" + name30 + "," + text40 + ">#word<" + name30 + ">rest", &ok),
            std::string(31, 't') + "rest");
  EXPECT_TRUE(ok);

  const char* too_long[] = {"#setvalue<%s,1>", "#setword<%s,1>", "#definerndset<%s,1>"};
  const char* message[] = {"#setvalue command, too long name.", "#setword command, too long name.",
                           "#definerndset command, too long name."};
  for (int i = 0; i < 3; ++i) {
    std::string text = too_long[i];
    text.replace(text.find("%s"), 2, name31);
    messages_.errors.clear();
    EXPECT_EQ(Scripted("a" + text + "b", &ok), "a") << text;
    EXPECT_FALSE(ok);
    ASSERT_EQ(messages_.errors.size(), 1u) << text;
    EXPECT_EQ(messages_.errors[0], std::string(message[i]) + "\n\n" + name31);
  }
}

TEST_F(ProcessScrTest, TablesFull) {
  const struct {
    const char* directive;
    const char* error;
  } cases[] = {
      {"#setvalue<v%d,1>",
       "#setvalue command, no value with specified name and all values already used.\n\nv64"},
      {"#setword<v%d,1>",
       "#setword command, no word with specified name and all words already used.\n\nv64"},
      {"#definerndset<v%d,1>",
       "#definerndset command, no rndset with specified name and all rndsets already "
       "used.\n\nv64"},
  };
  for (const auto& c : cases) {
    std::string text;
    for (int i = 0; i < 65; ++i) {
      std::string d = c.directive;
      d.replace(d.find("%d"), 2, std::to_string(i));
      text += d;
    }
    messages_.errors.clear();
    bool ok = true;
    Scripted(text, &ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(messages_.errors.size(), 1u) << c.directive;
    EXPECT_EQ(messages_.errors[0], c.error);
  }
}

TEST_F(ProcessScrTest, LoopErrorsStopTheRun) {
  std::string nine;
  for (int i = 0; i < 9; ++i) nine += "#repeat<>" + std::to_string(i);
  const struct {
    std::string in;
    std::string kept;
    const char* error;
  } cases[] = {
      {nine + "rest", "01234567",
       "#repeat command, too many other repeat sections inside a repeat section."},
      {"a#endrepeat<>b", "a",
       "#endrepeat command, excess endrepeats compared to repeat section starters."},
      {"#repeat<>#endrepeat<>after", "",
       "#repeat command, too many rounds, no #breakrepeat<> is reached."},
  };
  for (const auto& c : cases) {
    messages_.errors.clear();
    bool ok = true;
    EXPECT_EQ(Scripted(c.in, &ok), c.kept) << c.in;
    EXPECT_FALSE(ok);
    ASSERT_EQ(messages_.errors.size(), 1u) << c.in;
    EXPECT_EQ(messages_.errors[0], c.error);
  }
}

TEST_F(ProcessScrTest, EndlessLoopsStopBeforeTheTextGrowsHuge) {
  // A few thousand characters of loop body without a reachable break:
  // counting rounds alone would first write hundreds of megabytes (or scan
  // as many while skipping).
  const std::string body(2000, 'x');
  const std::string skipped = "#if<0>" + body + "#endif<>";
  for (const std::string& loop : {body, skipped}) {
    messages_.errors.clear();
    bool ok = true;
    std::string out = Scripted("#repeat<>" + loop + "#endrepeat<>after", &ok);
    EXPECT_FALSE(ok);
    EXPECT_LE(out.size(), 33u * 1024 * 1024);
    EXPECT_EQ(out.find("after"), std::string::npos);
    ASSERT_EQ(messages_.errors.size(), 1u);
    EXPECT_EQ(messages_.errors[0],
              "#repeat command, too many rounds, no #breakrepeat<> is reached.");
  }
}

TEST_F(ProcessScrTest, BreakLeavesOnlyTheInnermostLoop) {
  EXPECT_EQ(Scripted("#setvalue<i,0>#repeat<>#setvalue<i,#add<#value<i>,1>>"
                     "#repeat<>in#breakrepeat<>never#endrepeat<>"
                     "#if<#equal<#value<i>,2>>#breakrepeat<>#endif<>out#endrepeat<>end"),
            "inoutinend");
  // Outside any loop the break drops the text up to an #endrepeat<>.
  EXPECT_EQ(Scripted("a#breakrepeat<>b#endrepeat<>c#repeat<>d#breakrepeat<>#endrepeat<>"), "acd");
}

TEST_F(ProcessScrTest, LookupErrorsLetTheRunGoOnButFailIt) {
  bool ok = true;
  EXPECT_EQ(Scripted("a#value<q>b", &ok), "ab");
  EXPECT_FALSE(ok);
  ASSERT_EQ(messages_.errors.size(), 1u);
  EXPECT_EQ(messages_.errors[0], "#value command, value not found.\n\nq");
}

TEST_F(ProcessScrTest, SeededScriptIsRepeatable) {
  const std::string script =
      "#definerndset<c,red,green,blue>#setvalue<d,#rnd25<100,1000>>"
      "#rndset<c>;#value<d>;#dv<d,5>;#rnd<1,6>;#chance<50>";
  platform::SeedRandom(2024);
  std::string first = Scripted(script);
  platform::SeedRandom(2024);
  EXPECT_EQ(Scripted(script), first);
  EXPECT_EQ(first, "red;425;430;2;1");
}

}  // namespace
