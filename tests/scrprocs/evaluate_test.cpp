#include "scrprocs/evaluate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/random.h"
#include "script_test_support.h"
#include "scrprocs/uservars.h"
#include "test_support.h"
#include "ui/loadsave.h"

namespace {

class ScrEvaluateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetUserVariables();
    global.trainname = "Blue Arrow";
    platform::SeedRandom(7);
  }
  void TearDown() override { ResetUserVariables(); }

  void SetValue(const char* name, double v) { ClaimUserValue(name)->value = v; }
  void SetWord(const char* name, const char* text) { ClaimUserWord(name)->text = text; }

  RecordedMessages messages_;
};

TEST_F(ScrEvaluateTest, FixedResults) {
  SetValue("speed", 12345.67);
  SetValue("half", 2.5);
  SetValue("zero", -0.0);
  SetWord("w", "speed");
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"abc#rnd<1,1>def", "abc1def"},
      {"#rnd<5,5>", "5"},
      {"#RND{5,5}", "5"},
      {"#rnd25<60,60>", "50"},
      {"#time<25,70,75>", "2.1115"},
      {"#time<6,5,0>", "6.0500"},
      {"#round<-1.7>", "-1"},
      {"#round<2.5>", "3"},
      {"#round<1e300>", "2147483647"},
      {"#abs<-2.5>", "2.5"},
      {"#add<1.5,2>", "3.5"},
      {"#sub<1,3>", "-2"},
      {"#mul<2,2.5>", "5"},
      {"#mul<-1,0>", "0"},
      {"#div<1,4>", "0.25"},
      {"#div<1,0>", "0"},
      {"#div<0,0>", "0"},
      {"#equal<1,1.0>", "1"},
      {"#greater<2,1>", "1"},
      {"#less<2,1>", "0"},
      {"#not<1,2>", "1"},
      {"#not<2,2>", "0"},
      {"#value<speed>", "12345.67"},
      {"#value<half>", "2.5"},
      {"#value<zero>", "0"},
      {"#value<#word<w>>", "12345.67"},
      {"#dv<half,1>", "3.5"},
      {"#word<w>s", "speeds"},
      {"#train<Blue Arrow>", "1"},
      {"#train<blue arrow>", "0"},
      {"[#selectedtrain<>]", "[Blue Arrow]"},
      {"#add<#add<1,2>,#mul<2,3>>", "9"},
      // Parameters beyond those a directive takes are dropped with it.
      {"#value<half,junk,<x>>!", "2.5!"},
      // Directives without a value, and "#" alone, are copied unchanged.
      {"#if<1>x#endif<>", "#if<1>x#endif<>"},
      {"a#foo b", "a#foo b"},
      {"100#", "100#"},
      {"#include<#rnd<2,2>>", "#include<2>"},
  };
  for (const auto& c : cases) EXPECT_EQ(Evaluated(c.in), c.out) << c.in;
  EXPECT_TRUE(messages_.errors.empty());
}

TEST_F(ScrEvaluateTest, RandomRangesIncludeBothEndsInEitherOrder) {
  bool seen[7] = {};
  for (int i = 0; i < 300; ++i) {
    int v = std::stoi(Evaluated("#rnd<6,1>"));
    ASSERT_GE(v, 1);
    ASSERT_LE(v, 6);
    seen[v] = true;
    int q = std::stoi(Evaluated("#rnd25<0,100>"));
    ASSERT_EQ(q % 25, 0);
    ASSERT_LE(q, 100);
  }
  for (int v = 1; v <= 6; ++v) EXPECT_TRUE(seen[v]) << v;
}

TEST_F(ScrEvaluateTest, ChanceEnds) {
  for (int i = 0; i < 200; ++i) {
    ASSERT_EQ(Evaluated("#chance<0>"), "0");
    ASSERT_EQ(Evaluated("#chance<100>"), "1");
  }
  // The percentage is read as a whole number: 50.9 is 50.
  for (unsigned seed = 1; seed < 40; ++seed) {
    platform::SeedRandom(seed);
    std::string a = Evaluated("#chance<50.9>");
    platform::SeedRandom(seed);
    ASSERT_EQ(a, Evaluated("#chance<50>")) << seed;
  }
}

TEST_F(ScrEvaluateTest, WideRangesDrawTwiceWithoutOverflow) {
  platform::SeedRandom(3);
  long long r1 = platform::Random(), r2 = platform::Random(), r3 = platform::Random();
  platform::SeedRandom(3);
  EXPECT_EQ(Evaluated("#rnd<0,99999>"), std::to_string(((r1 << 15) | r2) % 100000));
  EXPECT_EQ(platform::Random(), r3);

  platform::SeedRandom(3);
  EXPECT_EQ(Evaluated("#rnd<0,32767>"), std::to_string(r1));  // one draw

  for (int i = 0; i < 50; ++i) {
    long long v = std::stoll(Evaluated("#rnd<-2147483648,2147483647>"));
    ASSERT_GE(v, -2147483648LL);
    ASSERT_LE(v, 2147483647LL);
  }
}

