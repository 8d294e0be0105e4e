#include "rte2int/kavotime.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ui/loadsave.h"

namespace {

TEST(KavoTimeTest, TextToSeconds) {
  struct Case {
    const char* text;
    int seconds;
  };
  const Case cases[] = {
      {"10.3", 37800},    {"10.3000", 37800}, {"7", 25200},       {"0.0000", 0},
      {"24.0000", 0},     {"10.305", 37850},  {"23.5959", 86399}, {"", 0},
      {"abc", 0},         {" 8.15", 29700},   {"25.0000", 3600},  {"-1.0000", 82800},
  };
  for (const Case& c : cases) EXPECT_EQ(KavoTime2Sec(c.text), c.seconds) << c.text;
  int huge = KavoTime2Sec("99999999999999.00");
  EXPECT_TRUE(huge >= 0 && huge < kSecondsPerDay) << huge;
  EXPECT_EQ(KavoTime2Sec(9.5f), 35400);
  EXPECT_EQ(KavoTime2Sec(10.3f), 37800);
  EXPECT_EQ(KavoTime2Sec(0.0f), 0);
}

TEST(KavoTimeTest, SecondsToText) {
  struct Case {
    int seconds;
    const char* text;
  };
  const Case cases[] = {{37800, "10.3000"}, {35400, "9.5000"}, {0, "0.0000"},
                        {86399, "23.5959"}, {86400, "0.0000"}, {-60, "23.5900"},
                        {-86400 * 3 - 1, "23.5959"}};
  for (const Case& c : cases) {
    char text[16];
    Sec2KavoTime(text, c.seconds);
    EXPECT_STREQ(text, c.text) << c.seconds;
  }
  // Every second of the day as the sum of hours, minutes / 100 and
  // seconds / 10000 prints with "%2.4f".
  for (int s = 0; s < 86400; ++s) {
    char expected[16];
    char text[16];
    std::snprintf(expected, sizeof expected, "%2.4f",
                  (s % 60) * 0.0001 + ((s / 60) % 60) * 0.01 + s / 3600);
    Sec2KavoTime(text, s);
    ASSERT_STREQ(text, expected) << s;
  }
}

class RecalculateTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }
  std::string Shift(const char* time, int& base) {
    char text[16];
    std::snprintf(text, sizeof text, "%s", time);
    ReCalculateTime(text, base);
    return text;
  }
};

TEST_F(RecalculateTest, DefaultTimetableKeepsTimes) {
  int base = -1;
  EXPECT_EQ(Shift("P", base), "P");
  EXPECT_EQ(base, -1);
  EXPECT_EQ(Shift("10.3", base), "10.3000");
  EXPECT_EQ(base, 37800);
}

TEST_F(RecalculateTest, LooseTimetableStretchesFromTheBase) {
  global.loosetimetable = 1;
  int base = -1;
  EXPECT_EQ(Shift("10.0000", base), "10.0000");
  EXPECT_EQ(Shift("11.0000", base), "11.0336");  // one hour later moves 216 s
}

TEST_F(RecalculateTest, OtherStartTimesShiftAndWrapPastMidnight) {
  global.timetablemode = kTimetableCustom;
  global.starttime = 84600;  // 23:30
  int base = -1;
  EXPECT_EQ(Shift("10.0000", base), "23.3000");
  EXPECT_EQ(Shift("11.0000", base), "0.3000");
  global.starttime = 0;
  base = -1;
  EXPECT_EQ(Shift("10.0000", base), "0.0000");
  EXPECT_EQ(Shift("9.0000", base), "23.0000");
  // A start time from a damaged settings file: the shift is taken whole
  // (-2147483648 - 37800 seconds), not wrapped through the int range.
  global.starttime = -2147483647 - 1;
  base = -1;
  EXPECT_EQ(Shift("10.3000", base), "20.4552");
}

}  // namespace
