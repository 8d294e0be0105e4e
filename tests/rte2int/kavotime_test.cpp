#include "rte2int/kavotime.h"

#include <gtest/gtest.h>

#include "ui/loadsave.h"

namespace {

TEST(KavoTimeTest, TextToSeconds) {
  struct {
    const char* text;
    int seconds;
  } cases[] = {{"10.3", 37800}, {"7", 25200},        {"0.0000", 0},   {"24.0000", 0},
               {"10.3000", 37800}, {"16.3015", 59415}, {"9.05", 32700}, {"", 0},
               {"25.0000", 3600}};
  for (auto& c : cases) EXPECT_EQ(KavoTime2Sec(c.text), c.seconds) << c.text;
}

TEST(KavoTimeTest, NumberBelowTenIsPaddedFirst) {
  EXPECT_EQ(KavoTime2Sec(9.5f), 35400);
  EXPECT_EQ(KavoTime2Sec(16.3f), 59400);
}

TEST(KavoTimeTest, SecondsToText) {
  char out[16];
  Sec2KavoTime(out, 37800);
  EXPECT_STREQ(out, "10.3000");
  Sec2KavoTime(out, 35400);
  EXPECT_STREQ(out, "9.5000");
  Sec2KavoTime(out, 86399);
  EXPECT_STREQ(out, "23.5959");
  // Negative counts wrap into the day instead of printing a negative time.
  Sec2KavoTime(out, -600);
  EXPECT_STREQ(out, "23.5000");
  Sec2KavoTime(out, 86400 + 60);
  EXPECT_STREQ(out, "0.0100");
}

class ReCalculateTimeTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
};

TEST_F(ReCalculateTimeTest, DefaultTimetableKeepsTimesAndSetsBase) {
  int base = -1;
  char text[16] = "10.3000";
  ReCalculateTime(text, base);
  EXPECT_STREQ(text, "10.3000");
  EXPECT_EQ(base, 37800);
  char one[16] = "T";
  ReCalculateTime(one, base);
  EXPECT_STREQ(one, "T");
}

TEST_F(ReCalculateTimeTest, OneCharacterDoesNotSetBase) {
  int base = -1;
  char one[16] = "P";
  ReCalculateTime(one, base);
  EXPECT_EQ(base, -1);
}

TEST_F(ReCalculateTimeTest, LooseTimetableStretchesLaterTimes) {
  global.loosetimetable = 1;
  int base = -1;
  char first[16] = "10.0000";
  ReCalculateTime(first, base);
  char later[16] = "11.0000";
  ReCalculateTime(later, base);
  EXPECT_STREQ(later, "11.0336");  // 216 seconds later
}

TEST_F(ReCalculateTimeTest, OtherTimetableStartsAtTheStartTime) {
  global.timetablemode = kTimetableCustom;
  global.starttime = 23 * 3600;
  int base = -1;
  char first[16] = "10.0000";
  ReCalculateTime(first, base);
  EXPECT_STREQ(first, "23.0000");
  // Past midnight the time wraps into the next day.
  char later[16] = "11.3000";
  ReCalculateTime(later, base);
  EXPECT_STREQ(later, "0.3000");
}

}  // namespace