TEST_F(ScrEvaluateTest, SeededResultsArePinned) {
  platform::SeedRandom(1234);
  EXPECT_EQ(Evaluated("#rnd<1,6>,#rnd<1,6>,#rnd<1,100>,#chance<50>,#rnd25<0,1000>"), "1,4,62,0,25");
}

TEST_F(ScrEvaluateTest, MissingNamesEndTheirTextOnly) {
  const struct {
    const char* in;
    const char* out;
    const char* error;
  } cases[] = {
      {"ab#value<zz>cd", "ab", "#value command, value not found.\n\nzz"},
      {"#word<zz>", "", "#word command, word not found.\n\nzz"},
      {"#dv<zz,1>", "", "#dv command, value not found.\n\nzz"},
      {"#rndset<zz>", "", "#rndset command, rndset not found.\n\nzz"},
      // The inner text ends empty; the enclosing one goes on with that.
      {"x#add<#value<zz>,2>y", "x2y", "#value command, value not found.\n\nzz"},
  };
  for (const auto& c : cases) {
    messages_.errors.clear();
    EXPECT_EQ(Evaluated(c.in), c.out) << c.in;
    ASSERT_EQ(messages_.errors.size(), 1u) << c.in;
    EXPECT_EQ(messages_.errors[0], c.error) << c.in;
  }
}

TEST_F(ScrEvaluateTest, EmptySetYieldsNothingAndDrawsNothing) {
  ClaimUserRndSet("none");
  UserRndSet* colours = ClaimUserRndSet("colours");
  colours->items[0] = "red";
  colours->items[1] = "green";
  colours->count = 2;
  platform::SeedRandom(9);
  std::string with_empty = Evaluated("[#rndset<none>]#rnd<1,1000>");
  platform::SeedRandom(9);
  EXPECT_EQ(with_empty, "[]" + Evaluated("#rnd<1,1000>"));
  for (int i = 0; i < 20; ++i) {
    std::string c = Evaluated("#rndset<colours>");
    ASSERT_TRUE(c == "red" || c == "green") << c;
  }
}

TEST_F(ScrEvaluateTest, ChoiceAsksWithCaptionAndHint) {
  messages_.answers = {true, false};
  EXPECT_EQ(Evaluated("#choice<Take the loop?>"), "1");
  EXPECT_EQ(Evaluated("#choice<Again?>"), "0");
  ASSERT_EQ(messages_.questions.size(), 2u);
  EXPECT_EQ(messages_.questions[0],
            "Choice|Take the loop?\n\nPress \"Yes\" for the first option, and \"No\" for the "
            "second option:");
}

TEST_F(ScrEvaluateTest, ResultsAreCutToTheCapacity) {
  SetWord("w", "abcdefghij");
  EXPECT_EQ(Evaluated("12#word<w>", 5), "12abc");
  EXPECT_EQ(Evaluated("abcdefgh", 5), "abcde");
  char out[6];
  ParseScrParameter(out, "xy#word<w>", sizeof out);
  EXPECT_STREQ(out, "xyabc");
}

TEST_F(ScrEvaluateTest, ListClosedEarlyTakesNothingAfterIt) {
  // The missing second number is 0; "rest" stays text.
  for (int i = 0; i < 20; ++i) {
    std::string v = Evaluated("#rnd<1>rest");
    ASSERT_TRUE(v == "0rest" || v == "1rest") << v;
  }
}

TEST_F(ScrEvaluateTest, MalformedTextNeverLeavesMarkersOrRecursesWithoutBound) {
  std::string deep;
  for (int i = 0; i < 5000; ++i) deep += "#abs<";
  std::string out = Evaluated(deep + "1" + std::string(5000, '>'));
  EXPECT_EQ(out.find('\x01'), std::string::npos);

  std::string many;
  for (int i = 0; i < 200000; ++i) many += "#q";
  EXPECT_EQ(Evaluated(many, many.size()), many);

  EXPECT_EQ(Evaluated(std::string("a\x01") + "b"), "ab");
}

TEST_F(ScrEvaluateTest, NumbersFormat) {
  const struct {
    double v;
    const char* out;
  } cases[] = {{3, "3"},
               {2.5, "2.5"},
               {-0.0, "0"},
               {-0.125, "-0.125"},
               {1e-9, "0"},
               {-1e-9, "0"},
               {1e20, "100000000000000000000"}};
  for (const auto& c : cases) EXPECT_EQ(FormatScrNumber(c.v), c.out) << c.v;
}

}  // namespace
